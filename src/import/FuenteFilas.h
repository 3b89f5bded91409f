// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FilaImportacion.h"

#include <QString>

/// A file the employee import reads row by row: the fixed-width text file, a CSV file or a
/// spreadsheet. Each source only splits its file into rows of nine cells; converting, checking and
/// storing them is written once (ReglasImportacion, Importacion).
class FuenteFilas
{
public:
    enum class Resultado { Fila, Fin, Error };
    /// How column 4 (remuneration) is given.
    enum class UnidadHaberes { Centesimos, Pesos };

    virtual ~FuenteFilas() = default;

    /// Opens the file; false with a Spanish reason when it cannot be read as this kind of file.
    virtual bool Abrir(const QString& archivo, QString& motivo) = 0;
    /// The next data row; Fin after the last one; Error (reason in motivo, naming the line or row)
    /// when the file turns out unreadable there.
    virtual Resultado Siguiente(FilaImportacion& fila, QString& motivo) = 0;
    virtual UnidadHaberes Haberes() const { return UnidadHaberes::Centesimos; }
    /// Date serials count from 1 January 1904 (a workbook option of old Macintosh spreadsheets).
    virtual bool Fechas1904() const { return false; }
    /// "Línea" for line-based files, "Fila" for sheets: how messages name a row.
    virtual QString NombreFila() const { return QStringLiteral("Fila"); }
    /// Called once every row was read: a file that turned out to hold no record at all may refuse
    /// here (false with motivo).
    virtual bool Terminar(QString& motivo)
    {
        Q_UNUSED(motivo);
        return true;
    }
};
