#!/usr/bin/env bash
# End to end on a real X server (Xvfb) with a window manager (openbox): the
# whole program, started the way a user starts it, with a stand-in reader
# running.
#
#   1. a stand-in reader runs, launched from a desktop entry named
#      com.Corvanex.Orvella.desktop, as the desktop would launch the reader;
#   2. orvella-exporter starts with the sample database and asks for leave to
#      quit the reader; Return answers "Continue"; the reader must be gone;
#   3. the export window shows the sample feeds; Ctrl+E exports; the path is
#      typed into the save dialog and Return pressed; the file must hold what
#      the command-line export writes for the same database;
#   3a. the title-bar buttons are coloured in the active window; dragging the
#      bottom-right corner resizes the window, never below its minimum size;
#      a double click on the title strip zooms and restores it; F10 opens the
#      menu, Escape closes it, and the menu button is not left highlighted;
#   3b. WM_CLASS matches the desktop entry; About opens from the menu by the
#      keyboard, transient for the export window, centred on it, without a
#      taskbar entry of its own, and Escape closes it;
#   4. Ctrl+Q quits; about a second later the reader's desktop entry must reach
#      the opener (ORVELLA_OPENER points at a recorder).
#
# Throughout, scripts/a11y-events.py listens on a private AT-SPI bus as a
# screen reader would, and each step checks what it heard: the alert as an
# alert with its message and a focused button, the export window as a frame
# and About as a dialog, each named; a Space on a feed as one "not checked"
# then one "checked" for that row alone, with the new count; and after the
# export the focus on Done, which carries the outcome.
#
# Screenshots of each step land in <build>/screenshots/e2e-*.png.
# BUILD_DIR picks the build folder (default build); E2E_KEEP=1 keeps the work
# folder for inspection.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${BUILD_DIR:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

./scripts/install-deps.sh
./scripts/configure.sh "$build"
cmake --build "$build" --target orvella-exporter orvella_sample_db orvella_stand_in_reader \
  orvella_file_manager_stand_in

work=$(mktemp -d /tmp/orvella-e2e.XXXXXX)
shots="$build/screenshots"
mkdir -p "$shots" "$work/home" "$work/config" "$work/data" "$work/cache" "$work/runtime" \
  "$work/apps" "$work/out"
chmod 700 "$work/runtime"

pids=()
cleanup() {
  local status=$?
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ "${E2E_KEEP:-0}" = 1 ] || [ "$status" -ne 0 ]; then
    echo "work folder kept: $work" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

fail() {
  echo "e2e: FAILED: $*" >&2
  shot failure || true
  exit 1
}
step() { echo "e2e: $*"; }
shot() { import -display "$DISPLAY" -window root "$shots/e2e-$1.png"; }

# shellcheck source=scripts/desktop-session.sh
. "$root/scripts/desktop-session.sh"
private_environment

step "starting Xvfb and openbox"
start_display

step "starting a session bus, the accessibility bus and a screen reader's ears"
# A bus of this run's own; the exporter's accessibility bridge talks to the
# AT-SPI bus it names, and scripts/a11y-events.py writes down every event a
# screen reader acts on.
start_buses
: >"$work/a11y.log"
/usr/bin/python3 "$root/scripts/a11y-events.py" "$work/a11y.log" 2>"$work/a11y.err" &
pids+=($!)
wait_for 10 grep -q '^listening' "$work/a11y.log" || fail "the AT-SPI listener did not start"
# Whether the screen reader heard a line matching the regular expression
# (fields: event, detail, role, name, description, labels; tab-separated).
heard() { grep -qP "$1" "$work/a11y.log"; }
heard_count() { grep -cP "$1" "$work/a11y.log" || true; }
T=$'\t'

step "starting a stand-in reader"
entry="$work/apps/com.Corvanex.Orvella.desktop"
start_stand_in_reader "$build" "$entry"

cat >"$work/opener.sh" <<OPENER
#!/bin/sh
printf '%s' "\$1" > "$work/opened.tmp" && mv "$work/opened.tmp" "$work/opened"
OPENER
chmod +x "$work/opener.sh"
export ORVELLA_OPENER="$work/opener.sh"

step "starting orvella-exporter with the sample database"
"$build/orvella-exporter" --database "$build/sample/Feeds" >"$work/exporter.log" 2>&1 &
exporter=$!
pids+=($exporter)

visible_windows() { xdotool search --onlyvisible --pid "$exporter" 2>/dev/null; }
# The visible window of the exporter with this title (Qt may replace a
# window's X id, so it is looked up again before every use).
window_named() { xdotool search --all --onlyvisible --pid "$exporter" --name "^$1\$" 2>/dev/null | head -n1; }
# Gives window $1 the keyboard focus; keys then go to it through XTEST, as
# from a real keyboard.
activate() {
  local i
  for i in $(seq 50); do
    xdotool windowactivate "$1" 2>/dev/null || true
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
press() { activate "$1" || fail "window $1 did not take the keyboard focus"; xdotool key "$2"; }

wait_for 20 visible_windows || fail "no window appeared (see $work/exporter.log)"
alert=$(visible_windows | head -n1)
[ "$(visible_windows | wc -l)" -eq 1 ] || fail "more than the hand-off alert is on screen"
sleep 0.3
shot 1-handoff-alert
kill -0 "$reader" 2>/dev/null || fail "the reader ended before the user answered"
step "checking a screen reader hears the alert whole, and its buttons"
wait_for 5 heard "^window:activate$T\\d${T}alert${T}Orvella cannot be open during export$T$T.*Click Continue to quit Orvella\\." ||
  fail "the hand-off alert was not announced as an alert with its message"
# Named by its title, with no description: the message is read from its
# label, once, as a stock message box's is.
[ "$(grep -P "^window:activate$T\\d${T}alert$T" "$work/a11y.log" | head -n1 | grep -o 'Click Continue' | wc -l)" -eq 1 ] ||
  fail "the hand-off alert's message would be read more than once"
wait_for 5 heard "^object:state-changed:focused${T}1${T}push button${T}Continue$T" ||
  fail "the alert's Continue button never took the focus"

step "answering Continue"
press "$alert" Return
reader_gone() { ! kill -0 "$reader" 2>/dev/null || grep -q '^State:.*Z' "/proc/$reader/status"; }
wait_for 10 reader_gone || fail "the reader was not quit after Continue"

document_shown() { [ -n "$(window_named 'Orvella Exporter')" ] && ! visible_windows | grep -qx "$alert"; }
wait_for 20 document_shown || fail "the export window did not appear"
sleep 1  # the feeds arrive from the database
shot 2-export-window
wait_for 5 heard "^window:activate$T\\d${T}frame${T}Orvella Exporter$T" ||
  fail "the export window was not announced as a frame named Orvella Exporter"

step "ticking by the keyboard is heard, for that row only"
wait_for 5 heard "^object:state-changed:focused${T}1${T}check box${T}BBC News - Home$T" ||
  fail "the current row was not spoken when the list took the focus"
press "$(window_named 'Orvella Exporter')" space
wait_for 5 heard "^object:state-changed:checked${T}0${T}check box${T}BBC News - Home$T" ||
  fail "unticking a feed was not heard as 'not checked'"
wait_for 5 heard "^object:property-change:accessible-description$T\\d${T}list${T}Feeds${T}44 of 45 selected" ||
  fail "the new count was not told"
xdotool key space
wait_for 5 heard "^object:state-changed:checked${T}1${T}check box${T}BBC News - Home$T" ||
  fail "ticking a feed was not heard as 'checked'"
sleep 0.3
[ "$(heard_count "^object:state-changed:checked$T")" -eq 2 ] ||
  fail "rows that did not change sent checked events: $(grep -P "^object:state-changed:checked$T" "$work/a11y.log" | head -5)"

step "typing a filter, then emptying it with Escape"
press "$(window_named 'Orvella Exporter')" ctrl+f
wait_for 5 heard "^object:state-changed:focused${T}1${T}text${T}Filter feeds$T" ||
  fail "Ctrl+F did not bring the keyboard to the filter field"
xdotool type --delay 30 "blog"
wait_for 5 heard "^object:property-change:accessible-description$T\\d${T}list${T}Feeds${T}45 of 45 selected, 5 shown" ||
  fail "the filter did not leave the five feeds of the sample that name a blog"
sleep 0.3
shot 2a-filtered
xdotool key Escape
wait_for 5 sh -c "tail -n 3 '$work/a11y.log' | grep -qP 'list${T}Feeds${T}45 of 45 selected\$'" ||
  fail "Escape did not empty the filter"

# What the window shows and does under a real window manager.
doc=$(window_named 'Orvella Exporter')
geometry() { xdotool getwindowgeometry --shell "$doc" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr '\n' ' '; }
eval "$(geometry)"
# Waits up to five seconds for the window's geometry to satisfy $1.
until_geometry() {
  local i
  for i in $(seq 50); do
    eval "$(geometry)"
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}
# The colour the screen shows at a point, as "R G B".
pixel() {
  import -display "$DISPLAY" -window root -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | xargs
}
# The close button sits 15 pixels in and 16 down; coloured, it is red, not grey.
step "checking the title-bar buttons are coloured in the active window"
read -r r g _ <<<"$(pixel $((X + 15)) $((Y + 16)))"
((r - g > 80)) || fail "the close button is not coloured at launch (pixel $r $g)"

step "resizing by the bottom-right corner and zooming by a double click"
# Slowly, as a hand moves: the window manager takes the drag over after the press.
drag() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  sleep 0.3
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
  sleep 0.2
  xdotool mousemove "$3" "$4"
  sleep 0.3
  xdotool mouseup 1
}
drag $((X + WIDTH - 3)) $((Y + HEIGHT - 3)) $((X + WIDTH + 80)) $((Y + HEIGHT + 50))
before_w=$WIDTH before_h=$HEIGHT
until_geometry '((WIDTH >= before_w + 60 && HEIGHT >= before_h + 30))' ||
  fail "dragging the corner did not resize (${before_w}x$before_h -> ${WIDTH}x$HEIGHT)"
drag $((X + WIDTH - 3)) $((Y + HEIGHT - 3)) $((X + 40)) $((Y + 40))
until_geometry '((WIDTH < before_w))' || fail "dragging the corner inwards did not shrink the window"
((WIDTH >= 360 && HEIGHT >= 400)) || fail "the window shrank below its minimum (${WIDTH}x$HEIGHT)"
shot 2b-resized
normal_w=$WIDTH
xdotool mousemove $((X + WIDTH / 2)) $((Y + 15)) click --repeat 2 --delay 80 1
until_geometry '((WIDTH > normal_w + 300))' || fail "a double click on the title strip did not zoom (width $WIDTH)"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 15)) click --repeat 2 --delay 80 1
until_geometry '((WIDTH == normal_w))' || fail "a second double click did not restore the size (width $WIDTH)"

step "opening the menu with F10 and closing it with Escape"
# The menu button's face before the menu opens, with the pointer away from it.
menu_x=$((X + WIDTH - 34)) menu_y=$((Y + 7))
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.3
import -display "$DISPLAY" -window root -crop "30x16+$menu_x+$menu_y" "$work/menu-before.png"
windows_before=$(visible_windows | wc -l)
press "$doc" F10
wait_for 5 sh -c "[ \$(xdotool search --onlyvisible --pid $exporter 2>/dev/null | wc -l) -gt $windows_before ]" ||
  fail "F10 did not open the menu"
shot 2c-menu
xdotool key Escape
wait_for 5 sh -c "[ \$(xdotool search --onlyvisible --pid $exporter 2>/dev/null | wc -l) -eq $windows_before ]" ||
  fail "Escape did not close the menu"
# Opened by the mouse, then the pointer leaves while it is open.
xdotool mousemove $((menu_x + 18)) $((menu_y + 8)) click 1
sleep 0.5
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.2
xdotool key Escape
sleep 0.5
import -display "$DISPLAY" -window root -crop "30x16+$menu_x+$menu_y" "$work/menu-after.png"
[ "$(compare -metric AE "$work/menu-before.png" "$work/menu-after.png" null: 2>&1)" = 0 ] ||
  fail "the menu button stayed highlighted after its menu closed"

step "checking the desktop identity and the About window"
doc=$(window_named 'Orvella Exporter')
wm_class=$(xprop -id "$doc" WM_CLASS)
wanted=$(sed -n 's/^StartupWMClass=//p' "$root/resources/desktop/com.Corvanex.OrvellaExporter.desktop")
[[ "$wm_class" == *"\"$wanted\"" ]] ||
  fail "WM_CLASS ($wm_class) does not match the desktop entry's StartupWMClass $wanted"
windows_before=$(visible_windows | sort)
press "$doc" F10
sleep 0.3
xdotool key Down Down Down Down Return  # from Select All: Deselect All, Export…, Compare…, About
about_window() { visible_windows | sort | comm -13 <(echo "$windows_before") - | head -n1; }
about_shown() { [ -n "$(about_window)" ]; }
wait_for 10 about_shown || fail "the menu did not open About"
sleep 0.5
about=$(about_window)
[ -n "$about" ] || fail "the About window did not appear"
shot 2d-about
wait_for 5 heard "^window:activate$T\\d${T}dialog${T}About Orvella Exporter${T}.*Version" ||
  fail "About was not announced as a dialog named as its menu item reads"
transient=$(xprop -id "$about" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*' || true)
[ "$transient" = "$(printf '0x%x' "$doc")" ] ||
  fail "About is not transient for the export window ($transient, export window $(printf '0x%x' "$doc"))"
type_and_state=$(xprop -id "$about" _NET_WM_WINDOW_TYPE _NET_WM_STATE)
[[ "$type_and_state" == *DIALOG* || "$type_and_state" == *SKIP_TASKBAR* ]] ||
  fail "About would get a taskbar entry of its own ($type_and_state)"
eval "$(geometry)"
doc_cx=$((X + WIDTH / 2)) doc_cy=$((Y + HEIGHT / 2))
eval "$(xdotool getwindowgeometry --shell "$about" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
about_cx=$((X + WIDTH / 2)) about_cy=$((Y + HEIGHT / 2))
off_x=$((about_cx - doc_cx)) off_y=$((about_cy - doc_cy))
((${off_x#-} < 12 && ${off_y#-} < 12)) ||
  fail "About is not centred on the export window (about $about_cx,$about_cy; window $doc_cx,$doc_cy)"
press "$about" Escape
wait_for 5 sh -c "! xdotool search --onlyvisible --pid $exporter 2>/dev/null | grep -qx $about" ||
  fail "Escape did not close About"

step "exporting through the save dialog"
press "$(window_named 'Orvella Exporter')" ctrl+e
dialog_shown() { [ -n "$(window_named 'Export Feeds')" ]; }
wait_for 20 dialog_shown || fail "the save dialog did not appear"
dialog=$(window_named 'Export Feeds')
sleep 0.5
shot 3-save-dialog
output="$work/out/My Feeds.opml"
# The file name field has the focus and holds the proposed name.
press "$dialog" ctrl+a
xdotool type --delay 5 "$output"
xdotool key Return
wait_for 20 test -s "$output" || fail "the export did not write $output"
sleep 1  # the completion view slides in
shot 4-export-complete
wait_for 5 heard "^object:state-changed:focused${T}1${T}push button${T}Done${T}Export complete" ||
  fail "after the export the focus did not land on Done with the outcome"

step "Show in Files, by the keyboard, against a file manager on the session bus"
"$build/tests/orvella_file_manager_stand_in" "$work/shown" >"$work/file-manager.out" &
pids+=($!)
wait_for 10 grep -q ready "$work/file-manager.out" || fail "the stand-in file manager did not start"
press "$(window_named 'Orvella Exporter')" shift+Tab
xdotool key shift+Tab
wait_for 5 heard "^object:state-changed:focused${T}1${T}push button${T}Show in Files$T" ||
  fail "Shift+Tab from Done did not reach Show in Files"
# Return presses the focused button, as Space does.
xdotool key Return
wait_for 10 test -s "$work/shown" || fail "Show in Files did not reach the file manager"
[ "$(cat "$work/shown")" = "file://$(sed 's/ /%20/g' <<<"$output")" ] ||
  fail "the file manager was asked to show '$(cat "$work/shown")'"

"$build/orvella-exporter" --database "$build/sample/Feeds" --export "$work/out/cli.opml"
cmp "$output" "$work/out/cli.opml" || fail "the window's export differs from the command line's"

step "quitting"
press "$(window_named 'Orvella Exporter')" ctrl+q
wait_for 10 sh -c "! kill -0 $exporter 2>/dev/null" || fail "the exporter did not quit"
status=0
wait "$exporter" || status=$?
[ "$status" -eq 0 ] || fail "the exporter ended with status $status"

step "waiting for the reader to be opened again"
wait_for 10 test -f "$work/opened" || fail "the reader was not opened again after quitting"
[ "$(cat "$work/opened")" = "$entry" ] || fail "the opener got '$(cat "$work/opened")'"

echo "e2e: passed; screenshots in $shots/e2e-*.png"
