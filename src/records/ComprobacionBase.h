// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a file is a database of this program. Start-up checks the operating file with it and the
// restore command checks the chosen copy, so both accept exactly the same files.
#pragma once

#include <QString>

class Conexion;

/// Outcome of checking a database file.
enum class EstadoBase {
    Correcta,        ///< an SQLite file whose schema is exactly the template's
    NoEsBaseDeDatos, ///< not an SQLite file at all (text, another format, empty)
    Danada,          ///< an SQLite file cut while being written (shorter than its header says) or with a damaged header
    EsquemaDistinto, ///< an SQLite file whose schema differs from the template's
    Ilegible,        ///< cannot be read (permissions, I/O error); the detail gives the system's reason
    SinPlantilla     ///< the program itself carries no template to compare with
};

/// Opens archivo in bd and compares its schema with the template's: every table with its columns
/// (type, NOT NULL, default, CHECK, keys and references), every index, trigger and view, and the
/// schema version, no more and no less. A trigger or column added by hand, or a CHECK taken away,
/// would make later saves lose rows or fail. Only the schema and the file header are read, never the
/// data pages, so the check costs the same on a file of any size. The file is not changed.
/// bd stays open only on Correcta; otherwise detalle (when given) says what is wrong, in Spanish.
EstadoBase AbrirComprobada(Conexion& bd, const QString& archivo, QString* detalle = nullptr);
