// SPDX-License-Identifier: GPL-3.0-or-later
// A small sheet drawn from the fuzzer's bytes: a title row and a few data rows of up to twelve cells
// (texts with separators, quotes, markup characters, line breaks, accents and characters outside the
// basic plane; numbers of any size; empty cells). A target writes it in its format and reads it back:
// the reader must give exactly these cells, the first nine of each row, up to the first row whose
// first cell is blank, and nothing more.
#pragma once

#include "import/FilaImportacion.h"

#include <QList>
#include <QStringList>

#include <functional>

class Entrada;

class TablaGenerada
{
public:
    struct Fila
    {
        QList<CeldaImportacion> celdas;
        int repeticiones = 1; ///< identical rows written as one (only formats that can say so)
    };

    TablaGenerada(Entrada& entrada, bool conRepeticiones);

    /// Titles of row 1 (the nine column titles).
    const QStringList& Titulos() const { return m_titulos; }
    const QList<Fila>& Filas() const { return m_filas; }

    /// The rows an import must read from the written sheet; comoSeLee turns a written cell into the
    /// cell the format gives back (a CSV gives every value as text).
    QList<FilaImportacion> Esperadas(const std::function<CeldaImportacion(const CeldaImportacion&)>& comoSeLee) const;

private:
    QStringList m_titulos;
    QList<Fila> m_filas;
};
