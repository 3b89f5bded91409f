// SPDX-License-Identifier: GPL-3.0-or-later
// The screens the hostile-input test types into, each over its own database: the company screen in
// the main window, the employee edit screen as its list opens it, and (from tst_frmboleta.h) the
// slip screens.
#pragma once

#include "tst_frmboleta.h"

#include "records/ListaEmpleados.h"
#include "screens/frmEmpleados.h"
#include "screens/frmEmpresas.h"

#include <QMdiSubWindow>

#include <memory>

/// A valid CUIL/CUIT of the given prefix and eight-digit number (the check digit that passes).
inline QString CuitValidoDe(int prefijo, int numero)
{
    const QString base = QStringLiteral("%1-%2-").arg(prefijo).arg(numero, 8, 10, QLatin1Char('0'));
    for (int d = 0; d <= 9; ++d)
        if (CuitValido(base + QString::number(d)))
            return base + QString::number(d);
    return QString();
}

/// Closes a screen's window in the work area and lets it be deleted.
inline void CerrarVentana(QWidget* pantalla)
{
    if (auto* ventana = qobject_cast<QMdiSubWindow*>(pantalla->parentWidget()))
        ventana->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// The slip's property behind a text field of the deposit tab.
inline QString Propiedad(const Liquidacion& l, const QString& campo)
{
    const QMap<QString, QString> valores = {
        {QStringLiteral("txtOtrosConceptos"), l.OtrosConceptos()}, {QStringLiteral("txtNroReq"), l.NroReq()},
        {QStringLiteral("txtOCCreditos"), l.ConceptoCredito()},     {QStringLiteral("txtNroCuota"), l.Cuota()},
        {QStringLiteral("txtInspector"), l.Inspector()},            {QStringLiteral("txtBanco"), l.Banco()},
        {QStringLiteral("txtCheque"), l.NroCheque()}};
    return valores.value(campo);
}

/// The company screen over a database holding one complete company.
struct EscenaEmpresas
{
    BasePrueba base;
    DialogosPrueba dialogos;
    std::unique_ptr<frmPadre> ventana;
    qint64 id = 0;
    int altas = 0;

    EscenaEmpresas()
    {
        id = EmpresaPrueba(&base.bd(), CuitValidoDe(30, 12345678))->IdEmpresa();
        ventana = std::make_unique<frmPadre>(dialogos);
        ventana->show();
        // Active, so that the focus moves between fields as the user moves it.
        if (!QTest::qWaitForWindowActive(ventana.get()))
            qWarning("la ventana principal no se activó");
        ventana->MantenimientoEmpresas();
        dialogos.Limpiar();
    }
    frmEmpresas* Pantalla() const { return ventana->findChild<frmEmpresas*>(QStringLiteral("frmEmpresas")); }
    template <typename T = QLineEdit>
    T* W(const QString& nombre) const
    {
        return Pantalla()->findChild<T*>(nombre);
    }
    void Pulsar(const char* boton) { W<QPushButton>(QLatin1String(boton))->click(); }
    /// Closed and opened again: the screen reads every company anew.
    void Reabrir()
    {
        CerrarVentana(Pantalla());
        ventana->MantenimientoEmpresas();
    }
};

/// The employee edit screen's database: one company with one stored employee.
struct EscenaEmpleados
{
    BasePrueba base;
    DialogosPrueba dialogos;
    QSharedPointer<Empresa> emp;
    qint64 id = 0;
    int altas = 0;

    EscenaEmpleados()
    {
        ParametrosPrueba();
        emp = EmpresaPrueba(&base.bd());
        auto e = EmpleadoPrueba(emp, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez, Ana"), 1000, true);
        if (e->Grabar(base.bd()))
            id = e->IdEmpleado();
    }
    /// The stored employee as the employee list hands it to the edit screen.
    QSharedPointer<Empleado> Leido(qint64 idEmpleado)
    {
        auto e = QSharedPointer<Empleado>::create();
        if (!e->Leer(base.bd(), idEmpleado))
            return nullptr;
        e->setEmpresa(emp);
        return e;
    }
};

/// The edit screen open on an employee, as its list opens it.
struct Edicion
{
    frmEmpleados pantalla;
    explicit Edicion(DialogosPrueba& dialogos, const QSharedPointer<Empleado>& e)
        : pantalla(dialogos)
    {
        pantalla.setEmpleado(e);
        pantalla.show();
    }
    template <typename T = QLineEdit>
    T* w(const QString& nombre)
    {
        return pantalla.findChild<T*>(nombre);
    }
};
