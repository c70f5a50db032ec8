#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
#   install-deps.sh build   what building and running the program needs
#                           (scripts/run-sample.sh)
#   install-deps.sh         that, and what the tests, the end-to-end check,
#                           the package checks and CI need
# Idempotent: asks apt only for what is missing, so a second run takes a moment.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  libgl-dev
  libsqlite3-dev sqlite3 libxxhash-dev
  libxml2-dev
  librsvg2-bin
  # build/ is configured with its tests, which need GoogleTest to configure.
  googletest libgtest-dev libgmock-dev
  # DejaVu Sans also draws Hebrew, Arabic and Cyrillic; IPA Gothic Japanese.
  fonts-dejavu-core fonts-inter
  libglib2.0-bin
  qt6-base-private-dev qt6-translations-l10n fonts-ipafont-gothic
)
if [ "${1:-}" != build ]; then
  packages+=(
    libbenchmark-dev
    clang-format ccache
    xvfb xauth openbox xdotool x11-utils imagemagick
    dbus dbus-x11
    desktop-file-utils appstream man-db groff-base dpkg-dev file lintian
    at-spi2-core python3 python3-pyatspi
    # A screen reader and its speech server, for scripts/speech.sh.
    orca speech-dispatcher
    bindfs fuse3
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
