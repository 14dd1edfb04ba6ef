#!/usr/bin/env bash
# Installs what building, testing and running Ferrovane needs on Debian 12, and only
# what is missing. Works as root and, through sudo, as a normal user.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins libgl-dev libfontconfig-dev
    qt6-translations-l10n qt6-l10n-tools qt6-tools-dev xvfb xauth fonts-noto-cjk
    poppler-utils desktop-file-utils libxml2-utils
    python3-markdown dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "install-deps: missing packages (${missing[*]}) and no sudo to install them" >&2
    exit 1
fi
echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
