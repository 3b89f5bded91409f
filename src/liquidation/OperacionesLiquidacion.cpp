// SPDX-License-Identifier: GPL-3.0-or-later
#include "OperacionesLiquidacion.h"

#include "liquidation/Liquidacion.h"
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Empresa.h"
#include "records/ListaEmpleados.h"

qint64 IdDeclaracionGuardada(Conexion& bd, const Liquidacion& liq, int ordinal)
{
    const qint64 idEmpresa = liq.Empresa() ? liq.Empresa()->IdEmpresa() : 0;
    Consulta c = bd.AbrirConsulta(QStringLiteral("select id from liquidaciones where idmatriz = %1 and mes = %2 and "
                                                 "anio = %3 and orig_rect = %4 and extraord %5 order by id")
                                      .arg(idEmpresa)
                                      .arg(liq.Mes())
                                      .arg(liq.Anio())
                                      .arg(ordinal)
                                      .arg(liq.Extraordinaria() ? QStringLiteral("<> 0") : QStringLiteral("= 0")));
    if (!c.Valida())
        return -1;
    return c.Fin() ? 0 : c.Entero(QStringLiteral("id"));
}

bool QuitarEmpleado(Conexion& bd, Liquidacion& liq, qint64 idEmpleado, const QString& cuil)
{
    const QString sql = QStringLiteral("delete from empleados where id = %1").arg(idEmpleado);
    if (!bd.Ejecutar(sql))
        return false;
    if (bd.FilasAfectadas() == 0) {
        // Already gone: the slip keeps showing it, as the company's list would not.
        bd.AnotarError(sql, QStringLiteral("El empleado ya no está registrado."));
        return false;
    }
    liq.ListaEmpleadosLiquidacion().Remove(cuil);
    if (const auto empresa = liq.Empresa())
        empresa->ListaBaseEmpleados().Remove(cuil);
    return true;
}

int MesesAtras(const Liquidacion& liq, const QDate& hoy)
{
    return (hoy.year() * 12 + hoy.month()) - (liq.Anio() * 12 + liq.Mes());
}
