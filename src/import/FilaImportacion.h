// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CeldaImportacion.h"

#include <QString>

#include <array>

/// One data row of an import source: the nine fields in the order of the import record (CUIL,
/// name, date of entry, remuneration, category, member, termination date, leave, half-time).
struct FilaImportacion
{
    static constexpr int Columnas = 9;

    /// 1-based line of the text file or row of the sheet, for the messages.
    int numero = 0;
    std::array<CeldaImportacion, Columnas> celdas;
    /// Why the whole row cannot be read (merged cells), empty when it can.
    QString problema;
};
