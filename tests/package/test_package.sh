#!/usr/bin/env bash
# The Debian package as the director gets it: made by tools/package.sh, its contents checked
# and validated; where the test runs as root, installed, started headless, then removed.
# Usage: test_package.sh <source folder> <build folder for the package>
# Exit code 77 (skipped) without dpkg-deb.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build_dir=$2

if ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-deb absent : test ignoré"
  exit 77
fi

fail() {
  echo "ÉCHEC : $*" >&2
  exit 1
}

work=$(mktemp -d)
installed_here=0
program=""
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
  if [ "$installed_here" = 1 ]; then
    apt-get purge -y -q -o DPkg::Lock::Timeout=300 verlandis >/dev/null || dpkg --purge verlandis || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

bash "$source_dir/tools/package.sh" "$build_dir"
version=$(sed -n 's/^project(Verlandis VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
deb="$build_dir/verlandis_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "pas de paquet $deb"

# The control fields: the dependencies come from the program's libraries.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = verlandis ] || fail "nom du paquet : $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version du paquet : $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture : $(field Architecture)"
field Depends | grep -q 'libqt6widgets6' || fail "dépendances sans Qt Widgets : $(field Depends)"
field Recommends | grep -q 'qt6-translations-l10n' || fail "recommandations : $(field Recommends)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Section)" ] || fail "responsable ou section absents"

# The files, and nothing else (no static library, header or test).
root="$work/root"
dpkg-deb -x "$deb" "$root"
id=fr.verlandis.Verlandis
expected=(
  usr/bin/verlandis
  "usr/share/applications/$id.desktop"
  usr/share/doc/verlandis/changelog.gz
  usr/share/doc/verlandis/copyright
)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png"); done
expected+=(usr/share/man/man1/verlandis.1.gz "usr/share/metainfo/$id.metainfo.xml")
actual=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
[ "$actual" = "$wanted" ] || fail "contenu du paquet :
$(diff <(echo "$wanted") <(echo "$actual") || true)"
[ -x "$root/usr/bin/verlandis" ] || fail "le programme n'est pas exécutable"
for size in "${sizes[@]}"; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  # The PNG header's width and height, big-endian, at bytes 16 to 23.
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "l'icône ${size}x${size} mesure $dims"
done

# One version everywhere: the package, the software centres' release, the changelog.
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" \
  || fail "la dernière version décrite n'est pas $version"
zcat "$root/usr/share/doc/verlandis/changelog.gz" | head -1 | grep -q "^verlandis ($version)" \
  || fail "le changelog ne commence pas par la version $version"

# The validators, where they are installed (tools/test.sh installs them).
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/$id.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root"
fi
if command -v lintian >/dev/null; then
  # Fails on any error; the warnings are shown.
  lintian_rc=0
  report=$(lintian --fail-on error "$deb" 2>&1) || lintian_rc=$?
  echo "$report" | grep -v 'running with root privileges' || true
  [ "$lintian_rc" = 0 ] || fail "lintian trouve des erreurs"
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Installation non essayée : il faut être root"
  exit 0
fi
if dpkg-query -W -f='${Status}' verlandis 2>/dev/null | grep -q "ok installed"; then
  echo "Installation non essayée : Verlandis est déjà installé sur cette machine"
  exit 0
fi

# Installed into /usr: one test at a time on this machine.
exec 9>/run/lock/verlandis-test-package.lock
flock -w 600 9 || fail "un autre test du paquet ne finit pas"
installed_here=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o DPkg::Lock::Timeout=300 "$(realpath "$deb")" >/dev/null
[ -x /usr/bin/verlandis ] || fail "/usr/bin/verlandis absent après l'installation"

# Started headless from elsewhere, with an empty home. /usr/bin is root's to write, yet the
# working files go to the user's data folder: the program creates it when it chooses it.
home="$work/home"
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
data="$home/.local/share/Verlandis"
(cd "$work" && exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$work/run" \
  QT_QPA_PLATFORM=offscreen /usr/bin/verlandis) &
program=$!
# A program that stopped stays a zombie until waited for: kill -0 would not tell.
running() { [ -r "/proc/$program/status" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$program/status"; }
translated=0
for _ in $(seq 40); do
  running || fail "le programme installé s'est arrêté au démarrage"
  # Qt maps the translation it loaded.
  if grep -q '/qtbase_fr\.qm$' "/proc/$program/maps" 2>/dev/null; then translated=1; fi
  if [ "$translated" = 1 ] && [ -d "$data" ]; then break; fi
  sleep 0.25
done
[ -d "$data" ] || fail "pas de dossier de données $data"
[ "$translated" = 1 ] || fail "la traduction française de Qt n'est pas chargée"
sleep 1
running || fail "le programme installé s'est arrêté"
kill "$program"
wait "$program" 2>/dev/null || true
program=""

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q -o DPkg::Lock::Timeout=300 verlandis >/dev/null
installed_here=0
[ ! -e /usr/bin/verlandis ] || fail "/usr/bin/verlandis reste après la suppression"
echo "Paquet $deb : contenu, validations, installation et suppression vérifiés"
