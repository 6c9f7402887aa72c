#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests, the Debian package and the program need, when they are missing.
set -euo pipefail
packages=(cmake make g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev
          fonts-dejavu-core xvfb xauth clang-format qt6-l10n-tools
          dpkg-dev file desktop-file-utils appstream librsvg2-bin man-db lintian poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
