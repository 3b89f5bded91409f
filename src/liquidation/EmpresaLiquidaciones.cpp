// SPDX-License-Identifier: GPL-3.0-or-later
// The company's side of its slips: its collection of stored slips, read from storage, and the copy
// of its employees into a new slip. These operations belong to the company but need the slip, so
// they live with the slips and the records stay free of them.
#include "Liquidacion.h"
#include "Liquidaciones.h"
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/ListaEmpleados.h"

::Liquidaciones& Empresa::Liquidaciones()
{
    if (!m_liquidaciones)
        m_liquidaciones = QSharedPointer<::Liquidaciones>::create();
    return *m_liquidaciones;
}

void Empresa::setLiquidaciones(const QSharedPointer<::Liquidaciones>& lista)
{
    m_liquidaciones = lista;
}

void Empresa::PasarEmpleados(Liquidacion& L)
{
    ListaEmpleados& destino = L.ListaEmpleadosLiquidacion();
    destino.Clear();
    for (const auto& empleado : ListaBaseEmpleados())
        destino.Add(empleado->Clonar(), empleado->CUIL());
}

bool Empresa::LlenarLiquidaciones(Conexion& bd, const QString& condicion, const QString& orden)
{
    ::Liquidaciones& lista = Liquidaciones();
    lista.Clear();
    QList<QSharedPointer<Liquidacion>> leidas;
    if (!Liquidacion::LeerVarias(bd, condicion, orden, leidas))
        return false;
    for (const auto& liquidacion : std::as_const(leidas))
        lista.Add(liquidacion, QString::number(liquidacion->IdLiquidacion()));
    return true;
}

bool Empresa::LeerLiquidaciones(Conexion& bd)
{
    return LlenarLiquidaciones(bd, QStringLiteral("idmatriz = %1").arg(m_idEmpresa),
                               QStringLiteral("extraord desc, anio, mes, orig_rect"));
}

bool Empresa::LeerLiquidacionesPeriodo(Conexion& bd, int Mes, int Anio)
{
    return LlenarLiquidaciones(bd, QStringLiteral("idmatriz = %1 and mes = %2 and anio = %3").arg(m_idEmpresa).arg(Mes).arg(Anio),
                               QStringLiteral("orig_rect"));
}

void Empresa::MaximosOrdinales()
{
    // Only year and month are compared: when the last extraordinary slip and the first ordinary
    // one share a period, the extraordinary one is dropped too.
    ::Liquidaciones copia = Liquidaciones();
    const QList<int> repetidas = copia.PosicionesSuperadas();
    for (int k = int(repetidas.size()) - 1; k >= 0; --k)
        copia.Remove(repetidas.at(k));
    // The filtered copy takes the collection's place in the same object, so that references
    // screens hold to Liquidaciones() stay valid.
    Liquidaciones() = copia;
}
