#!/usr/bin/env bash
# Installs the Debian 12 packages that building and running the calculator
# need ("run"), building its Debian package as well ("package"), or building
# and testing it, the package included ("test", the default), when any of
# them is missing. Uses sudo only when not root.
set -euo pipefail

purpose="${1:-test}"

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libjpeg62-turbo
  libcsv-dev libdxflib-dev
  fonts-wqy-microhei fontconfig
)
if [ "$purpose" = package ] || [ "$purpose" = test ]; then
  packages+=(dpkg-dev file)
fi
if [ "$purpose" = test ]; then
  packages+=(
    desktop-file-utils appstream lintian man-db
    qt6-base-private-dev
    libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth
    imagemagick xdotool
    python3-ezdxf poppler-utils python3-pypdf
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
