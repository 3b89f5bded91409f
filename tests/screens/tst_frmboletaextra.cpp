// SPDX-License-Identifier: GPL-3.0-or-later
// The extraordinary slip screen through its controls, and the employees tab both screens share
// (adding, changing and deleting employees through the employee edit screen).
#include "tst_frmboleta.h"

#include "printing/CodigoPago.h"
#include "records/ListaEmpleados.h"
#include "screens/frmEmpleados.h"
#include "support/DialogoModal.h"

#include <QCheckBox>
#include <QProcess>
#include <QTableView>

namespace {
const QString Grabada = QStringLiteral("GRABACION: Boleta Grabada");

/// The text of a PDF, as poppler reads it back.
QString TextoPdf(const QString& archivo)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), archivo, QStringLiteral("-")});
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

/// Fills the employee edit screen with a new member and stores it.
void AltaDeEmpleado(frmEmpleados* edicion, const QString& cuil, const QString& nombre, const QString& haberes)
{
    Control<QCheckBox>(edicion, "chkAfiliado")->click(); // shows the employee again: before typing
    QTest::keyClicks(Control<QLineEdit>(edicion, "txtCUIL"), cuil);
    QTest::keyClicks(Control<QLineEdit>(edicion, "txtNombre"), nombre);
    Control<QLineEdit>(edicion, "txtHaberes")->setText(haberes);
    Control<QPushButton>(edicion, "cmdGrabar")->click();
}

QTableView* Grilla(QWidget* p)
{
    return Control<QTableView>(p, "GridEmpl");
}
} // namespace

class TestFrmBoletaExtra : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        QLocale::setDefault(LocalArgentina());
    }

    void filtroDeTeclas_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("punto no es la coma") << "txtPagadoOtros" << "2.5" << "25";
        QTest::newRow("la coma sí") << "txtPagadoOtros" << "2,5" << "2,5";
        QTest::newRow("coeficiente") << "txtCoef" << "1.5x" << "15";
        QTest::newRow("el acta traduce el punto") << "txtPagadoRec" << "2.5" << "2,5";
    }
    void filtroDeTeclas()
    {
        QFETCH(QString, campo);
        QFETCH(QString, tecleado);
        QFETCH(QString, mostrado);
        EscenaBoleta e;
        auto* p = e.NuevaExtra();
        QTest::keyClicks(Control<QLineEdit>(p, "txtNroReq"), QStringLiteral("77"));
        auto* importe = Importe(p, campo);
        importe->selectAll();
        QTest::keyClicks(importe, tecleado);
        QCOMPARE(importe->text(), mostrado);
    }

    void nuevaSinEmpleados()
    {
        EscenaBoleta e; // three members stored in the company
        auto* p = e.NuevaExtra();
        QVERIFY(p->MiLiq()->Extraordinaria());
        QCOMPARE(Grilla(p)->model()->rowCount(), 0);
        QVERIFY(!p->EmpleadoSeleccionado());
        QCOMPARE(Control<QLabel>(p, "lblCantEmp")->text(), QStringLiteral("0"));
        for (const char* adeudado : {"lblAporteCalculado05_0", "lblAporteCalculado05_1", "lblAporteCalculado05_2"})
            QCOMPARE(Control<QLabel>(p, adeudado)->text(), QStringLiteral("0,00"));
        Escribir(Importe(p, "dos"), QStringLiteral("100"));
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("0,00"));
        QVERIFY(!Control<QPushButton>(p, "cmdImprimir")->isEnabled());
        // Other concepts need no description on this screen.
        Escribir(Importe(p, "txtPagadoOtros"), QStringLiteral("50"));
        QCOMPARE(Control<QLabel>(p, "lblTotal")->text(), QStringLiteral("TOTAL DEPOSITADO $50,00"));
        QVERIFY(Control<QPushButton>(p, "cmdMandaSuc")->isEnabled());
        // Nothing to send for an extraordinary slip: the user is told so, nothing is written.
        Pulsar(p, "cmdMandaSuc");
        QCOMPARE(e.dialogos.llamadas.size(), 1);
        QCOMPARE(e.dialogos.Ultima().titulo, QStringLiteral("ENVIO DE DATOS"));
        QVERIFY(p->MiLiq()->Nueva());
    }

    void sinReglaDeTresMesesYNumeradas()
    {
        EscenaBoleta e;
        for (int numero = 1; numero <= 2; ++numero) {
            auto* p = e.NuevaExtra();
            Pulsar(p, "cmdMesAnterior"); // May 2014 back to December 2013: six months
            for (int i = 0; i < 4; ++i)
                Pulsar(p, "cmdMesAnterior");
            Pulsar(p, "cmdAnioAnterior");
            QCOMPARE(Control<QLabel>(p, "lblMes")->text() + "/" + Control<QLabel>(p, "lblAnio")->text(),
                     QStringLiteral("12/2013"));
            Escribir(Control<QLineEdit>(p, "txtNroReq"), QStringLiteral("100%1").arg(numero));
            Escribir(Importe(p, "txtPagadoRec"), QStringLiteral("500"));
            e.dialogos.Limpiar();
            if (numero == 1) {
                Pulsar(p, "cmdGrabar");
                QCOMPARE(e.Mensajes(), QStringList{Grabada});
                QCOMPARE(Control<QPushButton>(p, "cmdGrabar")->text(), QStringLiteral("&Grabar"));
                e.dialogos.Limpiar();
            }
            // Printing a new slip stores it first; no notice, no declaration file.
            Pulsar(p, "cmdImprimir");
            QCOMPARE(e.Mensajes(), numero == 1 ? QStringList() : QStringList{Grabada});
            QVERIFY(TextoPdf(e.Pdf()).contains(QStringLiteral("100%1").arg(numero)));
            QCOMPARE(e.base.Contar(QStringLiteral("select numerador from liquidaciones where nroreq = '100%1' and "
                                                  "extraord <> 0 and mes = 12 and anio = 2013")
                                       .arg(numero)),
                     numero);
        }
        QCOMPARE(e.Boletas(), 2);
    }

    void impresionRechazada_data()
    {
        QTest::addColumn<QString>("acta");
        QTest::addColumn<bool>("impresoraRota");
        QTest::addColumn<int>("boletas");
        // A number the payment code cannot carry: refused before anything is stored.
        QTest::newRow("código de pago rechazado") << "A-1" << false << 0;
        // The slip is stored (and says so); the printer's failure is told, nothing claims a print.
        QTest::newRow("impresora que falla") << "1" << true << 1;
    }
    void impresionRechazada()
    {
        QFETCH(QString, acta);
        QFETCH(bool, impresoraRota);
        QFETCH(int, boletas);
        EscenaBoleta e;
        if (impresoraRota)
            e.ventana->Impresion().UsarArchivoPdf(e.salida.filePath(QStringLiteral("no/existe/boleta.pdf")));
        auto* p = e.NuevaExtra();
        Escribir(Control<QLineEdit>(p, "txtNroReq"), acta);
        Escribir(Importe(p, "txtPagadoRec"), QStringLiteral("500"));
        Pulsar(p, "cmdImprimir");
        const QStringList mensajes = e.Mensajes();
        QCOMPARE(mensajes.size(), boletas + 1);
        QVERIFY2(mensajes.last().startsWith(QStringLiteral("ERROR: ")), qPrintable(mensajes.last()));
        QCOMPARE(e.Boletas(), boletas);
        QCOMPARE(p->MiLiq()->Nueva(), boletas == 0);
        QVERIFY(!QFile::exists(e.Pdf()));
    }

    void guardadaConSusEmpleados_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("consulta") << 2;
        QTest::newRow("nueva a partir de la guardada") << 1;
    }
    void guardadaConSusEmpleados()
    {
        QFETCH(int, modo);
        EscenaBoleta e;
        auto guardada = LiquidacionPrueba(e.emp, 5, 2014, 0, true);
        guardada->setNroReq(QStringLiteral("909"));
        guardada->setPagadoReq(200);
        guardada->setPagado2(guardada->APagar2());
        QVERIFY(guardada->Grabar(e.base.bd()));
        const QString codigo = CodigoPago(*guardada);
        QVERIFY(!codigo.isEmpty());

        auto leida = QSharedPointer<Liquidacion>::create();
        QVERIFY(leida->Leer(e.base.bd(), guardada->IdLiquidacion()));
        auto* p = frmBoletaExtra::Abrir(*e.ventana, leida, modo);
        QCOMPARE(Grilla(p)->model()->rowCount(), 3);
        QCOMPARE(Control<QLabel>(p, "lblCantEmp")->text(), QStringLiteral("3"));
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("480,00"));
        QCOMPARE(Control<QPushButton>(p, "cmdGrabar")->isEnabled(), modo == 1);
        QCOMPARE(Control<QPushButton>(p, "cmdAgregar")->isEnabled(), modo == 1);
        QCOMPARE(leida->Nueva(), modo == 1); // based on it: a further declaration
        Pulsar(p, "cmdImprimir");
        QCOMPARE(e.Boletas(), modo == 2 ? 1 : 2);
        // The reprint carries the counts and payment code of the first print.
        QVERIFY(TextoPdf(e.Pdf()).remove(QLatin1Char(' ')).contains(codigo));
    }

    void empleadosDeLaComun()
    {
        EscenaBoleta e;
        auto* p = e.NuevaComun();
        QCOMPARE(Grilla(p)->model()->rowCount(), 3);
        QCOMPARE(p->EmpleadoSeleccionado()->Nombre(), QStringLiteral("Empleado 1"));
        RESPONDER_MODAL([&] { Pulsar(p, "cmdAgregar"); },
                        [&](frmEmpleados* edicion) { AltaDeEmpleado(edicion, "20123456786", "Perez, Juan", "10000"); });
        QCOMPARE(Grilla(p)->model()->rowCount(), 4);
        QCOMPARE(Grilla(p)->currentIndex().row(), 3);
        QCOMPARE(p->EmpleadoSeleccionado()->Nombre(), QStringLiteral("Perez, Juan"));
        QCOMPARE(Grilla(p)->model()->index(3, 8).data().toString(), QStringLiteral("400,00")); // 2 % + FCM
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("680,00")); // deposits follow what is due
        QCOMPARE(Importe(p, "txtPagadoCuota")->text(), QStringLiteral("600,00"));

        // Changed without saving: the slip shows the stored employee again.
        RESPONDER_MODAL([&] { Pulsar(p, "cmdModificar"); },
                        [&](frmEmpleados* edicion) {
                            Control<QLineEdit>(edicion, "txtHaberes")->setText(QStringLiteral("1"));
                            Control<QPushButton>(edicion, "cmdSalir")->click();
                        });
        QCOMPARE(Grilla(p)->currentIndex().row(), 3);
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("680,00"));

        // Deleted: gone from the company and from the slip; what is due and deposited follows.
        Pulsar(p, "cmdBorrar");
        QCOMPARE(e.base.Contar("select count(*) from empleados where cuil = '20-12345678-6'"), 0);
        QCOMPARE(Grilla(p)->model()->rowCount(), 3);
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("480,00"));
        QCOMPARE(Control<QLabel>(p, "lblCantEmpl2")->text(), QStringLiteral("3"));

        // An employee a stored slip still needs cannot be deleted.
        Pulsar(p, "cmdGrabar");
        Grilla(p)->setCurrentIndex(Grilla(p)->model()->index(1, 0));
        QCOMPARE(p->EmpleadoSeleccionado()->Nombre(), QStringLiteral("Empleado 2"));
        QVERIFY(!Control<QPushButton>(p, "cmdBorrar")->isEnabled());
    }

    void agregarEnLaExtra()
    {
        EscenaBoleta e;
        auto* p = e.NuevaExtra();
        RESPONDER_MODAL([&] { Pulsar(p, "cmdAgregar"); },
                        [&](frmEmpleados* edicion) { AltaDeEmpleado(edicion, "20123456786", "Perez, Juan", "10000"); });
        // The company's employees come in: amounts due, but the deposits stay where they were.
        QCOMPARE(Grilla(p)->model()->rowCount(), 4);
        QCOMPARE(Control<QLabel>(p, "lblAporteCalculado05_0")->text(), QStringLiteral("680,00"));
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("0,00"));
        QTest::mouseDClick(Control<QLabel>(p, "lblAporteCalculado05_0"), Qt::LeftButton);
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("680,00"));
        QCOMPARE(p->MiLiq()->Pagado2(), p->MiLiq()->APagar2());
    }
};

QTEST_MAIN(TestFrmBoletaExtra)
#include "tst_frmboletaextra.moc"
