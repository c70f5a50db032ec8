# Sourced by scripts/e2e.sh and scripts/speech.sh: a private desktop session
# to run the program in as a user would, on Xvfb with openbox, a session bus
# and the accessibility bus, beside a stand-in reader. The caller sets `work`
# (a folder with home, config, data, cache and runtime in it), keeps in
# `pids` what is to be ended, and defines `fail MESSAGE`.

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# No real settings, no real reader data, no real bus.
private_environment() {
  export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
  export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
  unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY FLATPAK_ID GIO_LAUNCHED_DESKTOP_FILE \
    GIO_LAUNCHED_DESKTOP_FILE_PID BAMF_DESKTOP_FILE_HINT
  export QT_QPA_PLATFORM=xcb QT_LOGGING_RULES='qt.qpa.*=false'
  export ORVELLA_INTERFACE_STYLE=Light
}

# Xvfb on a display of its own choosing, and openbox managing it.
start_display() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
  wait_for 10 test -s "$work/display" || fail "Xvfb did not start (see $work/xvfb.log)"
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not start"
}

# A session bus of this run's own, and the AT-SPI bus that the program's
# accessibility bridge talks to.
start_buses() {
  eval "$(dbus-launch --sh-syntax)"
  pids+=("$DBUS_SESSION_BUS_PID")
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
  pids+=($!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# start_stand_in_reader BUILD ENTRY: the stand-in reader, launched as the
# desktop launches the reader from its entry ENTRY (written here); `reader`
# is its process.
start_stand_in_reader() {
  printf '[Desktop Entry]\nType=Application\nName=Orvella\nExec=false\n' >"$2"
  mkfifo "$work/reader-stdin"
  GIO_LAUNCHED_DESKTOP_FILE="$2" "$1/tests/orvella_stand_in_reader" \
    <"$work/reader-stdin" >"$work/reader.out" &
  reader=$!
  pids+=($reader)
  disown "$reader"            # its forced end is the point, not a job to report
  exec 4>"$work/reader-stdin" # keeps the reader waiting until it is killed
  wait_for 10 grep -q ready "$work/reader.out" || fail "the stand-in reader did not start"
}
