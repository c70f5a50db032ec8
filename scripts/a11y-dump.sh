#!/usr/bin/env bash
# Starts orvella-exporter with the sample database on a virtual display
# (Xvfb, openbox) with a private session bus and AT-SPI bus, and prints what a
# screen reader finds in its window (scripts/a11y-dump.py). Extra arguments go
# to the exporter. BUILD_DIR picks the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"

./scripts/install-deps.sh
cmake --build "$build" --target orvella-exporter orvella_sample_db >/dev/null

if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${ORVELLA_A11Y_INNER:-}" ]; then
  export ORVELLA_A11Y_INNER=1
  exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d /tmp/orvella-a11y.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES='qt.qpa.*=false'
"$build/orvella-exporter" --database "$build/sample/Feeds" "$@" >"$work/exporter.log" 2>&1 &
pids+=($!)
sleep 2  # the window appears and reads its feeds
/usr/bin/python3 scripts/a11y-dump.py --wait 15
