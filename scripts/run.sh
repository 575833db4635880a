#!/usr/bin/env bash
# The main job: builds the project, makes a demo program folder with the service stand-in running
# on 127.0.0.1 and the demo login stored, and starts the desktop program on it. Without a display
# it says so and runs the same job through tallyport-cli: upload everything, then list the
# exchange files and show the payments that came back.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target tallyport tallyport-cli pelwin-sim quenta

source scripts/demo-folder.sh build demo

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting the desktop program on $DEMO"
  build/bin/tallyport --folder "$DEMO"
else
  echo "No display is available: running the main job with tallyport-cli on $DEMO instead."
  cli() { build/bin/tallyport-cli --folder "$DEMO" "$@"; }
  cli upload-all
  cli files
  echo "--- the payments that came back with the upload (exchange file 4):"
  cli show 4
fi
