// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the import tests: a stored company, a notice recorder, records and fixtures.
#pragma once

#include "import/AvisosImportacion.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/ListaEmpleados.h"

#include <QFile>
#include <QSharedPointer>
#include <QStringList>
#include <QTest>

/// Records every notice, as the screen would show them.
class AvisosPrueba : public AvisosImportacion
{
public:
    void CuilIncorrecto(int fila, const QString& nombre) override
    {
        filas << fila;
        nombres << nombre;
    }
    QList<int> filas;
    QStringList nombres;
};

inline QSharedPointer<Empresa> EmpresaGrabada(Conexion& bd, const QString& cuit = QStringLiteral("30-12345678-9"))
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre(QStringLiteral("Almacén Núñez S.A."));
    emp->setNombreComercial(QStringLiteral("El Almacén"));
    emp->setCalle(QStringLiteral("Av. de Mayo"));
    emp->setNumero(QStringLiteral("1234"));
    emp->setCalleLegal(QStringLiteral("Rivadavia"));
    emp->setNumeroLegal(QStringLiteral("55"));
    emp->setCodPost(QStringLiteral("1602"));
    emp->setLocalidad(QStringLiteral("FLORIDA"));
    emp->setCodRubro(QStringLiteral("523110"));
    return emp->Grabar(bd) ? emp : QSharedPointer<Empresa>();
}

/// An 84-character import record from its nine fields (the name is left-justified to 40).
inline QString Registro(const QString& cuil, const QString& nombre,
                        const QString& ingreso = QStringLiteral("01/02/2010"),
                        const QString& haberes = QStringLiteral("000150000"),
                        const QString& resto = QStringLiteral("11"), const QString& baja = QStringLiteral("00/00/0000"),
                        const QString& final = QStringLiteral("00"))
{
    return cuil + nombre.leftJustified(40, QLatin1Char(' '), true) + ingreso + haberes + resto + baja + final;
}

inline bool Escribir(const QString& archivo, const QByteArray& contenido)
{
    QFile f(archivo);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenido) == contenido.size();
}

/// The employee with that CUIL in the company's loaded list, or null.
inline QSharedPointer<Empleado> Buscar(Empresa& emp, const QString& cuil)
{
    for (const auto& e : emp.ListaBaseEmpleados())
        if (e->CUIL() == cuil)
            return e;
    return {};
}
