#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
# Only missing packages are installed, so a second run costs a few dpkg queries.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libgl-dev
  libgcab-dev gcab cabextract
  libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libgeographiclib-dev libjpeg-turbo-progs
  clang libclang-rt-14-dev
  fonts-ipafont-gothic
  qt6-pdf-dev
  libavcodec-dev libavformat-dev libswscale-dev libavutil-dev ffmpeg
  desktop-file-utils shared-mime-info xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
