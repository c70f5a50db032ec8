#!/usr/bin/env bash
# Configures build folder $1 the way the project's scripts build it:
# RelWithDebInfo, warnings as errors. run-sample.sh, test.sh and e2e.sh share
# build/ with these same flags, so none of them rebuilds what another built.
# Further arguments go to cmake (the sanitizer builds add theirs).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
shift
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELLA_WERROR=ON "$@" >/dev/null
