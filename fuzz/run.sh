#!/usr/bin/env bash
# Runs every fuzz target of a build for a bounded time each.
#
#   fuzz/run.sh <build-dir> <seconds>
#
# A target <name>_fuzz starts from a copy of fuzz/corpus/<name> (the repository's corpus stays as
# committed). Crashing inputs go to fuzz/artifacts/<name>/. Exits non-zero when any target finds
# something.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 <build-dir> <seconds>" >&2
  exit 2
fi
build_dir=$1
seconds=$2
case $seconds in
  '' | *[!0-9]*) echo "seconds must be a whole number: $seconds" >&2; exit 2 ;;
esac
repo=$(cd "$(dirname "$0")/.." && pwd)

shopt -s nullglob
targets=("$build_dir"/fuzz/*_fuzz)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets in $build_dir/fuzz (configure with -DTOLVAN_FUZZ=ON)" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for target in "${targets[@]}"; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  corpus="$work/$name"
  mkdir -p "$corpus"
  if [ -d "$repo/fuzz/corpus/$name" ]; then
    cp -R "$repo/fuzz/corpus/$name/." "$corpus/"
  fi
  artifacts="$repo/fuzz/artifacts/$name"
  mkdir -p "$artifacts"
  echo "== $name: ${seconds}s"
  if ! ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
      UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
      "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=20 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus"; then
    echo "== $name: FINDING (see $artifacts)" >&2
    status=1
  fi
done
exit $status
