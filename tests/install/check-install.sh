#!/usr/bin/env bash
# Installs the build, or unpacks its Debian package, into temporary roots and
# checks what landed there.
# Usage: check-install.sh CMAKE BUILD_DIR SAMPLE_DATABASE VERSION
#        check-install.sh --deb PACKAGE SAMPLE_DATABASE VERSION
# The second form also checks the package's control fields and runs lintian,
# which must report no error and no warning.
set -uo pipefail
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every file of the tree under $1 (a prefix's folder), and nothing else.
check_files() {
  local root=$1 where=$2 module expected actual size
  # The window's module, in the library folder that GNUInstallDirs chose.
  module=$(cd "$root" && find lib* -path '*/orvella-exporter/orvella-exporter-window.so' 2>/dev/null)
  [ -n "$module" ] || fail "the window's module is not installed under $where/lib"
  expected="bin/orvella-exporter
$module
lib/systemd/user/orvella-exporter-backup-failure.service
lib/systemd/user/orvella-exporter-backup.service
lib/systemd/user/orvella-exporter-backup.timer
share/applications/com.Corvanex.OrvellaExporter.desktop
share/doc/orvella-exporter/changelog.gz
share/doc/orvella-exporter/copyright"
  for size in 128 16 24 256 32 48 512 64; do
    expected+="
share/icons/hicolor/${size}x${size}/apps/com.Corvanex.OrvellaExporter.png"
  done
  expected+="
share/icons/hicolor/scalable/apps/com.Corvanex.OrvellaExporter.svg
share/icons/hicolor/symbolic/apps/com.Corvanex.OrvellaExporter-symbolic.svg
share/man/man1/orvella-exporter.1.gz
share/metainfo/com.corvanex.orvellaexporter.metainfo.xml"
  expected=$(LC_ALL=C sort <<<"$expected")
  actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
  if [ "$actual" != "$expected" ]; then
    fail "installed files under $where differ from the expected list:"
    diff <(echo "$expected") <(echo "$actual") >&2
  fi
  [ -x "$root/bin/orvella-exporter" ] || fail "$where/bin/orvella-exporter is not executable"
}

if [ "$1" = --deb ]; then
  deb=$2 sample=$3 version=$4
  root="$work/root/usr"
  mkdir -p "$work/root"
  dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb cannot unpack $deb"
  check_files "$root" "the package's /usr"
  [ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "the package is not version $version"
  for field in Depends Section Maintainer Description; do
    [ -n "$(dpkg-deb --field "$deb" "$field")" ] || fail "the package has no $field field"
  done
  # Debian's own verdict; informational tags do not count.
  lintian --fail-on error,warning "$deb" \
    >"$work/lintian" 2>&1 || fail "lintian: $(cat "$work/lintian")"
  cat "$work/lintian"
else
  cmake=$1 build=$2 sample=$3 version=$4
  # Under three prefixes, one with a space; DESTDIR as a packager uses it.
  for prefix in /usr /opt/orvella-exporter "/opt/orvella exporter"; do
    if ! DESTDIR="$work/root" "$cmake" --install "$build" --prefix "$prefix" >"$work/log" 2>&1; then
      fail "cmake --install --prefix $prefix failed:"; cat "$work/log" >&2; continue
    fi
    check_files "$work/root$prefix" "$prefix"
  done
  root="$work/root/usr"
fi

share="$root/share"
desktop="$share/applications/com.Corvanex.OrvellaExporter.desktop"
metainfo="$share/metainfo/com.corvanex.orvellaexporter.metainfo.xml"
man_page="$share/man/man1/orvella-exporter.1.gz"

# The desktop's validators accept the entry and the metadata, even pedantic
# AppStream (which also holds the metadata's file name to its id).
desktop-file-validate "$desktop" >&2 || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate-tree --pedantic --no-net "$root" >"$work/appstream" 2>&1 ||
  fail "appstreamcli rejects the installed tree: $(cat "$work/appstream")"

# The entry starts the installed program by name and shows the installed icon.
entry_value() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry_value Exec)" = orvella-exporter ] || fail "Exec= does not run orvella-exporter"
icon=$(entry_value Icon)
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon= names no installed icon"
# Each PNG has the size its folder says.
for png in "$share"/icons/hicolor/*x*/apps/"$icon".png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  file -b "$png" | grep -q "^PNG image data, ${size%x*} x ${size#*x}," ||
    fail "$png is not a ${size} PNG: $(file -b "$png")"
done

# The copyright file is Debian's machine-readable format and names the licence
# that the metadata names; the changelog's newest entry is this version.
copyright="$share/doc/orvella-exporter/copyright"
head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
licence=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$metainfo")
[ -n "$licence" ] && grep -qx "License: $licence" "$copyright" ||
  fail "the copyright file does not name the metadata's licence ($licence)"
gzip -dc "$share/doc/orvella-exporter/changelog.gz" >"$work/changelog" ||
  fail "changelog.gz is not gzip"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version 2>&1)" = "$version" ] ||
  fail "the changelog's newest entry is not version $version"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata lacks release $version"
grep -q '<binary>orvella-exporter</binary>' "$metainfo" || fail "the metadata lacks the binary"

# The manual page renders without warnings and covers every option, the exit
# statuses and the environment.
if ! page=$(LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -l "$man_page" 2>"$work/man-warnings"); then
  fail "man -l cannot render the manual page"
fi
[ -s "$work/man-warnings" ] && fail "man -l warns: $(cat "$work/man-warnings")"
for word in --database --export --list --check --backup --keep --help --version "EXIT STATUS" \
  orvella-exporter-backup.timer ORVELLA_OPENER \
  ORVELLA_INTERFACE_STYLE XDG_DATA_HOME Documents/Feeds; do
  grep -qF -- "$word" <<<"$page" || fail "the manual page does not mention $word"
done

# The installed program exports every feed of the sample database.
out="$work/My Feeds.opml"
if "$root/bin/orvella-exporter" --database "$sample" --export "$out" 2>"$work/stderr"; then
  feeds=$(sqlite3 "$sample" 'SELECT count(*) FROM FEEDS')
  outlines=$(grep -o '<outline ' "$out" | wc -l)
  [ "$outlines" -eq "$feeds" ] || fail "exported $outlines outlines for $feeds feeds"
  grep -q '<opml version="1.0">' "$out" || fail "the export is no OPML 1.0 document"
else
  fail "the installed program failed to export: $(cat "$work/stderr")"
fi
# The backup units: systemd's own check (on a copy of the service that runs
# the unpacked program, which is not at its installed place on this
# machine), and the service's command run as the user manager would run it,
# with a documents folder that user-dirs.dirs names.
# The program a unit's ExecStart= runs, and its arguments: the program's
# name is quoted, as an install prefix may hold a space.
unit_program() { sed -n 's/^ExecStart="\([^"]*\)".*/\1/p' "$1"; }
unit_arguments() { sed -n 's/^ExecStart="[^"]*" *//p' "$1"; }
units="$root/lib/systemd/user"
service="$units/orvella-exporter-backup.service"
failure="$units/orvella-exporter-backup-failure.service"
timer="$units/orvella-exporter-backup.timer"
for unit in "$service" "$failure"; do
  [ "$(unit_program "$unit")" = /usr/bin/orvella-exporter ] ||
    fail "$(basename "$unit") runs $(unit_program "$unit"), not /usr/bin/orvella-exporter"
done
grep -qx 'OnFailure=orvella-exporter-backup-failure.service' "$service" ||
  fail "a failed backup is not told: the service has no OnFailure= unit"
[ "$(unit_arguments "$failure")" = --notify-backup-failure ] ||
  fail "the failure unit does not run --notify-backup-failure"
grep -qx 'Persistent=true' "$timer" || fail "the backup timer is not persistent"
grep -qx 'OnCalendar=daily' "$timer" || fail "the backup timer does not run daily"
if command -v systemd-analyze >/dev/null; then
  # Each set of units as systemd reads them, running the unpacked program
  # (which is not at its installed place on this machine); once from a
  # prefix with a space, where it was installed there.
  verify_units() {
    local units=$1 program=$2 name=verify$3
    mkdir -p "$work/$name" "$work/runtime" && chmod 700 "$work/runtime"
    for unit in "$units"/*.service; do
      sed "s|^ExecStart=\"[^\"]*\"|ExecStart=\"$program\"|" "$unit" >"$work/$name/$(basename "$unit")"
    done
    cp "$units"/*.timer "$work/$name/"
    (cd "$work/$name" && XDG_RUNTIME_DIR="$work/runtime" MANPATH="$share/man" \
      systemd-analyze --user verify ./*.timer ./*.service) >"$work/analyze" 2>&1 ||
      fail "systemd-analyze rejects the backup units of $units: $(cat "$work/analyze")"
  }
  verify_units "$units" "$root/bin/orvella-exporter" ""
  spaced="$work/root/opt/orvella exporter"
  if [ -d "$spaced" ]; then
    grep -qx "ExecStart=\"/opt/orvella exporter/bin/orvella-exporter\" --backup" \
      "$spaced/lib/systemd/user/orvella-exporter-backup.service" ||
      fail "the backup service under a prefix with a space does not name its program whole"
    verify_units "$spaced/lib/systemd/user" "$spaced/bin/orvella-exporter" "-spaced"
  fi
fi
home="$work/home"
mkdir -p "$home/.config"
# shellcheck disable=SC2016 # $HOME stays for the program to expand, as xdg-user-dirs writes it
echo 'XDG_DOCUMENTS_DIR="$HOME/Papers"' >"$home/.config/user-dirs.dirs"
# shellcheck disable=SC2046 # the unit's arguments, split as systemd splits these plain words
env -i HOME="$home" PATH=/usr/bin:/bin "$root/bin/orvella-exporter" $(unit_arguments "$service") \
  --database "$sample" 2>"$work/stderr" || fail "the backup service's command failed: $(cat "$work/stderr")"
ls "$home/Papers/Orvella Backups/Orvella Feeds "*.opml >/dev/null 2>&1 ||
  fail "the backup service's command wrote no backup to the documents folder: $(cat "$work/stderr")"

"$root/bin/orvella-exporter" --version | grep -qF "$version" ||
  fail "the installed program does not report version $version"

exit $((failures > 0))
