#!/usr/bin/env bash
# Takes the safety rules out one at a time and runs the tests that pin them:
# each mutation below is a small change to a copy of the working tree (the
# rule removed or made wrong), built with the project's flags, then the tests
# of its regular expression are run. A mutation the tests do not notice
# (survived) is a rule that nothing would keep from being lost.
#
#   ./scripts/mutants.sh            # every mutation
#   ./scripts/mutants.sh fdatasync  # those whose name holds a word
#
# Run it before a safety rule changes, not in CI: it takes minutes. The copy
# and its build folder stay in $ORVELLA_MUTANTS_DIR (default build-mutants/,
# not under /tmp, which a test mounts over) and ccache keeps compiler
# outputs, so a later run and each mutant only compile what changed. Every mutation must apply
# exactly once: one that no longer matches the code stops the script, so the
# list stays in step with the code. Exits 1 when a mutation survived.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
work=${ORVELLA_MUTANTS_DIR:-$root/build-mutants}
tree=$work/tree
only=${1:-}
jobs=${ORVELLA_MUTANTS_JOBS:-2}

# One mutation a block: its name, the file, the exact text and what takes
# its place, the targets to build and the tests to run (a ctest -R regex).
# A line "----" ends a block.
read -r -d '' mutations <<'LIST' || true
name: fdatasync before rename removed
file: src/platform/AtomicFile.cpp
from: if (::fdatasync(fd_) != 0 && errno != EINVAL) {
to: if (false) {
build: command_line_tests
tests: ^FailingStorage\.
----
name: rename's result ignored
file: src/platform/AtomicFile.cpp
from: if (::rename(namedTemp_.constData(), finalPath_.constData()) != 0) {
to: if (::rename(namedTemp_.constData(), finalPath_.constData()) != 0 && false) {
build: command_line_tests window_failing_write_tests
tests: ^FailingStorage\.|^WindowOnFailingStorage\.
----
name: fchmod's result ignored
file: src/platform/AtomicFile.cpp
from: if (target.file && ::fchmod(fd_, target.file->st_mode & 07777) != 0) {
to: if (target.file && ::fchmod(fd_, target.file->st_mode & 07777) != 0 && false) {
build: command_line_tests window_failing_write_tests
tests: ^FailingStorage\.|^WindowOnFailingStorage\.
----
name: database guard compares existing files by name
file: src/platform/AtomicFileTarget.cpp
from: if (target.file) return isAnyOf(*target.file, protectedFiles);
to: if (target.file) return std::find(protectedFiles.begin(), protectedFiles.end(), std::string(::realpath(target.path.constData(), nullptr))) != protectedFiles.end();
build: command_line_tests
tests: ^ExportSafety\.(NoSpelling|NoOtherName|TheBackupIsNever)|^CommandLine\.NamesAreBytes
----
name: database guard compares new names' folders by name
file: src/platform/AtomicFileTarget.cpp
from: folder.st_dev == other.st_dev && folder.st_ino == other.st_ino
to: folderOf(protectedName) == folderOf(target.path)
build: command_line_tests
tests: ^ExportSafety\.(NoSpelling|NoOtherName)|^CommandLine\.NamesAreBytes
----
name: reader's own database not spared
file: src/store/FeedDatabase.cpp
from: for (std::string &name : readersDatabaseFileNames()) {
to: for (std::string &name : std::vector<std::string>()) {
build: command_line_tests window_tests
tests: ^ExportSafety\.(NoOtherName|TheBackupIsNever)|^ExportWindow\.ALinkToTheReaders
----
name: standard output onto the reader's own database
file: src/app/Reports.cpp
from: if (AtomicFile::isAnyOf(STDOUT_FILENO, readersDatabaseFileNames())) {
to: if (false && AtomicFile::isAnyOf(STDOUT_FILENO, readersDatabaseFileNames())) {
build: command_line_tests
tests: ^ExportSafety\.NoOtherName
----
name: shared lock during the private copy never taken
file: src/store/PrivateCopy.cpp
from: if (!takeSharedLock(locked.get(), lockWait)) return fail(Failure::Locked);
to: if (false && !takeSharedLock(locked.get(), lockWait)) return fail(Failure::Locked);
build: command_line_tests
tests: ^ExportSafety\.AReadIsOneCommittedState
----
name: count sentence: 0 is singular
file: src/export/WrittenFileCheck.cpp
from: return feeds == 1 ? QStringLiteral("%1 feed").arg(number)
to: return feeds <= 1 ? QStringLiteral("%1 feed").arg(number)
build: command_line_tests
tests: ^CountSentence\.|^CommandLine\.TheSummaryCounts
----
name: count sentence: 1 is plural
file: src/export/WrittenFileCheck.cpp
from: return feeds == 1 ? QStringLiteral("%1 feed").arg(number)
to: return feeds == 1 ? QStringLiteral("%1 feeds").arg(number)
build: command_line_tests
tests: ^CountSentence\.|^CommandLine\.TheSummaryCounts
----
name: & not escaped
file: src/export/OpmlWriter.cpp
from:     case '&':
to:     case '\x01':
build: command_line_tests
tests: ^ExportSafety\.|^CommandLine\.Export
----
name: < not escaped
file: src/export/OpmlWriter.cpp
from:     case '<':
to:     case '\x02':
build: command_line_tests
tests: ^ExportSafety\.|^CommandLine\.Export
----
name: " not escaped
file: src/export/OpmlWriter.cpp
from:     case '"':
to:     case '\x03':
build: command_line_tests
tests: ^ExportSafety\.|^CommandLine\.Export
----
name: invalid UTF-8 not repaired into U+FFFD
file: src/store/FeedsQuery.cpp
from: if (!bytes.isValidUtf8()) {
to: if (false && !bytes.isValidUtf8()) {
build: command_line_tests
tests: ^ExportSafety\.EveryFeedKeeps|^CommandLine\.ListKeeps
----
name: immutable read not checked afterwards
file: src/store/FeedDatabase.cpp
from: if (result.status == ReadStatus::Stopped || stampOf(access.file) == before) {
to: if (result.status == ReadStatus::Stopped || true || stampOf(access.file) == before) {
build: command_line_tests store_tests
tests: ^ExportSafety\.AReadIsOneCommittedState|^FeedDatabase\.ALockFreeRead
----
name: planted links in sticky folders followed
file: src/platform/AtomicFileTarget.cpp
from: return shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folder.st_uid;
to: return false && shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folder.st_uid;
build: command_line_tests
tests: ^ExportSafety\.LinksPlanted
----
name: write-protected files replaced
file: src/platform/AtomicFileTarget.cpp
from: if ((mode & 0222) == 0) {
to: if ((mode & 0222) == 0 && false) {
build: command_line_tests
tests: ^ExportSafety\.FilesTheUserMayNotWrite
----
name: read-back ignores a different address
file: src/export/WrittenFileCheck.cpp
from: if (!firstDifferent && (index >= expected.size() || fingerprint != expected[index])) {
to: if (false && !firstDifferent && (index >= expected.size() || fingerprint != expected[index])) {
build: check_and_backup_tests
tests: ^ReadBack\.
----
name: standard output not checked on its way
file: src/app/ExportCommand.cpp
from: if (auto mismatch = spool.check(written)) {
to: if (auto mismatch = std::optional<QString>()) {
build: check_and_backup_tests
tests: ^ReadBack\.
----
name: spool falls back to a named file after any failure
file: src/app/Spool.h
from: if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
to: if (fd_ < 0) {
build: command_line_tests
tests: ^FailingStorage\.StandardOutput
----
name: backup names without their prefix
# The prefix test of isBackupFileName (src/app/BackupFolder.cpp): the line
# most likely to outlive a change to the backup's names.
file: src/app/BackupFolder.cpp
from: !name.starts_with(prefix) ||
to: false ||
build: command_line_tests check_and_backup_tests
tests: ^BackupOption\.|^BackupSafety\.
----
name: only the first running reader quit
file: src/app/CXAppDelegate.cpp
from: for (const RunningApplication &reader : readers) {
to: for (const RunningApplication &reader : std::vector<RunningApplication>(readers.begin(), readers.begin() + 1)) {
build: app_delegate_tests
tests: ^HandOff\.
----
name: a drop in the feed count rotates the good backup away
file: src/app/BackupFolder.cpp
from: return before > 0 && (now == 0 || now * 4 < before * 3);
to: return before > 0 && now > before * 2;
build: check_and_backup_tests
tests: ^BackupOption\.ADrop
----
name: other users' files in a backup folder pruned
file: src/app/BackupFolder.cpp
from: info.st_uid != ::geteuid() || !startsAsOurs(path)) {
to: !startsAsOurs(path)) {
build: check_and_backup_tests
tests: ^BackupOption\.WhatOthersPut
----
name: files that no backup of ours wrote pruned
file: src/app/BackupFolder.cpp
from: info.st_uid != ::geteuid() || !startsAsOurs(path)) {
to: info.st_uid != ::geteuid() || (false && !startsAsOurs(path))) {
build: check_and_backup_tests
tests: ^BackupOption\.WritesOnlyWhatChanged
----
name: a backup's name claimed by replacing what is there
file: src/platform/AtomicFile.cpp
from: result = linkUnnamed(name);
to: result = linkUnnamed(name); if (result != 0 && errno == EEXIST) { ::unlink(name.constData()); result = linkUnnamed(name); }
build: check_and_backup_tests
tests: ^BackupOption\.(WhatOthersPut|BackupsInTheSameSecond)
----
name: folder links planted in shared folders followed
file: src/platform/AtomicFileTarget.cpp
from: if (throughPlantedFolderLink(path)) return plantedLinkRefusal(true);
to: if (false) return plantedLinkRefusal(true);
build: check_and_backup_tests
tests: ^BackupOption\.WhatOthersPut
----
name: the read-back's digest not compared
file: src/export/ReadBackCheck.cpp
from: if (same && outlines_ && *outlines_ == written.count() && read_ == written.fingerprints()) {
to: if (outlines_ && *outlines_ == written.count() && read_ == written.fingerprints()) {
build: read_back_check_tests check_and_backup_tests
tests: ^ReadBackCheck\.|^ReadBack\.
----
name: the read-back's parsed addresses not compared
file: src/export/ReadBackCheck.cpp
from: if (same && outlines_ && *outlines_ == written.count() && read_ == written.fingerprints()) {
to: if (same) {
build: read_back_check_tests
tests: ^ReadBackCheck\.
----
LIST

# The blocks, as records of six fields separated by \x1f.
records() {
  awk -v sep=$'\x1f' '
    /^#/ { next }
    /^name: / { name = substr($0, 7) }
    /^file: / { file = substr($0, 7) }
    /^from: / { from = substr($0, 7) }
    /^to: / { to = substr($0, 5) }
    /^build: / { build = substr($0, 8) }
    /^tests: / { tests = substr($0, 8) }
    /^----$/ { print name sep file sep from sep to sep build sep tests }
  ' <<<"$mutations"
}

# Replaces the one occurrence of $2 in file $1 with $3; fails when the text
# is not there exactly once.
replace_once() {
  python3 - "$@" <<'PY'
import sys
path, old, new = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
count = text.count(old)
if count != 1:
    sys.exit(f"{path}: the text to change is there {count} times, not once: {old}")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
}

echo "Copying the working tree to $tree"
mkdir -p "$tree"
(cd "$root" && git ls-files -z --cached --others --exclude-standard) | sort -z >"$work/files"
# Only files whose bytes differ are written, with the time of copying: a file
# keeping its time from the working tree could be older than an output
# built from an earlier copy, which the build would then take as current.
rm -rf "$work/incoming"
mkdir -p "$work/incoming"
(cd "$root" && tar --null -T "$work/files" -cf -) | tar -xf - -C "$work/incoming"
(cd "$work/incoming" && find . -type f -printf '%P\0') | while IFS= read -r -d '' name; do
  if ! cmp -s "$work/incoming/$name" "$tree/$name"; then
    mkdir -p "$(dirname "$tree/$name")"
    cp "$work/incoming/$name" "$tree/$name"
  fi
done
rm -rf "$work/incoming"
# What the working tree no longer has goes from the copy too (the build
# picks up every source file of a folder). The build folder stays, at the
# same place relative to the sources as in the working tree, so that ccache
# finds the working tree's compiler outputs.
(cd "$tree" && find . -path ./build -prune -o -type f -printf '%P\0' | sort -z |
  comm -z -23 - "$work/files" | xargs -0 -r rm -f)

export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR=$tree CCACHE_NOHASHDIR=1
cd "$tree"
./scripts/configure.sh build

mapfile -t all < <(records)
selected=()
for record in "${all[@]}"; do
  IFS=$'\x1f' read -r name file from to build tests <<<"$record"
  [[ -z $only || $name == *"$only"* ]] || continue
  # Each mutation must still apply to the code as it is now.
  grep -qF -- "$from" "$file" || { echo "mutation \"$name\" no longer applies to $file" >&2; exit 2; }
  # A file left mutated by an interrupted run is built again from the copy.
  touch "$file"
  selected+=("$record")
done
[[ ${#selected[@]} -gt 0 ]] || { echo "no mutation is named like \"$only\"" >&2; exit 2; }

targets=$(for record in "${selected[@]}"; do
  IFS=$'\x1f' read -r _ _ _ _ build _ <<<"$record"
  echo "$build"
done | tr ' ' '\n' | sort -u | tr '\n' ' ')
echo "Building $targets"
# shellcheck disable=SC2086
cmake --build build -j"$jobs" --target $targets >"$work/build.log" 2>&1 ||
  { tail -30 "$work/build.log"; echo "the unchanged tree does not build" >&2; exit 2; }

# The tests of each mutation must pass on the code as it is, or their
# failing under the mutation would say nothing.
regex=$(for record in "${selected[@]}"; do
  IFS=$'\x1f' read -r _ _ _ _ _ tests <<<"$record"
  echo "$tests"
done | sort -u | paste -sd'|')
echo "Running the tests on the unchanged tree"
ctest --test-dir build -R "$regex" --no-tests=error --timeout 300 >"$work/baseline.log" 2>&1 ||
  { grep -E "Failed|\*\*\*" "$work/baseline.log" >&2; echo "tests fail without any mutation" >&2; exit 2; }

table=()
survived=0
for record in "${selected[@]}"; do
  IFS=$'\x1f' read -r name file from to build tests <<<"$record"
  echo "Mutation: $name"
  cp "$file" "$work/original"
  replace_once "$file" "$from" "$to"
  log="$work/mutant-$((${#table[@]} + 1)).log"
  # shellcheck disable=SC2086
  if ! cmake --build build -j"$jobs" --target $build >"$log" 2>&1; then
    cp "$work/original" "$file"  # a new time stamp: the original is built again
    tail -20 "$log" >&2
    echo "mutation \"$name\" does not build; change it so that it does" >&2
    exit 2
  fi
  if ctest --test-dir build -R "$tests" --no-tests=error --timeout 300 >>"$log" 2>&1; then
    result=survived
    survived=$((survived + 1))
  else
    result=killed
  fi
  ran=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -1)
  cp "$work/original" "$file"
  table+=("$(printf '%-52s | %-34s | %5s | %-8s | %s' "$name" "$file" "${ran:-0}" "$result" \
    "${log#"$work"/}")")
done

# The tree as it was, so that the next run starts from built originals.
# shellcheck disable=SC2086
cmake --build build -j"$jobs" --target $targets >"$work/build.log" 2>&1 || true

printf '\n%-52s | %-34s | %5s | %-8s | %s\n' mutation file tests result log
printf '%s\n' "${table[@]}"
echo
echo "${#selected[@]} mutations, $survived survived (logs in $work)"
[[ $survived -eq 0 ]]
