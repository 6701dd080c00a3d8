#!/usr/bin/env bash
# The Windows check, on Linux: builds the program, its tests and its packages for Windows
# (build.sh), runs the whole test suite under Wine (offscreen), compares the files a whole
# evening writes on Windows and on Linux, then unpacks the ZIP into a folder with accents and
# starts it under Wine on a virtual screen with the platform it ships: alive after 20 s, its window
# "Verlandis" shown, a screenshot kept; then installs the installer silently and starts the
# installed program. Ends with "N passed, N failed".
#   bash tools/windows/check.sh [build folder, default build-win64]
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here/../.."
root="$(pwd)"
build="${1:-build-win64}"
start=$(date +%s)
passed=0
failed=0
pass() { passed=$((passed + 1)); echo "OK    $1"; }
fail() { failed=$((failed + 1)); echo "ÉCHEC $1"; }

missing=()
for p in wine nsis unzip xvfb imagemagick x11-utils xdotool; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

bash "$here/build.sh" "$build" || { echo "0 passed, 1 failed"; exit 1; }
prefix="$(bash "$here/build-deps.sh" | tail -n 1)"
wine_run=(bash "$here/wine.sh" "--qt=$prefix")
"${wine_run[@]}" wineboot -u >/dev/null 2>&1

# 1. The whole suite, as ctest runs it on Linux.
echo "== Tests sous Wine"
ctest_log="$build/ctest-wine.log"
(cd "$build" && ctest --output-on-failure 2>&1) | tee "$ctest_log"
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$ctest_log" | tail -n 1)
if [ -n "$summary" ]; then
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
else
  fail "ctest n'a pas donné de résumé"
fi

# 2. The same whole evening on Windows and on Linux: the same bytes in every file.
echo "== Les fichiers d'une soirée, Windows et Linux"
linux="build-tests"
[ -f "$linux/CMakeCache.txt" ] || cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=Debug >/dev/null
if nice -n 19 cmake --build "$linux" --target scriptedevening -j"$(nproc)" >/dev/null; then
  compare="$(mktemp -d)"
  # Accents in the folders, as a club's own names would have them.
  mkdir -p "$compare/linux/soirée" "$compare/windows/soirée"
  QT_QPA_PLATFORM=offscreen "$linux/tests/store/scriptedevening" "$compare/linux/soirée" \
    "$compare/linux/journal.txt" "$compare/linux/soirée/été.trt" >/dev/null 2>&1
  "${wine_run[@]}" --offscreen "$build/tests/store/scriptedevening.exe" "Z:$compare/windows/soirée" \
    "Z:$compare/windows/journal.txt" "Z:$compare/windows/soirée/été.trt" >/dev/null 2>&1
  listing_l=$(cd "$compare/linux/soirée" && ls | sort)
  listing_w=$(cd "$compare/windows/soirée" && ls | sort)
  if [ -z "$listing_l" ] || [ "$listing_l" != "$listing_w" ]; then
    fail "mêmes fichiers écrits (Linux : $(echo $listing_l) ; Windows : $(echo $listing_w))"
  else
    same=1
    # The table codes are drawn at random on each run: every other byte must be the same.
    codes_masked() {
      LC_ALL=C awk '/^\[/ { section = $0 } (FILENAME ~ /codes\.tmp$/ || section ~ /^\[CODES\]/) && FNR > 1 &&
        /^[A-Z2-9][A-Z2-9][A-Z2-9][A-Z2-9]\r?$/ { sub(/^..../, "XXXX") } { print }' "$1"
    }
    for f in $listing_l; do
      cmp -s <(codes_masked "$compare/linux/soirée/$f") <(codes_masked "$compare/windows/soirée/$f") ||
        { same=0; echo "  $f diffère"; }
    done
    if [ $same = 1 ]; then
      pass "$(wc -w <<<"$listing_l") fichiers identiques octet pour octet, codes des tables mis à part ($(echo $listing_l))"
    else
      fail "fichiers différents entre Windows et Linux"
    fi
  fi
  rm -rf "$compare"
else
  fail "scriptedevening pour Linux ne se construit pas"
fi

# 3. The ZIP as the director gets it, on a screen, with the windows platform it ships.
echo "== Le ZIP, lancé"
zip=$(ls "$build"/verlandis-*-win64.zip 2>/dev/null | head -n 1)
shot="$build/verlandis-wine.png"
if [ -z "$zip" ]; then
  fail "pas de ZIP"
else
  unpacked="$(mktemp -d)/Club de tarot — été"
  mkdir -p "$unpacked"
  unzip -q "$zip" -d "$unpacked"
  exe=$(find "$unpacked" -name verlandis.exe | head -n 1)
  display=":$(( 90 + RANDOM % 100 ))"
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 2
  # A Wine setup of its own, as on the director's machine: the one of the tests may still have a
  # Wine session running without a screen, and a program started in it would show nothing.
  export WINEPREFIX="${VERLANDIS_WINEPREFIX_SCREEN:-$HOME/.cache/verlandis/wineprefix-screen}"
  export WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH=""
  DISPLAY="$display" WINEDEBUG=-all wineboot -u >/dev/null 2>&1
  # Only the ZIP's own DLLs: no --qt, no runtime folder of the build machine in WINEPATH.
  # Wine's trace of the files opened tells whether Qt's French translation was read.
  files_log="$build/verlandis-wine-files.log"
  DISPLAY="$display" WINEDEBUG=-all,+file wine "$exe" >/dev/null 2>"$files_log" &
  program=$!
  sleep 20
  if kill -0 "$program" 2>/dev/null; then
    pass "le programme du ZIP tourne encore après 20 s"
  else
    fail "le programme du ZIP s'est arrêté avant 20 s"
  fi
  if DISPLAY="$display" xdotool search --onlyvisible --name '^Verlandis( — .*)?$' >/dev/null 2>&1; then
    pass "sa fenêtre « Verlandis » est à l'écran"
  else
    fail "pas de fenêtre « Verlandis » à l'écran"
  fi
  DISPLAY="$display" import -window root "$shot" && echo "Capture d'écran : $shot"
  if grep -Eqi 'translations[\\/]{1,2}qtbase_fr[.]qm' "$files_log"; then
    pass "la traduction française de Qt est lue (bin\\translations\\qtbase_fr.qm)"
  else
    fail "la traduction française de Qt n'est pas lue"
  fi
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  wineserver -w

  # The installer, silent: the program in Program Files, its shortcut, and its working files in
  # %APPDATA%\Verlandis since an installation's folder is not its to write in.
  installer=$(ls "$build"/verlandis-*-win64.exe 2>/dev/null | head -n 1)
  if [ -n "$installer" ]; then
    drive="$WINEPREFIX/drive_c"
    DISPLAY="$display" WINEDEBUG=-all wine "$installer" /S >/dev/null 2>&1
    installed="$drive/Program Files/Verlandis/bin/verlandis.exe"
    if [ -f "$installed" ] && [ -n "$(find "$drive/ProgramData" -name Verlandis.lnk 2>/dev/null)" ]; then
      pass "l'installateur pose le programme dans Program Files et son raccourci"
      rm -rf "$drive"/users/*/AppData/Roaming/Verlandis
      DISPLAY="$display" WINEDEBUG=-all wine "$installed" >/dev/null 2>&1 &
      program=$!
      # It writes no file before a tournament is begun, but makes its folder on starting.
      for _ in $(seq 30); do
        ls -d "$drive"/users/*/AppData/Roaming/Verlandis >/dev/null 2>&1 && break
        sleep 2
      done
      if ls -d "$drive"/users/*/AppData/Roaming/Verlandis >/dev/null 2>&1; then
        pass "le programme installé prend %APPDATA%\\Verlandis pour ses fichiers de travail"
      else
        fail "le programme installé n'a pas pris %APPDATA%\\Verlandis"
      fi
      kill "$program" 2>/dev/null
      wait "$program" 2>/dev/null
      DISPLAY="$display" WINEDEBUG=-all wine "$drive/Program Files/Verlandis/Uninstall.exe" /S >/dev/null 2>&1
      wineserver -w
    else
      fail "l'installateur n'a pas posé le programme"
    fi
  fi
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$(dirname "$unpacked")"
fi

echo "Vérification Windows : $(( $(date +%s) - start )) s"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
