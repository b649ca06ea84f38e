#!/usr/bin/env bash
# Mutation check (manual, not part of CI): applies each fault of faults.txt, one at a time, to a
# scratch copy of this checkout, builds that copy incrementally and runs the test suite on it. A
# fault that some test fails on (or that hangs past the time limit) is caught; one that leaves
# every test passing is missed. The checkout itself is never changed.
#
#   tests/mutation/run.sh [SCRATCH_DIR] [NAME_PATTERN]
#   tests/mutation/run.sh --check     (only checks that every find text occurs once; no build)
#
# SCRATCH_DIR (default /tmp/tolvan-mutation) keeps its copy and build between runs, so a second
# run only rebuilds what changed. NAME_PATTERN (an extended regular expression) picks faults by
# name. TOLVAN_MUTANT_SECONDS bounds the tests of one fault (default 300).
set -euo pipefail

check_only=
if [ "${1:-}" = --check ]; then check_only=1; shift; fi
source_root=$(cd "$(dirname "$0")/../.." && pwd)
faults=$source_root/tests/mutation/faults.txt
scratch=${1:-/tmp/tolvan-mutation}
pattern=${2:-.}
limit=${TOLVAN_MUTANT_SECONDS:-300}
if [ -z "$check_only" ]; then
  mkdir -p "$scratch"
  scratch=$(cd "$scratch" && pwd)
  [ "$scratch" != "$source_root" ] || { echo "The scratch copy must not be the checkout." >&2; exit 2; }
fi

# Fault records: "name:", "file:", "find:", "put:", "why:" lines, a blank line between records.
# In find and put texts "\n" stands for a line break.
names=() files=() finds=() puts=() whys=()
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
  name:\ *) names+=("${line#name: }") ;;
  file:\ *) files+=("${line#file: }") ;;
  find:\ *) finds+=("${line#find: }") ;;
  put:\ * | put:) puts+=("${line#put:}") ;;
  why:\ *) whys+=("${line#why: }") ;;
  '' | '#'*) ;;
  *) echo "faults.txt: unexpected line: $line" >&2; exit 2 ;;
  esac
done <"$faults"
count=${#names[@]}
for list in files finds puts whys; do
  declare -n entries=$list
  [ "${#entries[@]}" -eq "$count" ] || { echo "faults.txt: a record lacks a $list line" >&2; exit 2; }
done

# Replaces the one occurrence of each find text in its file (arguments: triples of file, find,
# put). Exits 3 when a text is missing or ambiguous, so the list cannot drift away from the code
# unnoticed; with --check first it only checks.
substitute() {
  python3 - "$@" <<'EOF'
import sys
args = sys.argv[1:]
check = args[:1] == ["--check"]
args = args[1:] if check else args
for path, find, put in zip(args[0::3], args[1::3], args[2::3]):
    find, put = find.replace("\\n", "\n"), put.replace("\\n", "\n")
    put = put[1:] if put.startswith(" ") else put
    text = open(path, encoding="utf-8").read()
    if text.count(find) != 1:
        print(f"{path}: search text found {text.count(find)} times: {find!r}", file=sys.stderr)
        sys.exit(3)
    if not check:
        open(path, "w", encoding="utf-8").write(text.replace(find, put))
EOF
}

# Every fault must apply to the checkout before any time is spent building.
triples=()
for ((i = 0; i < count; ++i)); do
  triples+=("$source_root/${files[i]}" "${finds[i]}" "${puts[i]}")
done
substitute --check "${triples[@]}"
if [ -n "$check_only" ]; then echo "$count faults; every find text occurs once."; exit 0; fi

# Brings the scratch copy up to date, touching only files whose content differs, so that the
# build there stays incremental.
list_files() { (cd "$1" && find . \( -path ./.git -o -path './build*' -o -path ./out \) -prune -o -type f -print | sort); }
comm -13 <(list_files "$source_root") <(list_files "$scratch") | (cd "$scratch" && xargs -r rm -f)
list_files "$source_root" | while IFS= read -r path; do
  if ! cmp -s "$source_root/$path" "$scratch/$path"; then
    mkdir -p "$(dirname "$scratch/$path")"
    cp "$source_root/$path" "$scratch/$path"
  fi
done

build() { cmake --build "$scratch/build" -j2 >"$scratch/build.log" 2>&1; }
run_tests() {
  timeout "$limit" ctest --test-dir "$scratch/build" -j2 --stop-on-failure --timeout 120 \
    >"$scratch/test.log" 2>&1
}
first_failure() {
  sed -n '/tests FAILED:/,$p' "$scratch/test.log" | sed -n '2{s/^[[:space:]]*[0-9]* - //;s/ (.*//;p}'
}

if [ ! -f "$scratch/build/build.ninja" ]; then
  cmake -S "$scratch" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVAN_WERROR=ON >/dev/null
fi
build || { echo "The unchanged copy does not build; see $scratch/build.log" >&2; exit 1; }
run_tests || { echo "The unchanged suite fails; see $scratch/test.log" >&2; exit 1; }
echo "Unchanged suite passes. $count faults; $(date -u +%H:%M:%S)"

caught=0 missed=0 tried=0 broken=()
for ((i = 0; i < count; ++i)); do
  [[ ${names[i]} =~ $pattern ]] || continue
  target=$scratch/${files[i]}
  original=$(mktemp)
  cp "$target" "$original"
  substitute "$target" "${finds[i]}" "${puts[i]}"
  started=$SECONDS
  if ! build; then
    result="BROKEN (does not build)"
    broken+=("${names[i]}")
  elif run_tests; then
    result="missed"
    missed=$((missed + 1))
  else
    status=$?
    by=$(first_failure)
    [ "$status" -eq 124 ] && by="time limit"
    result="caught (${by:-see test log})"
    caught=$((caught + 1))
  fi
  tried=$((tried + 1))
  # Content back, with a new time stamp: the next build recompiles the restored file.
  cat "$original" >"$target"
  rm -f "$original"
  printf '%-34s %-48s %4ss  %s\n' "${names[i]}" "$result" $((SECONDS - started)) "${whys[i]}"
done
build || true
echo "Caught $caught of $tried faults ($missed missed)."
if ((${#broken[@]})); then
  echo "Faults that do not build (fix them in faults.txt): ${broken[*]}" >&2
  exit 1
fi
