// SPDX-License-Identifier: GPL-3.0-or-later
// What the employee screens' tests share: a fresh database with two stored companies, and helpers
// that type into a screen's fields the way a user does.
#pragma once

#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "records/Reloj.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Teclado.h"

#include <QApplication>
#include <QComboBox>

/// Two stored companies, A and B, with no employees; today is 10 May 2024.
struct EscenaEmpleados
{
    BasePrueba base;
    DialogosPrueba dialogos;
    QSharedPointer<Empresa> a = GrabarEmpresa(QStringLiteral("30-12345678-9"), QStringLiteral("Almacén Núñez"));
    QSharedPointer<Empresa> b = GrabarEmpresa(QStringLiteral("30-00000001-1"), QStringLiteral("Tienda Sur"));

    EscenaEmpleados() { Reloj::Fijar(QDate(2024, 5, 10)); }
    ~EscenaEmpleados() { Reloj::Fijar(QDate()); }

    QSharedPointer<::Empresa> GrabarEmpresa(const QString& cuit, const QString& nombre)
    {
        auto emp = QSharedPointer<::Empresa>::create();
        emp->setCUIT(cuit);
        for (auto set : {&Empresa::setNombre, &Empresa::setNombreComercial, &Empresa::setCalle, &Empresa::setNumero,
                         &Empresa::setCalleLegal, &Empresa::setNumeroLegal, &Empresa::setLocalidad})
            (emp.data()->*set)(nombre);
        emp->setCodPost(QStringLiteral("1602"));
        emp->setCodRubro(QStringLiteral("523110"));
        if (emp->Grabar(base.bd()))
            return emp;
        qWarning("%s", qPrintable(base.bd().UltimoError()));
        return nullptr;
    }

    /// A stored employee of emp (a member earning 1000 when not told otherwise).
    QSharedPointer<Empleado> GrabarEmpleado(const QSharedPointer<::Empresa>& emp, const QString& cuil,
                                      const QString& nombre, double haberes = 1000)
    {
        auto e = QSharedPointer<::Empleado>::create();
        e->setEmpresa(emp);
        e->setCUIL(cuil);
        e->setNombre(nombre);
        e->setHaberes(haberes);
        e->setAfiliado(true);
        e->setCategoria(120);
        if (e->Grabar(base.bd()))
            return e;
        qWarning("%s", qPrintable(base.bd().UltimoError()));
        return nullptr;
    }

    qint64 Contar(const QString& donde) { return base.Contar(QStringLiteral("select count(*) from empleados ") + donde); }
    QString Valor(const QString& sql) { return base.bd().ValorEscalar(sql).toString(); }
};

/// Replaces a field's text by typing, and leaves it with Tab when salir (the window must be active).
inline void Escribir(QLineEdit* campo, const QString& texto, bool salir = true)
{
    Tipear(campo, texto);
    if (salir) {
        QTest::keyClick(campo, Qt::Key_Tab);
        QApplication::processEvents(); // checks made on leaving run right after the focus has moved
    }
}

/// Chooses entry i of a list as the user does.
inline void Elegir(QComboBox* lista, int i)
{
    lista->setCurrentIndex(i);
    emit lista->activated(i);
}
