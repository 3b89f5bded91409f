// SPDX-License-Identifier: GPL-3.0-or-later
// The amount in words over any amount in range: the words read back give the whole pesos of the
// figure, and their cents are the cents the payment code carries for the same amount.
#include "ApoyoFuzz.h"
#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "printing/MontoEnLetras.h"
#include "records/Empresa.h"
#include "records/Global.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <cstring>

namespace {

/// Reads the words back into a number: units, tens, hundreds, MIL and MILLON(ES).
qint64 Valor(const QString& palabras, bool& ok)
{
    static const QHash<QString, int> numeros = {
        {"UN", 1}, {"UNO", 1}, {"DOS", 2}, {"TRES", 3}, {"CUATRO", 4}, {"CINCO", 5}, {"SEIS", 6}, {"SIETE", 7},
        {"OCHO", 8}, {"NUEVE", 9}, {"DIEZ", 10}, {"ONCE", 11}, {"DOCE", 12}, {"TRECE", 13}, {"CATORCE", 14},
        {"QUINCE", 15}, {"DIECISEIS", 16}, {"DIECISIETE", 17}, {"DIECIOCHO", 18}, {"DIECINUEVE", 19},
        {"VEINTE", 20}, {"VEINTIUN", 21}, {"VEINTIDOS", 22}, {"VEINTITRES", 23}, {"VEINTICUATRO", 24},
        {"VEINTICINCO", 25}, {"VEINTISEIS", 26}, {"VEINTISIETE", 27}, {"VEINTIOCHO", 28}, {"VEINTINUEVE", 29},
        {"TREINTA", 30}, {"CUARENTA", 40}, {"CINCUENTA", 50}, {"SESENTA", 60}, {"SETENTA", 70}, {"OCHENTA", 80},
        {"NOVENTA", 90}, {"CIEN", 100}, {"CIENTO", 100}, {"DOSCIENTOS", 200}, {"TRESCIENTOS", 300},
        {"CUATROCIENTOS", 400}, {"QUINIENTOS", 500}, {"SEISCIENTOS", 600}, {"SETECIENTOS", 700},
        {"OCHOCIENTOS", 800}, {"NOVECIENTOS", 900}};
    ok = true;
    qint64 total = 0;
    qint64 grupo = 0;
    bool hayGrupo = false;
    for (const QString& p : palabras.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (p == QLatin1String("Y"))
            continue;
        if (p == QLatin1String("MILLON") || p == QLatin1String("MILLONES")) {
            total += (hayGrupo ? grupo : 1) * 1000000;
            grupo = 0;
            hayGrupo = false;
        } else if (p == QLatin1String("MIL")) {
            total += (hayGrupo ? grupo : 1) * 1000; // "MIL" alone is one thousand
            grupo = 0;
            hayGrupo = false;
        } else if (numeros.contains(p)) {
            grupo += numeros.value(p);
            hayGrupo = true;
        } else {
            ok = false;
        }
    }
    return total + grupo;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    Entrada entrada(datos, tamano);
    // Whole cents in range, or a raw double (which may be anything, NaN included).
    const quint64 bruto = entrada.Entero(8);
    const double importe = entrada.Entero(1) % 2 ? double(bruto % 100000000000ULL) / 100.0 : [&] {
        double d = 0;
        std::memcpy(&d, &bruto, sizeof d);
        return d;
    }();
    const QString texto = MontoEnLetras(importe);
    const qint64 centavos = Centavos(importe);
    if (centavos < 0 || centavos > 99999999999LL) {
        Exigir(texto.isEmpty(), QStringLiteral("fuera de rango sin texto vacío: %1").arg(importe, 0, 'g', 17));
        return 0;
    }
    if (centavos == 0) {
        Exigir(texto == QLatin1String("CERO"), QStringLiteral("cero: %1").arg(texto));
        return 0;
    }
    static const QRegularExpression forma(QStringLiteral("^(.*)CON \\( (\\d{1,2})/100\\)$"));
    const auto m = forma.match(texto);
    Exigir(m.hasMatch(), QStringLiteral("forma: %1").arg(texto));
    bool ok = false;
    Exigir(Valor(m.captured(1), ok) == centavos / 100 && ok,
           QStringLiteral("%1 dice %2").arg(FormatoImporte(importe), texto));
    Exigir(m.captured(2).toInt() == centavos % 100, QStringLiteral("centavos de %1: %2").arg(importe).arg(texto));

    // The payment code of a slip whose whole deposit is this amount carries the same cents.
    if (centavos <= 999999999) {
        Liquidacion liq;
        auto empresa = QSharedPointer<Empresa>::create();
        empresa->setCUIT(QStringLiteral("30-12345678-1"));
        liq.setEmpresa(empresa);
        liq.setMes(3);
        liq.setAnio(2012);
        liq.setPagadoOtros(importe);
        const QString codigo = CodigoPago(liq);
        Exigir(codigo.size() == 60, QStringLiteral("código para %1").arg(importe));
        Exigir(codigo.mid(15, 9).toLongLong() == centavos,
               QStringLiteral("el código dice %1 y las palabras %2").arg(codigo.mid(15, 9), texto));
    }
    return 0;
}
