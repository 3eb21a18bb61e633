#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Trevalo need,
# only those that are missing. Usage: install_dependencies.sh [run|test]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libxlsxwriter-dev zlib1g-dev
  fonts-noto-cjk fonts-wqy-zenhei xdg-utils qt6-translations-l10n
)
if [[ "${1:-test}" == test ]]; then
  packages+=(
    libgtest-dev libbenchmark-dev
    python3 python3-openpyxl
    clang libclang-rt-14-dev
    dpkg-dev file desktop-file-utils libxml2-utils shared-mime-info
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
