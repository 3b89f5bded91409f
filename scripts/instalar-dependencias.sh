#!/usr/bin/env bash
# Installs the Debian packages TALVO needs to build, run and test; does nothing when all are present.
set -euo pipefail

PAQUETES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n libgl-dev
  libzint-dev libfreexl-dev libxlsxwriter-dev libzip-dev libcurl4-openssl-dev libsecret-1-dev dbus-daemon
  sqlite3 libsqlite3-dev fonts-liberation
  poppler-utils zbar-tools python3 python3-aiosmtpd
  xvfb x11-utils
  xdg-utils openssl ca-certificates
  dpkg-dev desktop-file-utils appstream
  cups printer-driver-cups-pdf ghostscript
  clang libclang-rt-14-dev
)

faltan=()
for p in "${PAQUETES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0

echo "Instalando: ${faltan[*]}"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${faltan[@]}"
