#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, finding Qt's and MinGW's DLLs where they were
# built or installed: ctest's emulator (build.sh), and the ZIP's start in check.sh.
#   bash tools/windows/wine.sh [--qt=<prefix of build-deps.sh>] [--offscreen] program.exe [arguments]
set -euo pipefail
qt=""
offscreen=""
while [ $# -gt 0 ]; do
  case "$1" in
    --qt=*) qt="${1#--qt=}"; shift ;;
    --offscreen) offscreen=1; shift ;;
    *) break ;;
  esac
done
export WINEPREFIX="${VERLANDIS_WINEPREFIX:-$HOME/.cache/verlandis/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko to offer to install: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
threads="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
WINEPATH="Z:$runtime;Z:$threads"
[ -n "$qt" ] && WINEPATH="Z:$qt/bin;$WINEPATH"
export WINEPATH
if [ -n "$offscreen" ]; then
  # Wine hands a Windows program no Unix variable whose name begins with QT_ (nor ctest's
  # ENVIRONMENT); WINEQT_QPA_PLATFORM reaches it as QT_QPA_PLATFORM.
  export WINEQT_QPA_PLATFORM=offscreen
  # The plugins of the build-deps prefix, not those of a ZIP beside the program.
  [ -n "$qt" ] && export WINEQT_PLUGIN_PATH="Z:$qt/plugins"
  # Offscreen on Windows reads its fonts from one folder (no fontconfig): the fonts the Linux
  # suite draws with, so that text is measured alike.
  fonts="${VERLANDIS_FONTS:-/usr/share/fonts/truetype/dejavu}"
  [ -d "$fonts" ] && export WINEQT_QPA_FONTDIR="Z:$fonts"
  # Qt Test stops a test function after 5 minutes; the crash test's one function restarts the
  # program over two hundred times, and each Wine start is slow: the same guard as ctest's.
  export QTEST_FUNCTION_TIMEOUT=1800000 # (unlike QT_ names, it reaches the program as it is)
fi
# Qt Test's report on stdout does not come through Wine: a Qt test writes it to a file, shown
# once it ends, so that ctest --output-on-failure has it.
case "$(basename "${1:-}")" in
  test_*.exe)
    report="$(mktemp --suffix=.txt)"
    status=0
    wine "$@" -o "Z:$report,txt" || status=$?
    cat "$report"
    rm -f "$report"
    exit "$status"
    ;;
esac
exec wine "$@"
