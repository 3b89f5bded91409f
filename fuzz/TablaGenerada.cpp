// SPDX-License-Identifier: GPL-3.0-or-later
#include "TablaGenerada.h"

#include "ApoyoFuzz.h"
#include "import/ReglasImportacion.h"

namespace {

QString Texto(Entrada& e)
{
    // Pieces that trip up writers and readers of each format.
    static const QStringList piezas = {QStringLiteral("a"),  QStringLiteral("Z"),  QStringLiteral("0"),
                                       QStringLiteral("7"),  QStringLiteral(" "),  QStringLiteral("  "),
                                       QStringLiteral(";"),  QStringLiteral(","),  QStringLiteral("\""),
                                       QStringLiteral("'"),  QStringLiteral("<"),  QStringLiteral("&"),
                                       QStringLiteral("\n"), QStringLiteral("\t"), QStringLiteral("ñ"),
                                       QStringLiteral("É"),  QStringLiteral("€"),  QStringLiteral("😀"),
                                       QStringLiteral("/"),  QStringLiteral("-"),  QStringLiteral("."),
                                       QStringLiteral("20-12345678-6"), QStringLiteral("01/02/2010"),
                                       QStringLiteral("1500,50"), QStringLiteral("]]>"), QStringLiteral("CENTAVOS")};
    const int largo = 1 + int(e.Entero(1) % 6);
    QString t;
    for (int i = 0; i < largo; ++i)
        t += piezas.at(int(e.Entero(1) % quint64(piezas.size())));
    return t;
}

double Numero(Entrada& e)
{
    switch (e.Entero(1) % 4) {
    case 0:
        return double(e.Entero(2));
    case 1:
        return double(e.Entero(5)) / 100.0;
    case 2:
        return double(20000000000ULL + e.Entero(4)); // a CUIL typed as a number
    default:
        return e.Doble(); // anything, infinities and NaN included
    }
}

} // namespace

TablaGenerada::TablaGenerada(Entrada& e, bool conRepeticiones)
{
    for (int c = 0; c < FilaImportacion::Columnas; ++c)
        m_titulos << TituloColumna(c);
    const int filas = int(e.Entero(1) % 7);
    for (int f = 0; f < filas; ++f) {
        Fila fila;
        const int celdas = int(e.Entero(1) % 13);
        for (int c = 0; c < celdas; ++c) {
            const quint64 tipo = e.Entero(1) % 8;
            if (tipo < 2)
                fila.celdas << CeldaImportacion();
            else if (tipo < 6)
                fila.celdas << CeldaImportacion::DeTexto(Texto(e));
            else
                fila.celdas << CeldaImportacion::DeNumero(Numero(e));
        }
        if (conRepeticiones && e.Entero(1) % 4 == 0)
            fila.repeticiones = 2 + int(e.Entero(1) % 3);
        m_filas << fila;
    }
}

QList<FilaImportacion> TablaGenerada::Esperadas(
    const std::function<CeldaImportacion(const CeldaImportacion&)>& comoSeLee) const
{
    QList<FilaImportacion> esperadas;
    int numero = 2;
    for (const Fila& f : m_filas) {
        FilaImportacion fila;
        fila.numero = numero;
        for (int c = 0; c < FilaImportacion::Columnas && c < f.celdas.size(); ++c)
            fila.celdas[size_t(c)] = comoSeLee(f.celdas.at(c));
        if (fila.celdas[0].EnBlanco())
            break;
        esperadas << fila;
        numero += f.repeticiones;
    }
    return esperadas;
}
