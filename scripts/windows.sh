#!/usr/bin/env bash
# The Windows program: installs what it needs (apt-get), builds Qt for Windows once or reuses it
# (scripts/windows/qt.sh), builds the program into build/windows/, where it runs in place, and
# runs the Windows test suites under Wine. "bash scripts/windows.sh run" starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=
OSTRELIN_QT_WINDOWS="$(bash scripts/windows/qt.sh)"
export OSTRELIN_QT_WINDOWS
# The application icon's pixels are written by a tool built for this machine.
cmake --preset dev >/dev/null
cmake --build --preset dev --target icon_pixels >/dev/null
export OSTRELIN_ICON_PIXELS_TOOL="$PWD/build/dev/resources/icon_pixels"
cmake --preset windows >/dev/null
cmake --build --preset windows
if [[ ${1:-} == run ]]; then
    exec wine build/windows/ostrelin-calculator.exe
fi
ctest --preset windows
