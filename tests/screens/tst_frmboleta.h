// SPDX-License-Identifier: GPL-3.0-or-later
// What the slip screen tests share: a main window over a fresh database whose company has stored
// employees, "today" fixed in June 2014, the PDF printer writing to a file, and the typing of a
// user (keys into a field, then Enter to leave it).
#pragma once

#include "support/DatosLiquidacion.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "liquidation/Liquidacion.h"
#include "records/Reloj.h"
#include "screens/CampoImporteBoleta.h"
#include "screens/frmBoletaComun.h"
#include "screens/frmBoletaExtra.h"
#include "shell/frmPadre.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

/// Today in every slip test: June 2014, so a new slip is for May 2014.
inline QDate HoyPrueba()
{
    return QDate(2014, 6, 15);
}

struct EscenaBoleta
{
    BasePrueba base;
    DialogosPrueba dialogos;
    QTemporaryDir salida;
    QSharedPointer<Empresa> emp;
    std::unique_ptr<frmPadre> ventana;

    /// A company with `afiliados` members earning 8000 (2 %: 160 each, FCM 160, dues 150) and
    /// `otros` non-members earning 1000.
    explicit EscenaBoleta(int afiliados = 3, int otros = 0)
    {
        Reloj::Fijar(HoyPrueba());
        ParametrosPrueba();
        emp = EmpresaPrueba(&base.bd());
        for (int i = 0; i < afiliados + otros; ++i) {
            const bool afiliado = i < afiliados;
            auto e = EmpleadoPrueba(emp, QStringLiteral("20-%1-1").arg(i + 1, 8, 10, QLatin1Char('0')),
                                    QStringLiteral("Empleado %1").arg(i + 1), afiliado ? 8000 : 1000, afiliado);
            e->Grabar(base.bd());
        }
        ventana = std::make_unique<frmPadre>(dialogos);
        ventana->ElegirEmpresa(0);
        ventana->Impresion().UsarArchivoPdf(Pdf());
        dialogos.Limpiar();
    }
    ~EscenaBoleta() { Reloj::Fijar(QDate()); }

    QString Pdf() const { return salida.filePath(QStringLiteral("boleta.pdf")); }
    QString Ddjj() const { return salida.filePath(QStringLiteral("ddjj.txt")); }

    /// The screen of the last window opened in the work area.
    template <typename T>
    T* Ultima() const
    {
        const auto ventanas = ventana->Area()->subWindowList();
        return ventanas.isEmpty() ? nullptr : qobject_cast<T*>(ventanas.last()->widget());
    }
    frmBoletaComun* NuevaComun()
    {
        ventana->NuevaBoletaNormal();
        return Ultima<frmBoletaComun>();
    }
    frmBoletaExtra* NuevaExtra()
    {
        ventana->NuevaBoletaExtra();
        return Ultima<frmBoletaExtra>();
    }
    /// "TITLE: text" of every call to the dialog service so far.
    QStringList Mensajes() const { return dialogos.Mensajes(); }
    qint64 Boletas() { return base.Contar(QStringLiteral("select count(*) from liquidaciones")); }
};

template <typename T = QWidget>
T* Control(QWidget* pantalla, const QString& nombre)
{
    T* control = pantalla->findChild<T*>(nombre);
    if (!control)
        qWarning("falta el control %s", qPrintable(nombre));
    return control;
}

inline CampoImporteBoleta* Importe(QWidget* pantalla, const QString& nombre)
{
    return Control<CampoImporteBoleta>(pantalla, nombre);
}

/// Types texto over what the field holds; amount fields are then left with Enter.
inline void Escribir(QLineEdit* campo, const QString& texto)
{
    campo->selectAll();
    QTest::keyClicks(campo, texto);
    if (qobject_cast<CampoImporteBoleta*>(campo))
        QTest::keyClick(campo, Qt::Key_Return);
}

/// Empties a field as the user does: everything selected, then Backspace.
inline void Vaciar(QLineEdit* campo)
{
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
}

inline void Pulsar(QWidget* pantalla, const QString& boton)
{
    auto* b = Control<QPushButton>(pantalla, boton);
    QVERIFY(b && b->isEnabled());
    b->click();
}
