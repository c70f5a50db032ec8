#!/usr/bin/env bash
# Installs the build into temporary roots and checks what landed there.
# Usage: check-install.sh CMAKE BUILD_DIR SAMPLE_DATABASE VERSION
set -uo pipefail
cmake=$1 build=$2 sample=$3 version=$4
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every file the installation holds, and nothing else, under two prefixes.
for prefix in /usr /opt/orvella-exporter; do
  root="$work/root$prefix"
  if ! DESTDIR="$work/root" "$cmake" --install "$build" --prefix "$prefix" >"$work/log" 2>&1; then
    fail "cmake --install --prefix $prefix failed:"; cat "$work/log" >&2; continue
  fi
  # The window's module, in the library folder that GNUInstallDirs chose.
  module=$(cd "$root" && find lib* -path '*/orvella-exporter/orvella-exporter-window.so' 2>/dev/null)
  [ -n "$module" ] || fail "the window's module is not installed under $prefix/lib"
  expected="bin/orvella-exporter
$module
share/applications/com.Corvanex.OrvellaExporter.desktop
share/icons/hicolor/scalable/apps/com.Corvanex.OrvellaExporter.svg
share/icons/hicolor/symbolic/apps/com.Corvanex.OrvellaExporter-symbolic.svg
share/man/man1/orvella-exporter.1.gz
share/metainfo/com.Corvanex.OrvellaExporter.metainfo.xml"
  actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
  if [ "$actual" != "$expected" ]; then
    fail "installed files under $prefix differ from the expected list:"
    diff <(echo "$expected") <(echo "$actual") >&2
  fi
  [ -x "$root/bin/orvella-exporter" ] || fail "$prefix/bin/orvella-exporter is not executable"
done

root="$work/root/usr"
share="$root/share"
desktop="$share/applications/com.Corvanex.OrvellaExporter.desktop"
metainfo="$share/metainfo/com.Corvanex.OrvellaExporter.metainfo.xml"
man_page="$share/man/man1/orvella-exporter.1.gz"

# The desktop's validators accept the entry and the metadata.
desktop-file-validate "$desktop" >&2 || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$metainfo" >&2 || fail "appstreamcli rejects the metadata"

# The entry starts the installed program by name and shows the installed icon.
entry_value() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry_value Exec)" = orvella-exporter ] || fail "Exec= does not run orvella-exporter"
[ -f "$share/icons/hicolor/scalable/apps/$(entry_value Icon).svg" ] ||
  fail "Icon= names no installed icon"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata lacks release $version"
grep -q '<binary>orvella-exporter</binary>' "$metainfo" || fail "the metadata lacks the binary"

# The manual page renders without warnings and covers every option, the exit
# statuses and the environment.
if ! page=$(LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -l "$man_page" 2>"$work/man-warnings"); then
  fail "man -l cannot render the manual page"
fi
[ -s "$work/man-warnings" ] && fail "man -l warns: $(cat "$work/man-warnings")"
for word in --database --export --list --help --version "EXIT STATUS" ORVELLA_OPENER \
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
"$root/bin/orvella-exporter" --version | grep -qF "$version" ||
  fail "the installed program does not report version $version"

exit $((failures > 0))
