#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the plug-in, loaded by the command-line
# host, renders the embedded demo chord into out/tolvan-chorus-demo.wav.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVAN_WERROR=ON
cmake --build build -j"$(nproc)"
mkdir -p out
./build/tools/host/tolvan-host info
./build/tools/host/tolvan-host render --out out/tolvan-chorus-demo.wav
echo "Wrote out/tolvan-chorus-demo.wav"
