// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "shell/frmAbout.h"
#include "shell/frmPadre.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {
/// Stores companies named "Empresa 1", "Empresa 2", ... in storage order.
void GuardarEmpresas(BasePrueba& base, int cantidad)
{
    for (int i = 1; i <= cantidad; ++i)
        QVERIFY(base.bd().Ejecutar(QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-0000000%1-0', "
                                                  "'Empresa %1')")
                                       .arg(i)));
}

QString Ultima()
{
    return LeerParametro(QStringLiteral("ULTIMAEMPRESA"), QStringLiteral("(nada)"));
}

void Recordar(const QString& posicion)
{
    GrabarParametro(QStringLiteral("ULTIMAEMPRESA"), posicion);
}
} // namespace

class TestFrmPadre : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }
    void init() { Recordar(QStringLiteral("0")); }

    void empresaRecordada_data();
    void empresaRecordada();
    void seleccionarGrabaLaPosicion();
    void botonEmpresaRecorreLasEmpresas_data();
    void botonEmpresaRecorreLasEmpresas();
    void comandosDeBoletaSinEmpresa_data();
    void comandosDeBoletaSinEmpresa();
    void comandosAunNoDisponibles_data();
    void comandosAunNoDisponibles();
    void empresaBorradaDejaDeSerActual();
    void menusYBarra();
    void compactarNuncaDisponible();
    void acercaDe();
    void salirCierraLaVentana();
};

void TestFrmPadre::empresaRecordada_data()
{
    QTest::addColumn<int>("empresas");
    QTest::addColumn<QString>("recordada");
    QTest::addColumn<int>("elegida");
    QTest::addColumn<QString>("grabada");
    QTest::newRow("tercera de tres") << 3 << "2" << 2 << "2";
    QTest::newRow("primera") << 3 << "0" << 0 << "0";
    QTest::newRow("fuera de rango") << 3 << "5" << -1 << "5";
    QTest::newRow("justo al final") << 3 << "3" << -1 << "3";
    QTest::newRow("negativa") << 3 << "-1" << -1 << "-1";
    QTest::newRow("sin empresas") << 0 << "0" << -1 << "0";
}

void TestFrmPadre::empresaRecordada()
{
    QFETCH(int, empresas);
    QFETCH(QString, recordada);
    QFETCH(int, elegida);
    QFETCH(QString, grabada);
    BasePrueba base;
    QVERIFY(base.Valida());
    GuardarEmpresas(base, empresas);
    if (empresas > 0)
        QVERIFY(base.bd().Ejecutar(QStringLiteral(
            "insert into empleados (idempresa, cuil, ayn) select max(id), '20-12345678-6', 'PEREZ JUAN' from empresas")));
    Recordar(recordada);
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    auto* cbo = ventana.findChild<QComboBox*>(QStringLiteral("cboEmpresas"));
    QVERIFY(cbo);
    QCOMPARE(cbo->count(), empresas);
    QCOMPARE(ventana.ListaDeEmpresas().Count(), empresas);
    QCOMPARE(cbo->currentIndex(), elegida);
    QCOMPARE(Ultima(), grabada);
    if (elegida < 0) {
        QVERIFY(ventana.EmpresaActual().isNull());
    } else {
        QVERIFY(ventana.EmpresaActual());
        QCOMPARE(ventana.EmpresaActual()->Nombre(), QStringLiteral("Empresa %1").arg(elegida + 1));
        // The current company's employees are loaded (only the last company has one).
        QCOMPARE(ventana.EmpresaActual()->ListaBaseEmpleados().Count(), elegida == empresas - 1 ? 1 : 0);
    }
    QVERIFY(dialogos.llamadas.isEmpty());
}

void TestFrmPadre::seleccionarGrabaLaPosicion()
{
    BasePrueba base;
    GuardarEmpresas(base, 3);
    Recordar(QStringLiteral("7"));
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    auto* cbo = ventana.findChild<QComboBox*>(QStringLiteral("cboEmpresas"));
    cbo->setCurrentIndex(1);
    QCOMPARE(Ultima(), QStringLiteral("1"));
    QCOMPARE(ventana.EmpresaActual()->Nombre(), QStringLiteral("Empresa 2"));
    ventana.ElegirEmpresa(2);
    QCOMPARE(ventana.PosicionEmpresa(), 2);
    QCOMPARE(Ultima(), QStringLiteral("2"));
    QCOMPARE(ventana.EmpresaActual()->Nombre(), QStringLiteral("Empresa 3"));
    ventana.ElegirEmpresa(3); // out of range: no selection, the current company stays
    QCOMPARE(ventana.PosicionEmpresa(), -1);
    QCOMPARE(Ultima(), QStringLiteral("2"));
    QCOMPARE(ventana.EmpresaActual()->Nombre(), QStringLiteral("Empresa 3"));
}

void TestFrmPadre::botonEmpresaRecorreLasEmpresas_data()
{
    QTest::addColumn<int>("empresas");
    QTest::addColumn<QString>("recordada");
    QTest::addColumn<QList<int>>("posiciones"); // after each press
    QTest::newRow("de la última a la primera") << 3 << "1" << QList<int>{2, 0, 1};
    QTest::newRow("sin selección va a la segunda") << 3 << "9" << QList<int>{1, 2, 0};
    QTest::newRow("una sola") << 1 << "4" << QList<int>{0, 0};
    QTest::newRow("ninguna") << 0 << "0" << QList<int>{-1, -1};
}

void TestFrmPadre::botonEmpresaRecorreLasEmpresas()
{
    QFETCH(int, empresas);
    QFETCH(QString, recordada);
    QFETCH(QList<int>, posiciones);
    BasePrueba base;
    GuardarEmpresas(base, empresas);
    Recordar(recordada);
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    auto* cbo = ventana.findChild<QComboBox*>(QStringLiteral("cboEmpresas"));
    auto* boton = ventana.findChild<QToolButton*>(QStringLiteral("cmdEmpresa"));
    QVERIFY(boton);
    QCOMPARE(boton->text(), QStringLiteral("Empresa"));
    for (const int esperada : posiciones) {
        boton->click();
        QCOMPARE(cbo->currentIndex(), esperada);
        if (esperada >= 0) {
            QCOMPARE(ventana.EmpresaActual()->Nombre(), QStringLiteral("Empresa %1").arg(esperada + 1));
            QCOMPARE(Ultima(), QString::number(esperada));
        }
    }
    QVERIFY(dialogos.llamadas.isEmpty());
}

void TestFrmPadre::comandosDeBoletaSinEmpresa_data()
{
    QTest::addColumn<QString>("boton");
    QTest::addColumn<int>("tecla");
    QTest::newRow("Boleta Periodo") << "cmdNuevaBoletaComun" << int(Qt::Key_F3);
    QTest::newRow("Boleta Actas") << "cmdNuevaBoletaExtra" << int(Qt::Key_F4);
    QTest::newRow("a partir de anterior") << "cmdBoletaAnterior" << int(Qt::Key_F5);
    QTest::newRow("consulta") << "cmdConsultaBoleta" << int(Qt::Key_F6);
    QTest::newRow("borrado") << "cmdBorraBoletas" << int(Qt::Key_F7);
}

void TestFrmPadre::comandosDeBoletaSinEmpresa()
{
    QFETCH(QString, boton);
    QFETCH(int, tecla);
    BasePrueba base;
    GuardarEmpresas(base, 2);
    Recordar(QStringLiteral("5")); // two companies stored, none chosen
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));

    auto* cmd = ventana.findChild<QToolButton*>(boton);
    QVERIFY(cmd);
    cmd->click();
    QTest::keyClick(&ventana, Qt::Key(tecla));
    QCOMPARE(dialogos.llamadas.size(), 2);
    for (const auto& llamada : dialogos.llamadas) {
        QCOMPARE(llamada.texto, QStringLiteral("No hay ninguna empresa registrada."));
        QCOMPARE(llamada.titulo, QStringLiteral("CARGA DE DATOS"));
        QCOMPARE(llamada.icono, Icono::Informacion);
    }
}

void TestFrmPadre::comandosAunNoDisponibles_data()
{
    QTest::addColumn<int>("tecla");
    QTest::newRow("mantenimiento F2") << int(Qt::Key_F2);
    QTest::newRow("Boleta Periodo F3") << int(Qt::Key_F3);
    QTest::newRow("Boleta Actas F4") << int(Qt::Key_F4);
    QTest::newRow("anterior F5") << int(Qt::Key_F5);
    QTest::newRow("consulta F6") << int(Qt::Key_F6);
    QTest::newRow("borrado F7") << int(Qt::Key_F7);
}

void TestFrmPadre::comandosAunNoDisponibles()
{
    QFETCH(int, tecla);
    BasePrueba base;
    GuardarEmpresas(base, 1);
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    QVERIFY(ventana.EmpresaActual());
    QTest::keyClick(&ventana, Qt::Key(tecla));
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, frmPadre::TextoNoDisponible());
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("INFORMACION"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
}

void TestFrmPadre::empresaBorradaDejaDeSerActual()
{
    BasePrueba base;
    GuardarEmpresas(base, 2);
    Recordar(QStringLiteral("1"));
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    QCOMPARE(ventana.EmpresaActual()->Nombre(), QStringLiteral("Empresa 2"));

    // Another company changes: the current one stays current, refreshed from storage.
    QVERIFY(base.bd().Ejecutar(QStringLiteral("update empresas set razonsocial = 'Nueva' where cuit = '30-00000002-0'")));
    ventana.CargarEmpresas();
    ventana.MostrarEmpresas();
    QCOMPARE(ventana.findChild<QComboBox*>(QStringLiteral("cboEmpresas"))->currentIndex(), -1);
    QCOMPARE(ventana.EmpresaActual()->Nombre(), QStringLiteral("Nueva"));

    QVERIFY(base.bd().Ejecutar(QStringLiteral("delete from empresas where cuit = '30-00000002-0'")));
    ventana.CargarEmpresas();
    ventana.MostrarEmpresas();
    QVERIFY(ventana.EmpresaActual().isNull());
    ventana.NuevaBoletaNormal();
    QCOMPARE(dialogos.Ultima().texto, QStringLiteral("No hay ninguna empresa registrada."));
}

void TestFrmPadre::menusYBarra()
{
    BasePrueba base;
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Aplicativo de Aportes del Sindicato de Comercio de Velmar"));

    QStringList menus;
    for (QAction* accion : ventana.menuBar()->actions())
        menus << accion->text();
    QCOMPARE(menus, (QStringList{"Mantenimiento Empresas", "Boletas de Depósito", "Utilidades", "Ayuda", "&Salir"}));

    const QList<std::tuple<QString, QString, QKeySequence>> entradas{
        {"mnuMantenimiento", "&Mantenimiento", QKeySequence(Qt::Key_F2)},
        {"mnuBoletaPeriodo", "Boleta Periodo ", QKeySequence(Qt::Key_F3)},
        {"mnuBoletaActas", "Boleta Actas", QKeySequence(Qt::Key_F4)},
        {"mnuBoletaAnterior", "&Boleta a partir de Pago Anterior", QKeySequence(Qt::Key_F5)},
        {"mnuConsultaBoletas", "&Consulta Boletas Anteriores", QKeySequence(Qt::Key_F6)},
        {"mnuBorradoBoletas", "Borrado de Boletas Anteriores", QKeySequence(Qt::Key_F7)},
        {"mnuSelImpresora", "Selección de Impresora", QKeySequence()},
        {"mnuCopiaSeguridad", "Copia de Seguridad", QKeySequence()},
        {"mnuRestaurar", "Restaurar desde Copia de Seguridad", QKeySequence()},
        {"mnuCalculadora", "Calculadora", QKeySequence()},
        {"mnuBlockNotas", "Block de Notas", QKeySequence()},
        {"mnuAyudaSistema", "Ayuda del Sistema", QKeySequence(Qt::Key_F1)},
        {"mnuAcercaDe", "Acerca de Aplicativo de Aportes", QKeySequence()},
    };
    for (const auto& [nombre, texto, atajo] : entradas) {
        auto* accion = ventana.findChild<QAction*>(nombre);
        QVERIFY2(accion, qPrintable(nombre));
        QCOMPARE(accion->text(), texto);
        QCOMPARE(accion->shortcut(), atajo);
        QVERIFY(accion->isEnabled());
    }
    QCOMPARE(ventana.findChild<QMenu*>(QStringLiteral("mnuGenerarBoleta"))->title(), QStringLiteral("&Generar Boleta"));

    const QList<std::tuple<QString, QString, QString>> botones{
        {"cmdMantenimEmpr", "Altas", "Mantenimiento de Empresas"},
        {"cmdNuevaBoletaComun", "Boleta", "Nueva Boleta"},
        {"cmdNuevaBoletaExtra", "Actas", "Boleta Pago Actas"},
        {"cmdBoletaAnterior", "Anterior", "Generar Boleta a Partir de Anterior"},
        {"cmdConsultaBoleta", "Consulta", "Consulta Boletas Anteriores"},
        {"cmdBorraBoletas", "Elimina", "Borrar Boletas Grabadas"},
        {"cmdHelp", "Ayuda", "Ayuda del Sistema"},
        {"cmdSalir", "Salida", "Salir del Sistema"},
    };
    QStringList orden; // left to right
    auto* barra = ventana.findChild<QToolBar*>(QStringLiteral("barraComandos"));
    for (QAction* accion : barra->actions())
        if (!accion->isSeparator())
            orden << barra->widgetForAction(accion)->objectName();
    QStringList nombres;
    for (const auto& [nombre, texto, ayuda] : botones)
        nombres << nombre;
    QCOMPARE(orden, nombres);
    for (const auto& [nombre, texto, ayuda] : botones) {
        auto* boton = ventana.findChild<QToolButton*>(nombre);
        QVERIFY2(boton, qPrintable(nombre));
        QCOMPARE(boton->text(), texto);
        QCOMPARE(boton->toolTip(), ayuda);
    }
}

void TestFrmPadre::compactarNuncaDisponible()
{
    BasePrueba base;
    GuardarEmpresas(base, 1);
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.show();
    auto* compactar = ventana.findChild<QAction*>(QStringLiteral("mnuCompactar"));
    QVERIFY(compactar);
    QCOMPARE(compactar->text(), QStringLiteral("Compactar Base de Datos"));
    QVERIFY(!compactar->isEnabled());
    compactar->trigger();
    ventana.findChild<QToolButton*>(QStringLiteral("cmdEmpresa"))->click();
    ventana.CargarEmpresas();
    ventana.MostrarEmpresas();
    QVERIFY(!compactar->isEnabled());
    QVERIFY(dialogos.llamadas.isEmpty());
}

void TestFrmPadre::acercaDe()
{
    BasePrueba base;
    frmAbout acerca;
    QCOMPARE(acerca.windowTitle(), QStringLiteral("Acerca de OBRIX"));
    QStringList textos;
    for (const QLabel* etiqueta : acerca.findChildren<QLabel*>())
        textos << etiqueta->text();
    const QString todo = textos.join(QLatin1Char('\n'));
    QVERIFY(todo.contains(QStringLiteral("Version 1.0")));
    QVERIFY(todo.contains(QStringLiteral("ayuda@obrix.example")));
    QVERIFY(todo.contains(QStringLiteral("www.obrix.example")));
    QVERIFY(todo.contains(QStringLiteral("Localidades y códigos postales: GeoNames (www.geonames.org), CC BY 4.0")));
    QCOMPARE(acerca.findChild<QLabel*>(QStringLiteral("lblCarpeta"))->toolTip(), QDir::toNativeSeparators(base.Carpeta()));
    QVERIFY(!acerca.findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap().isNull());
    auto* cerrar = acerca.findChild<QPushButton*>(QStringLiteral("cmdCerrar"));
    QCOMPARE(cerrar->text(), QStringLiteral("&Cerrar"));
    acerca.show();
    cerrar->click();
    QVERIFY(!acerca.isVisible());
}

void TestFrmPadre::salirCierraLaVentana()
{
    BasePrueba base;
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    ventana.findChild<QToolButton*>(QStringLiteral("cmdSalir"))->click();
    QVERIFY(!ventana.isVisible());
    QVERIFY(dialogos.llamadas.isEmpty());
}

QTEST_MAIN(TestFrmPadre)
#include "tst_frmPadre.moc"
