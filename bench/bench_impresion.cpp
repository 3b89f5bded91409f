// SPDX-License-Identifier: GPL-3.0-or-later
// One slip page printed to a PDF file in-process, timed over repeated runs.
// Usage: bench_impresion [kept.pdf] — the last page printed is left in kept.pdf when given.
#include "liquidation/Liquidacion.h"
#include "printing/ImpresionLiquidacion.h"
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/Impresoras.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/ListaEmpleados.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    auto empresa = QSharedPointer<Empresa>::create();
    empresa->setCUIT(QStringLiteral("30-12345678-1"));
    empresa->setNombre(QStringLiteral("Almacén Ñandú S.R.L."));
    empresa->setCalle(QStringLiteral("San Martín"));
    empresa->setNumero(QStringLiteral("1450"));
    empresa->setLocalidad(QStringLiteral("VELMAR"));
    Liquidacion liq;
    liq.setEmpresa(empresa);
    for (int i = 0; i < 25; ++i) {
        auto e = QSharedPointer<Empleado>::create();
        e->setCUIL(QStringLiteral("20-%1-0").arg(10000000 + i));
        e->setHaberes(150000 + 1000 * i);
        e->setParam2(0.02);
        e->setParamFCM(0.02);
        e->setAfiliado(i % 3 != 0);
        liq.ListaEmpleadosLiquidacion().Add(e, e->CUIL());
    }
    liq.setPagado2(liq.APagar2());
    liq.setPagadoFCM(liq.APagarFCM());
    liq.setCoeficiente(3.5);
    liq.setPagadoRecargo(liq.APagarRecargo());

    QTemporaryDir carpeta;
    const QString pdf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : carpeta.filePath(QStringLiteral("boleta.pdf"));
    Impresoras impresoras;
    impresoras.UsarArchivoPdf(pdf);
    ImpresoraSistema& impresora = impresoras.Actual();

    const int vueltas = 30;
    std::vector<double> tiempos;
    for (int i = 0; i < vueltas; ++i) {
        QElapsedTimer reloj;
        reloj.start();
        QString error;
        if (!Imprimir(liq, impresora, &error)) {
            std::fprintf(stderr, "error: %s\n", qPrintable(error));
            return 1;
        }
        tiempos.push_back(reloj.nsecsElapsed() / 1e6);
    }
    const double primera = tiempos.front();
    std::sort(tiempos.begin(), tiempos.end());
    std::printf("bench_impresion: one slip page to PDF: first %.1f ms, median %.1f ms, worst %.1f ms (%d runs)\n",
                primera, tiempos[vueltas / 2], tiempos.back(), vueltas);
    return 0;
}
