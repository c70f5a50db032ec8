#!/usr/bin/env bash
# The checked export of 100,000 feeds against its floor, pair by pair:
#   bench/checked-export-floor.sh EXPORTER [PAIRS] [OTHER-EXPORTER]
# The floor is what any checked export must do at least: the sqlite3 tool's
# bare read of the four columns, the same bytes written and synced (dd
# conv=fdatasync), moved over the last copy, and read back (cat). The two run
# in turn, A B A B ..., and the medians of their wall times and of each
# pair's ratio are printed. With OTHER-EXPORTER, that program's export is
# timed as a third, e.g. the build before a change.
set -euo pipefail
exporter=$(realpath "$1")
pairs=${2:-15}
other=${3:+$(realpath "$3")}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
sqlite3 Feeds <"$here/../resources/sample/schema.sql"
sqlite3 Feeds "WITH RECURSIVE n(v) AS (SELECT 1 UNION ALL SELECT v + 1 FROM n WHERE v < 100000)
  INSERT INTO FEEDS (FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK)
  SELECT 'https://site' || v || '.example.org/', 'Feed number ' || v || ' about things & more',
         1 + v % 3, 'https://site' || v || '.example.org/feed/rss.xml?id=' || v FROM n;"
"$exporter" --database Feeds --export reference.opml 2>/dev/null
floor() {
  sqlite3 Feeds "SELECT FEED_URL, FEED_TITLE, CHANNEL_TYPE, INTERNAL_LINK FROM FEEDS" >/dev/null
  dd if=reference.opml of=.floor.tmp bs=1M conv=fdatasync status=none
  mv .floor.tmp floor.opml
  cat floor.opml >/dev/null
}
ns() { date +%s%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
: >a; : >b; : >c; : >ratio
floor; "$exporter" --database Feeds --export out.opml 2>/dev/null  # warm-up
for ((i = 0; i < pairs; i++)); do
  t0=$(ns); "$exporter" --database Feeds --export out.opml 2>/dev/null; t1=$(ns)
  floor; t2=$(ns)
  echo $(((t1 - t0) / 1000)) >>a
  echo $(((t2 - t1) / 1000)) >>b
  echo "$(((t1 - t0) / 1000)) $(((t2 - t1) / 1000))" | awk '{ print $1 / $2 }' >>ratio
  if [ -n "$other" ]; then
    t0=$(ns); "$other" --database Feeds --export other.opml 2>/dev/null; t1=$(ns)
    echo $(((t1 - t0) / 1000)) >>c
  fi
done
cmp -s out.opml floor.opml || { echo "the export differs from the floor's bytes" >&2; exit 1; }
echo "pairs: $pairs, 100,000 feeds, $(stat -c %s out.opml) bytes"
echo "checked export, median wall: $(median <a) us"
echo "floor, median wall:          $(median <b) us"
echo "export / floor, median of the pairs: $(median <ratio)"
if [ -n "$other" ]; then echo "other exporter, median wall: $(median <c) us"; fi
