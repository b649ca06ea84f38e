#!/bin/sh
# A user's first gesture in a freshly opened chorus editor, through the X server as a host sees it:
# the pointer goes straight to voice 1's delay bar and drags it upwards (no click before it), the
# editor closes, and the state the host saves must hold the new delay.
#   drag_value_bar.sh TOLVAN_HOST PLUGIN CHUNK_OUT   (run under an X server: run_on_display.sh)
set -u
host=$1 plugin=$2 chunk=$3
rm -f "$chunk"
. "$(dirname "$0")/start_editor.sh"
start_editor --no-audio --close-after 4000 --save-chunk "$chunk"
# The delay row of the first voice column (the editor's layout at its default size).
xdotool mousemove --window "$window" 175 173 mousedown 1
for step in $(seq 1 20); do
    xdotool mousemove --window "$window" 175 $((173 - 3 * step))
    sleep 0.03
done
xdotool mouseup 1
wait "$pid" || exit 1
delay=$("$host" preset "$chunk" | grep -A2 "Del1 null" | sed -n 's/.*Valu float //p')
echo "voice 1's delay after the drag: $delay ms"
# 60 px of 307 upwards from 15 ms lands well above 20 ms.
awk -v d="$delay" 'BEGIN { exit !(d > 20) }'
