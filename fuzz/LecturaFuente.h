// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a reader of the employee import gives for one file, and what must hold for any file:
// a refusal always says why, a data row never has a blank first column, an unreadable cell says why,
// and every row converts into an employee that is whole or into a stated reason.
#pragma once

#include "import/FilaImportacion.h"
#include "import/FuenteFilas.h"

#include <QList>
#include <QString>

struct LecturaFuente
{
    bool abierta = false;
    QString motivoApertura;
    QList<FilaImportacion> filas;
    bool error = false; ///< Siguiente stopped with Error
    QString motivoError;
    bool terminada = false; ///< Terminar accepted the file
    QString motivoTerminar;
    FuenteFilas::UnidadHaberes unidad = FuenteFilas::UnidadHaberes::Centesimos;
    bool base1904 = false;

    /// Opens archivo with fuente and reads it to the end, or to maximoFilas rows (a small archive may
    /// expand into a huge sheet; past that many rows a run would only get slower).
    static LecturaFuente Leer(FuenteFilas& fuente, const QString& archivo, int maximoFilas = 2000);

    /// Stops the fuzzer when a rule every reader keeps is broken. Rows are numbered from primeraFila
    /// on, increasing when crecientes; a sheet (hoja) ends before a row whose first cell is blank.
    void ExigirCoherente(int primeraFila, bool crecientes, bool hoja = true) const;
    /// Stops the fuzzer unless the file was read whole and gave exactly these rows.
    void ExigirFilas(const QList<FilaImportacion>& esperadas) const;
    /// Same outcome, same rows, same cells (two readings of one file must agree).
    bool operator==(const LecturaFuente& otra) const;
    /// The rows as text, for the message of a mismatch.
    QString Describir() const;

    /// Cells compare by kind, text and number (NaN equal to NaN).
    static bool MismaCelda(const CeldaImportacion& a, const CeldaImportacion& b);
    static QString DescribirCelda(const CeldaImportacion& c);
};
