#!/usr/bin/env bash
# Fresh machine to first export: installs what is missing, builds, then exports
# every feed of the bundled sample reader database to build/My Feeds.opml.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
build/orvella-exporter --database build/sample/Feeds --export "build/My Feeds.opml"
