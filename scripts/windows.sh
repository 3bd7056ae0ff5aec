#!/usr/bin/env bash
# The Windows program: installs what it needs (apt-get), builds Qt for Windows once or reuses it
# (scripts/windows/qt.sh), builds the program into build/windows/, where it runs in place, with
# its installer and portable zip beside it, and runs the Windows suites under Wine: the unit and
# widget suites, then the real-window, installer and zip suites.
# "bash scripts/windows.sh run" builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=
# A Wine prefix of the build's own, made on first use: the user's own (~/.wine) is left alone.
export WINEPREFIX="$PWD/build/wine-prefix"
OSTRELIN_QT_WINDOWS="$(bash scripts/windows/qt.sh)"
export OSTRELIN_QT_WINDOWS
# This machine's part: the tools that write the application icon's pixels and the date routine's
# table of locale forms, the date corpus, and the suites that drive the Windows program's window
# and its installer.
cmake --preset windows-host >/dev/null
cmake --build --preset windows-host --target icon_pixels write_locale_forms write_date_corpus \
    wine_test msi_test
export OSTRELIN_ICON_PIXELS_TOOL="$PWD/build/windows-host/resources/icon_pixels"
export OSTRELIN_LOCALE_FORMS_TOOL="$PWD/build/windows-host/platform/dates/write_locale_forms"
# The dates ICU and the C library write, for the Windows corpus test: written here, where they are.
export OSTRELIN_DATE_CORPUS="$PWD/build/windows-host/date-corpus.tsv"
build/windows-host/tests/write_date_corpus "$OSTRELIN_DATE_CORPUS"
cmake --preset windows >/dev/null
cmake --build --preset windows
# Wine has no Arial: the window's typeface is given Liberation Sans, its metric twin, as
# fontconfig gives it on Linux. Wine's own Tahoma, which Qt takes for text without a typeface
# of its own, sets the text of a text box above the box, so it is replaced too.
for face in Arial Tahoma; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
        /d 'Liberation Sans' /f >/dev/null 2>&1
done
if [[ ${1:-} == run ]]; then
    exec wine build/windows/ostrelin-calculator.exe
fi
ctest --preset windows
ctest --preset wine
