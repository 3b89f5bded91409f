#!/usr/bin/env bash
# The Debian package as a user installs it: built with CPack from the build folder, its file list and
# declared dependencies, its desktop entry and metainfo accepted by the desktop's validators, and the
# unpacked program starting with a throw-away home and creating the per-user talvo.fys there.
set -euo pipefail
build="$1"
tmp=$(mktemp -d)
pid=""
terminar() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"; }
trap terminar EXIT
falla() { echo "FALLA: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/salida" > "$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log"; falla "cpack no pudo armar el paquete"; }
deb=$(ls "$tmp"/salida/talvo_*_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || falla "no se generó talvo_*.deb"

# File list: the program, its desktop entry, metainfo, icons, copyright; nothing outside /usr.
contenido=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/talvo ./usr/share/applications/example.obrix.Talvo.desktop \
         ./usr/share/metainfo/example.obrix.Talvo.metainfo.xml ./usr/share/doc/talvo/copyright; do
  grep -qx -- "$f" <<<"$contenido" || falla "falta $f en el paquete"
done
for t in 16 24 32 48 64 128 256; do
  grep -qx -- "./usr/share/icons/hicolor/${t}x${t}/apps/example.obrix.Talvo.png" <<<"$contenido" \
    || falla "falta el ícono de $t píxeles"
done
if grep -v -E '^\./(usr/)?$|^\./usr/' <<<"$contenido" | grep -q .; then falla "archivos fuera de /usr"; fi
if grep -q 'talvo\.fys' <<<"$contenido"; then falla "el paquete no debe llevar datos del usuario"; fi

# Declared dependencies: the shared libraries (shlibdeps) and what it cannot see.
depende=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6sql6 libqt6printsupport6 libzint libfreexl1 libxlsxwriter libcurl4 libsecret-1-0 \
         libqt6sql6-sqlite qt6-translations-l10n fonts-liberation xdg-utils; do
  grep -q -- "$d" <<<"$depende" || falla "falta la dependencia $d en: $depende"
done
[ "$(dpkg-deb -f "$deb" Package)" = talvo ] || falla "nombre del paquete"
# One version for the package and the about box: the project's, from CMake.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] && [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] \
  || falla "versión del paquete $(dpkg-deb -f "$deb" Version), del proyecto $version"

raiz="$tmp/raiz"
dpkg-deb -x "$deb" "$raiz"
desktop-file-validate "$raiz/usr/share/applications/example.obrix.Talvo.desktop" || falla "desktop-file-validate"
appstreamcli validate --no-net "$raiz/usr/share/metainfo/example.obrix.Talvo.metainfo.xml" \
  || falla "appstreamcli validate"
# PNG width, bytes 16-19 of the header.
[ "$(od -An -tu1 -j16 -N4 "$raiz/usr/share/icons/hicolor/64x64/apps/example.obrix.Talvo.png" | tr -s ' ')" = " 0 0 0 64" ] \
  || falla "el ícono de 64 píxeles no mide 64"

# First start of the unpacked program: it creates talvo.fys in the per-user data folder.
mkdir -p "$tmp/casa"
env -i PATH=/usr/bin:/bin HOME="$tmp/casa" QT_QPA_PLATFORM=offscreen LANG=es_AR.UTF-8 \
  "$raiz/usr/bin/talvo" > "$tmp/talvo.log" 2>&1 &
pid=$!
datos="$tmp/casa/.local/share/OBRIX/TALVO/talvo.fys"
for _ in $(seq 1 100); do
  [ -s "$datos" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$tmp/talvo.log"; falla "el programa terminó al arrancar"; }
  sleep 0.2
done
[ -s "$datos" ] || { cat "$tmp/talvo.log"; falla "no se creó $datos"; }
head -c 16 "$datos" | grep -q 'SQLite format 3' || falla "talvo.fys no es una base SQLite"
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$tmp/talvo.log"; falla "el programa no siguió abierto"; }
echo "Paquete correcto: $(basename "$deb")"
