#!/usr/bin/env bash
# Installs the Debian packages Zantoria needs to build, run and test, skipping those present.
# Usage: scripts/install-deps.sh [build|test|screenshots]
set -euo pipefail

packages=(cmake g++ ninja-build pkg-config libicu-dev libgl-dev fonts-dejavu-core
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          qt6-charts-dev libqt6opengl6-dev libfmt-dev
          qt6-qpa-plugins xdg-utils scdoc dpkg-dev)
# scripts/screenshots.sh: a virtual display, keys sent to it, the pictures taken of it, and a
# small browser to show the report in, and pdftoppm for a page of the analysis's PDF.
screenshot_packages=(xvfb xauth xdotool x11-utils imagemagick dillo procps poppler-utils)
case "${1:-build}" in
test)
    packages+=(desktop-file-utils appstream shared-mime-info libxml2-utils man-db
               clang libclang-rt-14-dev libbenchmark-dev "${screenshot_packages[@]}") ;;
screenshots)
    packages+=("${screenshot_packages[@]}") ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
