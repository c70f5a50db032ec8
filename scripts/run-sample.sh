#!/usr/bin/env bash
# Fresh machine to first export: installs what building the program needs
# (if missing), builds the program and the sample reader database and nothing
# else, then exports every feed of the sample to build/My Feeds.opml.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh build
./scripts/configure.sh build
cmake --build build --target orvella-exporter orvella_sample_db
build/orvella-exporter --database build/sample/Feeds --export "build/My Feeds.opml"
