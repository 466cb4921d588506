#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; does nothing when all are there.
set -euo pipefail
packages=(cmake ninja-build g++ clang lld qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
          libcups2-dev fonts-dejavu-core cups printer-driver-cups-pdf poppler-utils
          help2man dpkg-dev desktop-file-utils appstream lintian man-db shared-mime-info)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
