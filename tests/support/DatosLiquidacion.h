// SPDX-License-Identifier: GPL-3.0-or-later
// Companies, employees and slips shared by the liquidation tests.
#pragma once

#include "liquidation/Liquidacion.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "support/BasePrueba.h"

#include <QFile>
#include <QSharedPointer>

/// Parameters that make the amounts easy to follow: 2 %, 2 %, dues 150.
inline void ParametrosPrueba()
{
    ParamPorcentajeDos = 2;
    ParamPorcentajeFcm = 2;
    ParamImporteCta = 150;
}

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

/// An employee of emp, already in the company's list (not stored).
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
    return emp->ListaBaseEmpleados().Add(e, cuil);
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

/// A stored company with three stored employees: Pérez (member, category 1), O'Brien
/// (terminated 15/03/2014, category 120) and Gómez (member, on leave).
struct BaseConEmpleados
{
    BasePrueba base;
    QSharedPointer<Empresa> emp;
    QList<QSharedPointer<Empleado>> empleados;

    BaseConEmpleados()
    {
        ParametrosPrueba(); // over the file's own, just loaded
        emp = EmpresaPrueba(&base.bd());
        empleados = {EmpleadoPrueba(emp, "20-12345678-6", "Pérez, Juan", 10000, true),
                     EmpleadoPrueba(emp, "27-12345678-0", "O'Brien, Ana", 5000, false, QDate(2014, 3, 15)),
                     EmpleadoPrueba(emp, "20-00000001-9", "Gómez, Luis", 8000, true, FechaSinBaja(), 2)};
        empleados[0]->setCategoria(1);
        empleados[1]->setCategoria(120);
        for (const auto& e : empleados) {
            m_valida = m_valida && e->Grabar(base.bd());
            e->setNuevo(false);
        }
    }
    bool Valida() const { return m_valida && base.Valida(); }
    Conexion& bd() { return base.bd(); }
    QVariant Valor(const QString& sql) { return base.bd().ValorEscalar(sql); }
    /// A slip of e (the fixture's company when null) for the period, stored; null when the save fails.
    QSharedPointer<Liquidacion> Grabada(int mes, int anio, int ordinal = 0, bool extra = false,
                                        QSharedPointer<Empresa> e = {})
    {
        auto liq = LiquidacionPrueba(e ? e : emp, mes, anio, ordinal, extra);
        return liq->Grabar(base.bd()) ? liq : QSharedPointer<Liquidacion>();
    }
    /// The file's bytes: a failed save must leave them exactly as they were.
    QByteArray Huella()
    {
        QFile f(base.Archivo());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    bool m_valida = true;
};
