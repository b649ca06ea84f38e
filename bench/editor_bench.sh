#!/bin/sh
# The editor's figures through the plug-in's interface, on a private Xvfb server: open to first
# paint, idle and full repaint times, 100 open/close cycles (resident memory, X windows left) and a
# 10 s drag with audio running (silenced blocks). Runs from the checkout's root or anywhere with
# TOLVAN_HOST set.
#   bench/editor_bench.sh [PLUGIN.so] [--drag X,Y]
# Without PLUGIN the build's chorus plug-in is used; --drag puts the dragged point on a value bar.
set -eu
host=${TOLVAN_HOST:-build/tools/host/tolvan-host}
if [ ! -x "$host" ]; then
    echo "editor_bench: no $host (build the tolvan-host target, or set TOLVAN_HOST)" >&2
    exit 1
fi
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "editor_bench: needs xvfb-run (package xvfb)" >&2
    exit 1
fi
exec xvfb-run -a -s "-screen 0 1600x1200x24" "$host" gui --measure "$@"
