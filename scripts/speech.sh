#!/usr/bin/env bash
# What a screen reader says at every step of a whole export, recorded: Orca
# runs on Xvfb with openbox and speaks through speech-dispatcher, whose one
# output module writes each utterance to a file instead of a sound card. Each
# step's words are checked against what it must say, and the table of steps
# and words lands in <build>/speech/speech.md.
#
# Skips, saying why, where Orca or speech-dispatcher cannot run.
# BUILD_DIR picks the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${BUILD_DIR:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

./scripts/install-deps.sh
for tool in orca speech-dispatcher Xvfb openbox xdotool xprop dbus-launch; do
  command -v "$tool" >/dev/null || { echo "speech: skipped: $tool is not installed" >&2; exit 0; }
done
./scripts/configure.sh "$build"
cmake --build "$build" --target orvella-exporter orvella_sample_db orvella_stand_in_reader

work=$(mktemp -d /tmp/orvella-speech.XXXXXX)
mkdir -p "$work/home" "$work/config/speech-dispatcher/modules" "$work/data" "$work/cache" \
  "$work/runtime" "$work/out" "$build/speech"
chmod 700 "$work/runtime"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # speech-dispatcher is started by Orca and outlives it.
  pkill -f "speech-dispatcher.*$work" 2>/dev/null || true
  wait 2>/dev/null || true
  [ "${SPEECH_KEEP:-0}" = 1 ] || rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "speech: FAILED: $*" >&2
  cp "$work/spoken.txt" "$build/speech/spoken-failed.txt" 2>/dev/null || true
  exit 1
}
# shellcheck source=scripts/desktop-session.sh
. "$root/scripts/desktop-session.sh"
private_environment
export LANG=C.UTF-8

# Every utterance, one per line, in the file the steps read.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AddModule "recorder" "sd_generic" "recorder.conf"
DefaultModule recorder
AudioOutputMethod "alsa"
CONF
# The module opens a sound device, though it plays nothing: ALSA's null one.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/recorder.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\"\\\$DATA\\" >> $work/spoken.txt"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "default"
CONF
: >"$work/spoken.txt"

start_display
start_buses
sleep 1
# Orca writes its debug log through an 8 KiB buffer, so the utterances of the
# last step can still be in it when a step falls back on the log (below):
# Orca runs with that one file opened line by line.
orca_path=$(command -v orca)
orca_python=$(sed -n '1s/^#! *//p' "$orca_path")
${orca_python:-python3} - "$work/orca.log" "$orca_path" --disable braille --debug-file="$work/orca.log" \
  >"$work/orca.out" 2>&1 <<'PY' &
import builtins, runpy, sys
log, orca = sys.argv[1], sys.argv[2]
real_open = builtins.open
def open_line_buffered(file, mode="r", buffering=-1, *rest, **named):
    return real_open(file, mode, 1 if file == log else buffering, *rest, **named)
builtins.open = open_line_buffered
sys.argv = ["orca"] + sys.argv[3:]
runpy.run_path(orca, run_name="__main__")
PY
pids+=($!)
wait_for 20 grep -q "Screen reader on" "$work/spoken.txt" ||
  { echo "speech: skipped: Orca did not speak on this display ($(tail -n1 "$work/orca.out"))" >&2; exit 0; }

start_stand_in_reader "$build" "$work/com.Corvanex.Orvella.desktop"
printf '#!/bin/sh\n' >"$work/opener.sh" && chmod +x "$work/opener.sh"
export ORVELLA_OPENER="$work/opener.sh"

launched=$(wc -l <"$work/spoken.txt")
"$build/orvella-exporter" --database "$build/sample/Feeds" >"$work/exporter.log" 2>&1 &
exporter=$!
pids+=($exporter)
window_named() { xdotool search --all --onlyvisible --pid "$exporter" --name "^$1\$" 2>/dev/null | head -n1; }

table="$build/speech/speech.md"
printf '| Step | Heard |\n|---|---|\n' >"$table"
# step NAME REGEX [KEYS...]: presses the keys, waits for the speech to settle,
# and checks that what was said since matches REGEX (lines joined by " / ",
# full stops left out).
step() {
  local name=$1 wanted=$2
  shift 2
  # What was said from the keys on; FROM=N starts at line N instead.
  local from=${FROM:-$(wc -l <"$work/spoken.txt")}
  local orca_from from_log=""
  orca_from=$(wc -l <"$work/orca.log")
  local key
  for key in "$@"; do
    if [[ "$key" == type:* ]]; then xdotool type --delay 120 "${key#type:}"; else xdotool key "$key"; fi
    sleep 0.2
  done
  # Waits up to ten seconds for the words, then until nothing new comes for a
  # second (the filter's count comes half a second after the last letter).
  local said="" size=-1 deadline=$((SECONDS + 10))
  heard_since() {
    tail -n +"$((from + 1))" "$work/spoken.txt" | sed 's/^ *//; s/ *$//' | paste -sd'/' | sed 's|/| / |g'
  }
  # Matched without the full stops Orca ends its phrases with.
  until said=$(heard_since) && grep -qP -- "$wanted" <<<"${said//./}"; do
    ((SECONDS < deadline)) || break
    sleep 0.2
  done
  while [ "$size" != "$(wc -l <"$work/spoken.txt")" ]; do
    size=$(wc -l <"$work/spoken.txt")
    sleep 1
  done
  said=$(heard_since)
  # speech-dispatcher now and then drops an utterance that Orca handed it
  # (seen with a long one that follows another at once); what Orca said is
  # then taken from its own log of the speech it sent.
  if ! grep -qP -- "$wanted" <<<"${said//./}"; then
    local sent
    sent=$(tail -n +"$((orca_from + 1))" "$work/orca.log" |
      perl -0ne 'while (/SPEECH OUTPUT: \x27(.*?)\x27\s*\{/sg) { my $t = $1; $t =~ s/\n\s*/\n/g; print "$t\n" }' |
      sed 's/^ *//; s/ *$//' | paste -sd'/' | sed 's|/| / |g')
    grep -qP -- "$wanted" <<<"${sent//./}" && said=$sent && from_log=" (from Orca's log)"
  fi
  printf '| %s | %s%s |\n' "$name" "${said//|/\\|}" "$from_log" >>"$table"
  echo "speech: $name: $said$from_log"
  grep -qP -- "$wanted" <<<"${said//./}" || fail "$name: wanted /$wanted/, heard: $said"
}

wait_for 20 sh -c "xdotool search --onlyvisible --pid $exporter" || fail "no window appeared"
FROM=$launched step "the hand-off alert appears" "alert Orvella cannot be open during export / Click Continue.* / Continue push button$"
step "Return answers Continue" "Orvella Exporter frame / Feeds / list / BBC News - Home check box checked" Return
step "Ctrl+F" "Filter feeds text" ctrl+f
step "typing \"blog\"" "^b / l / o / g / notification 45 of 45 selected, 5 shown" type:blog
step "typing \"zz\"" "notification No feed matches “blogzz”" type:zz
step "Escape" "notification All feeds are shown again / 45 of 45 selected" Escape
step "Tab into the list" "Feeds / list / BBC News - Home check box checked / 1 of 45" Tab
step "Down" "^The Guardian check box checked / 2 of 45$" Down
step "Space" "not checked" space
step "KP_Enter, where am I" "The Guardian check box not checked.* / 2 of 45$" KP_Enter
step "Ctrl+Shift+A" "notification 0 of 45 selected" ctrl+shift+a
step "Ctrl+E with nothing ticked" "notification Tick at least one feed to export" ctrl+e
step "Ctrl+A" "notification 45 of 45 selected" ctrl+a
step "F10" "^F10 / Select All$|^Select All$" F10
step "Down in the menu" "^Deselect All$" Down
step "Escape closes the menu" "Orvella Exporter frame / Feeds / list" Escape
step "Ctrl+E" "Export Feeds dialog" ctrl+e
wait_for 20 sh -c "xdotool search --all --onlyvisible --pid $exporter --name '^Export Feeds\$'" ||
  fail "the save dialog did not appear"
dialog=$(window_named 'Export Feeds')
# The keys go to the dialog once it holds the keyboard.
for _ in $(seq 50); do
  xdotool windowactivate "$dialog" 2>/dev/null || true
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$dialog" ] && break
  sleep 0.1
done
sleep 0.5
# Into the dialog's folder, the home folder: a short name, typed as a person
# would. Return waits until its letters have been echoed; a key that Orca is
# still echoing when the dialog closes makes it take the next focus silently.
step "typing the file name" "e / d / s / dot / o / p / m / l$" ctrl+a type:Feeds.opml
step "Return in the save dialog" "Done push button / Export complete / 45 feeds written to Feedsopml and checked" Return
[ -s "$HOME/Feeds.opml" ] || fail "the export wrote no file"
step "Ctrl+Q" "." ctrl+q
echo "speech: every step was heard; the table is in $table"
