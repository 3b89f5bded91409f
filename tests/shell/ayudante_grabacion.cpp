// SPDX-License-Identifier: GPL-3.0-or-later
// Saves slips of the first company of a talvo.fys in a loop, new ones and rewrites of stored ones, until
// it is killed. Prints one line per finished save, so that whoever kills it knows saves are under way.
#include "liquidation/Liquidacion.h"
#include "records/Conexion.h"
#include "records/Empresa.h"
#include "records/Global.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    Conexion bd;
    if (!bd.Abrir(QString::fromLocal8Bit(argv[1])) || !CargarParametros(bd))
        return 3;
    auto empresa = QSharedPointer<Empresa>::create();
    if (!empresa->Leer(bd, bd.ValorEscalar(QStringLiteral("select min(id) from empresas")).toLongLong())
        || !empresa->CargarListaEmpleados(bd))
        return 4;
    QRandomGenerator azar(quint32(QByteArray(argv[2]).toUInt()));
    for (int vuelta = 0;; ++vuelta) {
        Liquidacion liq;
        liq.setEmpresa(empresa);
        empresa->PasarEmpleados(liq);
        liq.setMes(1 + int(azar.bounded(12)));
        liq.setAnio(2020 + int(azar.bounded(5)));
        liq.setPagado2(liq.APagar2());
        liq.setPagadoFCM(liq.APagarFCM());
        liq.setPagadoCuota(liq.APagarCuota());
        const qint64 guardadas = bd.ValorEscalar(QStringLiteral("select count(*) from liquidaciones")).toLongLong();
        if (guardadas > 0 && azar.bounded(2) == 0) {
            // Rewrite a stored slip: its employee rows are deleted and written again.
            const qint64 id = bd.ValorEscalar(QStringLiteral("select id from liquidaciones order by random() limit 1"))
                                  .toLongLong();
            liq.SetNueva(false);
            liq.setIdLiquidacion(id);
        }
        if (!liq.Grabar(bd)) {
            std::fprintf(stderr, "no se pudo grabar: %s\n", qPrintable(bd.UltimoError()));
            return 5;
        }
        std::printf("%d\n", vuelta);
        std::fflush(stdout);
    }
}
