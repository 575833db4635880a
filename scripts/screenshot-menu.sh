#!/usr/bin/env bash
# Takes a picture of the main menu in a real window under Xvfb, on a demo folder.
# usage: scripts/screenshot-menu.sh [OUT.png]   (default: build/main-menu.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/main-menu.png}")
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tallyport tallyport-cli pelwin-sim quenta
source scripts/demo-folder.sh build build/screenshot-demo
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/tallyport --folder "$DEMO" --screenshot "$out"
echo "Saved $out"
