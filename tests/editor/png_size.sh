#!/bin/sh
# Runs a command that is to write a PNG, then checks that the file is there with the given size
# (read from its header).
# usage: png_size.sh FILE WIDTH HEIGHT COMMAND...
file=$1
width=$2
height=$3
shift 3
rm -f "$file"
"$@" || exit 1
if [ ! -f "$file" ]; then
    echo "no picture written: $file"
    exit 1
fi
# shellcheck disable=SC2046
set -- $(od -An -tu1 -j16 -N8 "$file")
found_width=$(( $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 ))
found_height=$(( $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 ))
if [ "$found_width" -ne "$width" ] || [ "$found_height" -ne "$height" ]; then
    echo "picture is $found_width x $found_height, expected $width x $height"
    exit 1
fi
