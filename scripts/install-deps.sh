#!/usr/bin/env bash
# Installs, from Debian's archive, the packages that building, running and testing need;
# packages already present are left alone. With "windows", also those of the Windows build: the
# mingw-w64 compilers of the posix thread model, Wine, what fetches Qt's source package, and
# wixl and msiinfo for the installer.
set -euo pipefail

packages=(
    cmake ninja-build g++ libicu-dev locales-all
    qt6-base-dev libgl-dev
    fonts-liberation2
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool xclip x11-utils imagemagick libx11-dev libxfixes-dev
    clang libclang-rt-14-dev clang-format
    qt6-gtk-platformtheme at-spi2-core python3-pyatspi dbus
    desktop-file-utils appstream lintian dpkg-dev file
)
if [[ ${1:-} == windows ]]; then
    packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 dpkg-dev xz-utils
        wixl msitools)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi
