#!/bin/sh
# The gallery's open-file dialog driven to a file with the keyboard alone, under Xvfb: down the
# listing into a folder, back up with Backspace, a first letter, then Enter.
# Usage: file_dialog_keyboard.sh VEXA_GALLERY   (77 = skipped: no xvfb-run or xdotool)
gallery=$1
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    echo "no xvfb-run or xdotool: skipped"
    exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/Factory"
for name in "Airy Doubler" "Tape Wobble" "Warm Ensemble" "Factory/Classic"; do
    echo x > "$folder/$name.preset"
done
script=$folder/drive.sh
cat > "$script" <<SCRIPT
#!/bin/sh
"$gallery" --file-dialog "$folder" > "$folder/out" 2>&1 &
pid=\$!
sleep 2
xdotool key Down Return
sleep 0.3
xdotool key BackSpace
sleep 0.3
xdotool key t Return
sleep 1
kill \$pid 2>/dev/null
wait \$pid
SCRIPT
timeout 60 xvfb-run -a -s "-screen 0 1600x1200x24" sh "$script"
cat "$folder/out"
grep -qx "chosen: $folder/Tape Wobble.preset" "$folder/out"
