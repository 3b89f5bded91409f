#!/usr/bin/env bash
# Rebuilds the spreadsheet fixtures from the flat OpenDocument sources in fuentes/ with LibreOffice
# (libreoffice-calc-nogui). Run by hand when a source changes; the results are committed, so neither
# the build nor the tests need LibreOffice.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
perfil="-env:UserInstallation=file://$tmp/perfil"
for f in fuentes/base.fods fuentes/fechamala.fods fuentes/vacia.fods fuentes/formula.fods fuentes/combinadas.fods; do
  for tipo in xls xlsx ods; do
    soffice "$perfil" --headless --convert-to "$tipo" --outdir . "$f" >/dev/null 2>&1
  done
done
# A Spanish-locale CSV: ';' between fields, decimal commas, Windows-1252, cells as shown.
soffice "$perfil" --headless --convert-to 'csv:Text - txt - csv (StarCalc):59,34,1,1,,11274,false,true,true' \
  --outdir "$tmp" fuentes/pesos.fods >/dev/null 2>&1
mv "$tmp/pesos.csv" pesos-es.csv
# The import template the program carries.
soffice "$perfil" --headless --convert-to xls --outdir ../../../resources/ui/formatos fuentes/Texto.fods >/dev/null 2>&1
