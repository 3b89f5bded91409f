// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "shell/frmPadre.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {
QString Ultima()
{
    return LeerParametro(QStringLiteral("ULTIMAEMPRESA"), QStringLiteral("(nada)"));
}

/// A main window over a fresh database holding "Empresa 1".."Empresa n" (the last one with an
/// employee), with `recordada` remembered as the last company used.
struct Escena
{
    BasePrueba base;
    DialogosPrueba dialogos;
    std::unique_ptr<frmPadre> ventana;

    /// `antes` is run on the database before the window opens.
    Escena(int empresas, const QString& recordada, const QString& antes = QString())
    {
        for (int i = 1; i <= empresas; ++i)
            base.bd().Ejecutar(
                QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-0000000%1-0', 'Empresa %1')").arg(i));
        base.bd().Ejecutar(QStringLiteral("insert into empleados (idempresa, cuil, ayn) select max(id), "
                                          "'20-12345678-6', 'PEREZ JUAN' from empresas having count(*) > 0"));
        if (!antes.isEmpty())
            base.bd().Ejecutar(antes);
        GrabarParametro(QStringLiteral("ULTIMAEMPRESA"), recordada);
        ventana = std::make_unique<frmPadre>(dialogos);
    }
    QComboBox* Selector() const { return ventana->findChild<QComboBox*>(QStringLiteral("cboEmpresas")); }
    QString Actual() const { return ventana->EmpresaActual() ? ventana->EmpresaActual()->Nombre() : QString(); }
    void Pulsar(const QString& boton) { ventana->findChild<QToolButton*>(boton)->click(); }
    void Recargar() { ventana->CargarEmpresas(); ventana->MostrarEmpresas(); }
    QStringList Mensajes() const { return dialogos.Mensajes(); }
};

const QString kSinEmpresa = QStringLiteral("CARGA DE DATOS: No hay ninguna empresa registrada.");
const QString kElegirEmpresa = QStringLiteral("CARGA DE DATOS: Elija una empresa en la lista de empresas.");
} // namespace

class TestFrmPadre : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void empresaRecordada_data()
    {
        QTest::addColumn<int>("empresas");
        QTest::addColumn<QString>("recordada");
        QTest::addColumn<int>("elegida");
        QTest::newRow("tercera de tres") << 3 << "2" << 2;
        QTest::newRow("justo al final") << 3 << "3" << -1;
        QTest::newRow("negativa") << 3 << "-1" << -1;
        QTest::newRow("sin empresas") << 0 << "0" << -1;
    }
    void empresaRecordada()
    {
        QFETCH(int, empresas);
        QFETCH(QString, recordada);
        QFETCH(int, elegida);
        Escena e(empresas, recordada);
        QCOMPARE(e.Selector()->count(), empresas);
        QCOMPARE(e.Selector()->currentIndex(), elegida);
        QCOMPARE(Ultima(), recordada); // an unusable position is kept, not overwritten
        QCOMPARE(e.Actual(), elegida < 0 ? QString() : QStringLiteral("Empresa %1").arg(elegida + 1));
        if (elegida >= 0)
            QCOMPARE(e.ventana->EmpresaActual()->ListaBaseEmpleados().Count(), 1); // its employees are loaded
        QVERIFY(e.dialogos.llamadas.isEmpty());
    }

    void elegirGrabaLaPosicion()
    {
        Escena e(3, QStringLiteral("7"));
        e.Selector()->setCurrentIndex(2);
        QCOMPARE(Ultima(), QStringLiteral("2"));
        e.ventana->ElegirEmpresa(3); // out of range: no selection, the current company and the setting stay
        QCOMPARE(e.ventana->PosicionEmpresa(), -1);
        QCOMPARE(Ultima(), QStringLiteral("2"));
        QCOMPARE(e.Actual(), QStringLiteral("Empresa 3"));
    }

    void botonEmpresaRecorreLasEmpresas_data()
    {
        QTest::addColumn<int>("empresas");
        QTest::addColumn<QString>("recordada");
        QTest::addColumn<QList<int>>("posiciones"); // after each press
        QTest::newRow("de la última a la primera") << 3 << "1" << QList<int>{2, 0, 1};
        QTest::newRow("sin selección va a la segunda") << 3 << "9" << QList<int>{1, 2, 0};
        QTest::newRow("una sola") << 1 << "4" << QList<int>{0, 0};
        QTest::newRow("ninguna") << 0 << "0" << QList<int>{-1, -1};
    }
    void botonEmpresaRecorreLasEmpresas()
    {
        QFETCH(int, empresas);
        QFETCH(QString, recordada);
        QFETCH(QList<int>, posiciones);
        Escena e(empresas, recordada);
        for (const int esperada : posiciones) {
            e.Pulsar(QStringLiteral("cmdEmpresa"));
            QCOMPARE(e.Selector()->currentIndex(), esperada);
            if (esperada >= 0) {
                QCOMPARE(e.Actual(), QStringLiteral("Empresa %1").arg(esperada + 1));
                QCOMPARE(Ultima(), QString::number(esperada));
            }
        }
        QVERIFY(e.dialogos.llamadas.isEmpty());
    }

    void comandosYSusTeclas_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("tecla");
        QTest::newRow("Boleta Periodo") << "cmdNuevaBoletaComun" << int(Qt::Key_F3);
        QTest::newRow("Boleta Actas") << "cmdNuevaBoletaExtra" << int(Qt::Key_F4);
        QTest::newRow("a partir de anterior") << "cmdBoletaAnterior" << int(Qt::Key_F5);
        QTest::newRow("consulta") << "cmdConsultaBoleta" << int(Qt::Key_F6);
        QTest::newRow("borrado") << "cmdBorraBoletas" << int(Qt::Key_F7);
    }
    void comandosYSusTeclas()
    {
        QFETCH(QString, boton);
        QFETCH(int, tecla);
        Escena e(2, QStringLiteral("5")); // two companies stored, none chosen
        e.ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(e.ventana.get()));
        // Button and key reach the same command; the slip commands refuse to work without a company.
        e.Pulsar(boton);
        QTest::keyClick(e.ventana.get(), Qt::Key(tecla));
        QCOMPARE(e.Mensajes(), (QStringList{kElegirEmpresa, kElegirEmpresa}));
        // With a company chosen the command goes past the guard, whatever screen it then opens.
        e.ventana->ElegirEmpresa(0);
        e.dialogos.Limpiar();
        QTest::keyClick(e.ventana.get(), Qt::Key(tecla));
        for (const QString& mensaje : e.Mensajes())
            QVERIFY2(!mensaje.startsWith(QStringLiteral("CARGA DE DATOS")), qPrintable(mensaje));
    }

    void empresaBorradaCompactarYSalir()
    {
        Escena e(2, QStringLiteral("1"));
        e.ventana->show();
        // "Compactar Base de Datos" stays off whatever happens to the companies.
        auto* compactar = e.ventana->findChild<QAction*>(QStringLiteral("mnuCompactar"));
        compactar->trigger();
        e.Pulsar(QStringLiteral("cmdEmpresa"));
        // Changed elsewhere: it stays current, refreshed from storage; deleted, it is current no more.
        QVERIFY(e.base.bd().Ejecutar(QStringLiteral("update empresas set razonsocial = 'Nueva' where cuit = '30-00000001-0'")));
        e.Recargar();
        QCOMPARE(e.Actual(), QStringLiteral("Nueva"));
        QVERIFY(e.base.bd().Ejecutar(QStringLiteral("delete from empresas where cuit = '30-00000001-0'")));
        e.Recargar();
        QVERIFY(e.ventana->EmpresaActual().isNull());
        QVERIFY(!compactar->isEnabled());
        e.ventana->NuevaBoletaNormal();
        QCOMPARE(e.Mensajes(), QStringList{kElegirEmpresa}); // the other company is still there
        e.Pulsar(QStringLiteral("cmdSalir"));
        QVERIFY(!e.ventana->isVisible());
    }

    void sinEmpresaElegida_data()
    {
        QTest::addColumn<int>("empresas");
        QTest::addColumn<bool>("restaurar"); // from a copy of the same file
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("archivo sin empresas") << 0 << false << kSinEmpresa;
        QTest::newRow("archivo sin empresas restaurado") << 0 << true << kSinEmpresa;
        QTest::newRow("restaurado con empresas") << 2 << true << kElegirEmpresa;
    }
    void sinEmpresaElegida()
    {
        QFETCH(int, empresas);
        QFETCH(bool, restaurar);
        QFETCH(QString, mensaje);
        Escena e(empresas, QStringLiteral("0"));
        if (restaurar) {
            const QString copia = QDir(e.base.Carpeta()).filePath(QStringLiteral("copia.fys"));
            QVERIFY(QFile::copy(e.base.Archivo(), copia));
            e.dialogos.archivos.enqueue(copia);
            e.dialogos.respuestas.enqueue(true);
            e.ventana->findChild<QAction*>(QStringLiteral("mnuRestaurar"))->trigger();
            QCOMPARE(e.Mensajes().last(), QStringLiteral("INFORMACION: Restauración de la base de datos terminada."));
            QCOMPARE(e.ventana->ListaDeEmpresas().Count(), empresas);
            e.dialogos.Limpiar();
        }
        QVERIFY(e.ventana->EmpresaActual().isNull());
        for (const char* boton : {"cmdNuevaBoletaComun", "cmdNuevaBoletaExtra", "cmdBoletaAnterior",
                                  "cmdConsultaBoleta", "cmdBorraBoletas"})
            e.Pulsar(QLatin1String(boton));
        QCOMPARE(e.Mensajes(), QStringList(5, mensaje));
        for (const auto& llamada : std::as_const(e.dialogos.llamadas))
            QCOMPARE(llamada.icono, Icono::Informacion);
    }

    void lecturaFallida_data()
    {
        QTest::addColumn<QString>("tabla");
        QTest::addColumn<QString>("mensaje"); // before the driver's text
        QTest::addColumn<QString>("actual");
        QTest::newRow("empresas")
            << "empresas" << "ERROR DE DATOS: No se pudo leer la lista de empresas de la base de datos." << "";
        QTest::newRow("empleados")
            << "empleados" << "ERROR DE DATOS: No se pudo leer la lista de empleados de Empresa 2." << "Empresa 2";
    }
    void lecturaFallida()
    {
        QFETCH(QString, tabla);
        QFETCH(QString, mensaje);
        QFETCH(QString, actual);
        // The table is gone from under the program: the read fails in the driver.
        Escena e(2, QStringLiteral("1"), QStringLiteral("alter table %1 rename to %1_fuera").arg(tabla));
        const QString error = e.base.bd().UltimoError();
        QVERIFY2(error.contains(QStringLiteral("no such table")), qPrintable(error));
        const QString esperado = mensaje + QLatin1Char('\n') + error;
        QCOMPARE(e.Mensajes(), QStringList{esperado});
        QCOMPARE(e.dialogos.Ultima().icono, Icono::Critico);
        QCOMPARE(e.Actual(), actual);
        // Asked for a slip without a company, the program does not claim that there is none.
        if (actual.isEmpty()) {
            e.dialogos.Limpiar();
            e.Pulsar(QStringLiteral("cmdNuevaBoletaComun"));
            QCOMPARE(e.Mensajes(), QStringList{esperado});
        }
        // Once the table is back, reading again clears the failure.
        QVERIFY(e.base.bd().Ejecutar(QStringLiteral("alter table %1_fuera rename to %1").arg(tabla)));
        e.dialogos.Limpiar();
        e.Recargar();
        e.ventana->ElegirEmpresa(0);
        QVERIFY(e.dialogos.llamadas.isEmpty());
        QCOMPARE(e.Actual(), QStringLiteral("Empresa 1"));
    }
};

QTEST_MAIN(TestFrmPadre)
#include "tst_frmPadre.moc"
