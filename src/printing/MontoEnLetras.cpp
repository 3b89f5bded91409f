// SPDX-License-Identifier: GPL-3.0-or-later
#include "MontoEnLetras.h"

#include "records/Global.h"

#include <array>

namespace {

const std::array<const char*, 10> kUnidades = {"",       "UN ",   "DOS ",  "TRES ", "CUATRO ",
                                               "CINCO ", "SEIS ", "SIETE ", "OCHO ", "NUEVE "};
// Every value from 10 to 29 is a single word.
const std::array<const char*, 20> kDieces = {
    "DIEZ ",       "ONCE ",       "DOCE ",         "TRECE ",       "CATORCE ",     "QUINCE ",     "DIECISEIS ",
    "DIECISIETE ", "DIECIOCHO ",  "DIECINUEVE ",   "VEINTE ",      "VEINTIUN ",    "VEINTIDOS ",  "VEINTITRES ",
    "VEINTICUATRO ", "VEINTICINCO ", "VEINTISEIS ", "VEINTISIETE ", "VEINTIOCHO ", "VEINTINUEVE "};
const std::array<const char*, 10> kDecenas = {"",          "",          "",         "TREINTA ", "CUARENTA ",
                                              "CINCUENTA ", "SESENTA ", "SETENTA ", "OCHENTA ", "NOVENTA "};
const std::array<const char*, 10> kCentenas = {"",            "CIENTO ",      "DOSCIENTOS ",  "TRESCIENTOS ",
                                               "CUATROCIENTOS ", "QUINIENTOS ", "SEISCIENTOS ", "SETECIENTOS ",
                                               "OCHOCIENTOS ", "NOVECIENTOS "};

/// One group of three digits without its suffix. unoFinal is the word for a units digit 1
/// ("UN " before the thousands are written, "UNO" after them).
QString Grupo(int valor, const QString& unoFinal)
{
    const int h = valor / 100;
    const int t = (valor / 10) % 10;
    const int u = valor % 10;
    QString s = QString::fromLatin1(kCentenas[h]);
    const QString unidad = u == 1 ? unoFinal : QString::fromLatin1(kUnidades[u]);
    if (t == 0 && u == 0)
        return s;
    if (t != 0 && 10 * t + u <= 29) {
        s += QString::fromLatin1(kDieces[10 * t + u - 10]);
    } else if (t != 0) {
        s += QString::fromLatin1(kDecenas[t]);
        if (u != 0)
            s += QStringLiteral(" Y ");
        s += unidad;
    } else {
        s += unidad;
    }
    return s;
}

} // namespace

QString MontoEnLetras(double importe)
{
    const qint64 centavosTotales = Centavos(importe);
    if (centavosTotales < 0 || centavosTotales > 99999999999LL)
        return QString();
    if (centavosTotales == 0)
        return QStringLiteral("CERO");

    const qint64 entero = centavosTotales / 100;
    const int centavos = int(centavosTotales % 100);
    const int millones = int(entero / 1000000);
    const int miles = int((entero / 1000) % 1000);
    const int unidades = int(entero % 1000);

    QString s;
    QString uno = QStringLiteral("UN ");
    if (millones == 100)
        s += QStringLiteral(" CIEN") + QStringLiteral(" MILLONES ");
    else if (millones == 1)
        s += QStringLiteral(" UN MILLON ");
    else if (millones != 0)
        s += Grupo(millones, uno) + QStringLiteral(" MILLONES ");

    if (miles != 0) {
        if (miles == 100)
            s += QStringLiteral("CIEN ") + QStringLiteral(" MIL ");
        else if (miles == 1)
            s += QStringLiteral(" MIL "); // 1000 reads "MIL", never "UN MIL"
        else
            s += Grupo(miles, uno) + QStringLiteral(" MIL ");
        uno = QStringLiteral("UNO");
    }

    if (unidades == 100)
        s += QStringLiteral("CIEN") + QStringLiteral(" ");
    else if (unidades == 1)
        s += QStringLiteral(" UNO") + QStringLiteral(" ");
    else if (unidades != 0)
        s += Grupo(unidades, uno) + QStringLiteral(" ");

    return s + QStringLiteral("CON ( %1/100)").arg(centavos);
}
