// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// One field of an imported row as its source holds it: text (a text file's positions, a CSV
/// field, a sheet's text cell), a number (a sheet's number, date serial or boolean) or nothing.
/// A cell the source cannot give a value for (a formula without a stored result, an error value)
/// is Ilegible, with the reason in texto.
struct CeldaImportacion
{
    enum class Tipo { Vacia, Texto, Numero, Ilegible };

    Tipo tipo = Tipo::Vacia;
    QString texto;
    double numero = 0;

    static CeldaImportacion DeTexto(const QString& t)
    {
        CeldaImportacion c;
        c.tipo = Tipo::Texto;
        c.texto = t;
        return c;
    }
    static CeldaImportacion DeNumero(double n)
    {
        CeldaImportacion c;
        c.tipo = Tipo::Numero;
        c.numero = n;
        return c;
    }
    static CeldaImportacion DeIlegible(const QString& motivo)
    {
        CeldaImportacion c;
        c.tipo = Tipo::Ilegible;
        c.texto = motivo;
        return c;
    }
    /// Empty, or text made only of blanks.
    bool EnBlanco() const { return tipo == Tipo::Vacia || (tipo == Tipo::Texto && texto.trimmed().isEmpty()); }
};
