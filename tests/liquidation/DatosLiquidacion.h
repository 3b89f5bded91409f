// SPDX-License-Identifier: GPL-3.0-or-later
// Companies, employees and slips shared by the liquidation tests.
#pragma once

#include "liquidation/Liquidacion.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"

#include <QSharedPointer>

/// A complete company (accents in its names); stored when bd is given.
inline QSharedPointer<Empresa> EmpresaPrueba(Conexion* bd = nullptr, const QString& cuit = QStringLiteral("30-12345678-9"))
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre(QStringLiteral("Almacén Núñez S.R.L."));
    emp->setNombreComercial(QStringLiteral("El Ñandú"));
    emp->setCalle(QStringLiteral("Av. de Mayo"));
    emp->setNumero(QStringLiteral("1234"));
    emp->setPiso(QStringLiteral("3"));
    emp->setDpto(QStringLiteral("B"));
    emp->setCalleLegal(QStringLiteral("Rivadavia"));
    emp->setNumeroLegal(QStringLiteral("55"));
    emp->setPisoLegal(QStringLiteral("PB"));
    emp->setTelefonos(QStringLiteral("4444-5555"));
    emp->setCodPost(QStringLiteral("1602"));
    emp->setLocalidad(QStringLiteral("FLORIDA"));
    emp->setCodProv(QStringLiteral("2"));
    emp->setEmail(QStringLiteral("info@nunez.example"));
    emp->setFechaInicio(QDate(2001, 5, 17));
    emp->setCodRubro(QStringLiteral("523110"));
    emp->setSocio(QStringLiteral("Juan Núñez"));
    emp->setDocuSocio(QStringLiteral("DNI 12.345.678"));
    if (bd && !emp->Grabar(*bd))
        return {};
    return emp;
}

/// An employee of emp (not stored).
inline QSharedPointer<Empleado> EmpleadoPrueba(const QSharedPointer<Empresa>& emp, const QString& cuil,
                                               const QString& nombre, double haberes, bool afiliado = false,
                                               const QDate& baja = FechaSinBaja(), int licencia = 0)
{
    auto e = QSharedPointer<Empleado>::create();
    e->setEmpresa(emp);
    e->setCUIL(cuil);
    e->setNombre(nombre);
    e->setHaberes(haberes);
    e->setAfiliado(afiliado);
    e->setFechaBaja(baja);
    e->setLicencia(licencia);
    e->setFechaIngreso(QDate(2010, 2, 1));
    return e;
}

/// Stores the employee in the master list and adds it to the company's list; false on failure.
inline bool AltaEmpleado(Conexion& bd, const QSharedPointer<Empleado>& e)
{
    if (!e->Grabar(bd))
        return false;
    e->setNuevo(false);
    e->Empresa()->ListaBaseEmpleados().Add(e, e->CUIL());
    return true;
}

/// A new slip of emp for mes/anio with a copy of the company's employees.
inline QSharedPointer<Liquidacion> LiquidacionPrueba(const QSharedPointer<Empresa>& emp, int mes, int anio,
                                                     int ordinal = 0, bool extraordinaria = false)
{
    auto liq = QSharedPointer<Liquidacion>::create();
    liq->setEmpresa(emp);
    liq->setMes(mes);
    liq->setAnio(anio);
    liq->setOrdinal(ordinal);
    liq->setExtraordinaria(extraordinaria);
    emp->PasarEmpleados(*liq);
    return liq;
}
