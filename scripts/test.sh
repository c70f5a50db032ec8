#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
# build/ is configured as run-sample.sh configures it, so the program that
# run-sample.sh built is not built again. BUILD_DIR, CMAKE_ARGS, BUILD_TARGETS
# and CTEST_ARGS let CI reuse it for the sanitizer builds.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build="${BUILD_DIR:-build}"
# shellcheck disable=SC2086
./scripts/configure.sh "$build" ${CMAKE_ARGS:-}
# shellcheck disable=SC2086
cmake --build "$build" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
# shellcheck disable=SC2086
ctest --test-dir "$build" --output-on-failure ${CTEST_ARGS:-}
