#!/usr/bin/env bash
# Makes a fresh demo program folder: the demo host database and ID file, the service stand-in
# started on a free port of 127.0.0.1 with waiting demo payments, and the demo login stored in the
# folder's own settings file. Source it: it sets DEMO, XDG_CONFIG_HOME and SIM_PID, and stops the
# stand-in when the calling script exits.
# usage: source scripts/demo-folder.sh BUILD_DIR DEMO_DIR
build=$1
DEMO=$(realpath -m "$2")
rm -rf "$DEMO"
mkdir -p "$DEMO"
export XDG_CONFIG_HOME="$DEMO/config"
"$build/bin/tallyport-cli" --folder "$DEMO" init-db --demo

"$build/bin/pelwin-sim" --port 0 --user demo --password demo-secret \
  --payments "$(dirname "${BASH_SOURCE[0]}")/demo-payments.txt" > "$DEMO/pelwin-sim.log" 2>&1 &
SIM_PID=$!
trap 'kill $SIM_PID 2>/dev/null' EXIT
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$DEMO/pelwin-sim.log")
  [ -n "$port" ] && break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "The service stand-in did not start:" >&2
  cat "$DEMO/pelwin-sim.log" >&2
  exit 1
fi
"$build/bin/tallyport-cli" --folder "$DEMO" login demo demo-secret "http://127.0.0.1:$port/integration/upload.php"
echo "Service stand-in listening on 127.0.0.1:$port (its log: $DEMO/pelwin-sim.log)"
