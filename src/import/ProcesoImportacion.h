// SPDX-License-Identifier: GPL-3.0-or-later
// The import run shared by every kind of file: rows from a source, converted and stored.
#pragma once

#include <QString>

class AvisosImportacion;
class Conexion;
class Empresa;
class FuenteFilas;

/// Reads every row of fuente (opened here on archivo) into the company's stored employees, inside
/// one transaction. A row with a bad CUIL is told to avisos and skipped; a row Grabar refuses (no
/// name) is skipped; a row that does not convert, or a storage failure, stops the run: the rows
/// before it are committed and the reason ("Línea 12: ...") is left in bd.UltimoError(). The
/// company's ListaBaseEmpleados is reloaded in every case, so screens show what is stored.
bool ImportarDesdeFuente(Empresa& empresa, Conexion& bd, FuenteFilas& fuente, const QString& archivo,
                         AvisosImportacion* avisos);
