#!/usr/bin/env bash
# Builds Qt for Windows once, from Debian's own qt6-base source package of the same version as
# the host Qt whose moc, rcc and uic it uses, into a cache folder outside the clone named by that
# version and the build's options; every later build reuses it. Prints the folder. The cache
# folder is /var/cache/ostrelin-calculator, or $OSTRELIN_QT_WINDOWS_CACHE; a user who may not
# write the former builds into ~/.cache/ostrelin-calculator, and takes a build already in the
# former where there is one.
#
# Only what the program and its tests use is built: Core, Gui, Widgets, Test, the windows and
# offscreen platform plugins, the windowsvista style and the ico image format. Debian's repacked
# source leaves out src/3rdparty/wintab, so tablet events are off; OpenGL is off at the input
# level, which also turns off dynamic OpenGL.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache_root="${OSTRELIN_QT_WINDOWS_CACHE:-/var/cache/ostrelin-calculator}"

version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no
    -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_sql_sqlite=OFF
)
tag="$(printf '%s\n' "${options[@]}" "$(cat "$here/toolchain.cmake")" | sha256sum | cut -c1-12)"
prefix="$cache_root/qt-windows-${version//[^A-Za-z0-9.+-]/_}-$tag"
if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi
# A user who may not write the system's cache folder builds Qt into their own.
if [[ -z ${OSTRELIN_QT_WINDOWS_CACHE:-} ]] && ! { mkdir -p "$cache_root" 2>/dev/null && [[ -w $cache_root ]]; }; then
    cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/ostrelin-calculator"
    prefix="$cache_root/$(basename "$prefix")"
    if [[ -f "$prefix/.complete" ]]; then
        echo "$prefix"
        exit 0
    fi
fi

work="$cache_root/work-$tag"
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial"
# The machine's own Debian archives, for source packages, in a private apt configuration that
# leaves the machine's sources alone.
for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f $f ]] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$work/apt/sources.list.d/$(basename "$f")"
done
if [[ -f /etc/apt/sources.list ]]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$work/apt/sources.list.d/machine.list"
fi
apt_private=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State::Lists=$work/apt/lists")
apt-get "${apt_private[@]}" update -qq
(cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$version" >/dev/null)
source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"

cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$here/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$work/configure.log"
cmake --build "$work/build" >"$work/build.log"
cmake --install "$work/build" >"$work/install.log"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
