#!/usr/bin/env bash
# Installs what the build needs on Debian or Ubuntu (with sudo when not root), and the
# packages named as arguments (what the tests or the packaging need besides).
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
need=()
for pkg in cmake g++ make qt6-base-dev libmicrohttpd-dev qt6-translations-l10n libgl1-mesa-dev libqrencode-dev "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || need+=("$pkg")
done
if [ "${#need[@]}" -gt 0 ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${need[@]}"
fi
