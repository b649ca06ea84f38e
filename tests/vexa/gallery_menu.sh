#!/bin/sh
# Runs on a display (run_on_display.sh): opens the gallery, drops its menu down with a click, picks
# an item of the submenu with the keyboard, then uses a shortcut with the menu closed, and checks
# that the gallery reported both choices. Skips (77) without xdotool.
gallery=$1
command -v xdotool >/dev/null 2>&1 || { echo "no xdotool: skipped"; exit 77; }
out=$(mktemp)
"$gallery" >"$out" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -f "$out"' EXIT
window=""
for _ in 1 2 3 4 5 6 7 8 9 10; do
    window=$(xdotool search --name "Vexa gallery" 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.3
done
[ -n "$window" ] || { echo "the gallery's window did not appear"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
# The menu card sits at (592, 464) of the window, its button at (16, 40) inside the card.
xdotool mousemove $((X + 700)) $((Y + 500)) click 1
# A loaded machine may take a moment to map the menu and take the keyboard.
sleep 1
xdotool key Down Down Down Down Right Down Return
sleep 0.5
xdotool key ctrl+shift+s
sleep 0.3
kill $pid
wait $pid 2>/dev/null
expected="menu: Wide Shimmer
menu: Save as..."
if [ "$(cat "$out")" != "$expected" ]; then
    echo "expected:"; echo "$expected"; echo "got:"; cat "$out"
    exit 1
fi
echo "the gallery reported: $(tr '\n' ';' <"$out")"
