#!/bin/sh
# A musician's first modulation, through the X server as a host sees it: the modulation editor's
# "Menu..." appends an LFO (keys through the menus), "+" gives it an entry, the entry's target
# drop-down chooses "Wet" by its first letter; the state the host saves afterwards must hold the
# LFO and its entry aimed at the wet level.
#   add_lfo_from_menu.sh TOLVAN_HOST PLUGIN CHUNK_OUT   (run under an X server: run_on_display.sh)
set -u
host=$1 plugin=$2 chunk=$3
rm -f "$chunk"
. "$(dirname "$0")/start_editor.sh"
start_editor --no-audio --close-after 6000 --save-chunk "$chunk"
# Where the editor's layout puts them at its default size: the modulation "Menu...", then the
# new panel's "+", then the first entry's target drop-down.
xdotool mousemove --window "$window" 286 390 click 1
sleep 0.4
xdotool key Down Return # "Append" opens
sleep 0.3
xdotool key Down Return # "LFO"
sleep 0.6
xdotool mousemove --window "$window" 886 430 click 1
sleep 0.6
xdotool mousemove --window "$window" 290 615 click 1
sleep 0.6
xdotool key w
sleep 0.3
xdotool key Return
wait "$pid" || exit 1
state=$("$host" preset "$chunk")
# An LFO is stored with type 2; "Wet " is 544499031 as a 32-bit identifier.
echo "$state" | grep -q "Type uint32 2" || { echo "no LFO in the saved state"; exit 1; }
echo "$state" | grep -q "1 uint32 544499031" || { echo "no entry aimed at Wet"; exit 1; }
echo "the saved state holds the LFO and its entry on Wet"
