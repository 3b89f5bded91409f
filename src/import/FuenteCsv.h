// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FuenteFilas.h"
#include "LectorLineas.h"

#include <QStringList>

/// A CSV file as spreadsheets save it: row 1 holds the titles, data starts in row 2 and ends at the
/// first row whose column 1 is empty; the nine columns of the spreadsheet import. The separator is
/// ';' or ',', whichever the title row uses more; fields may be quoted as RFC 4180 says (doubled
/// quotes, separators and line breaks inside quotes). The remuneration is in pesos, with decimal
/// comma or point, unless the title of column 4 contains "CENTAVOS": then whole hundredths.
class FuenteCsv : public FuenteFilas
{
public:
    /// A quoted field longer than this is an unclosed quote, not a field.
    static constexpr int LargoMaximoRegistro = 64 * 1024;

    bool Abrir(const QString& archivo, QString& motivo) override;
    Resultado Siguiente(FilaImportacion& fila, QString& motivo) override;
    UnidadHaberes Haberes() const override { return m_centesimos ? UnidadHaberes::Centesimos : UnidadHaberes::Pesos; }

    QChar Separador() const { return m_separador; }

private:
    /// Reads one record (one or more lines when quotes hold line breaks) split into fields.
    Resultado LeerRegistro(QStringList& campos, QString& motivo);

    LectorLineas m_lector;
    QChar m_separador = QLatin1Char(';');
    bool m_centesimos = false;
    int m_fila = 0;
};
