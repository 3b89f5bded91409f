// SPDX-License-Identifier: GPL-3.0-or-later
// The ordinary slip screen through its controls: period, three-month rule, caps of the deposits,
// dependent fields, declaration numbers, saving, printing (a real PDF and the DDJJ file) and the
// commands of the main window that open it.
#include "tst_frmboleta.h"

#include "liquidation/ArchivoDeclaracion.h"
#include "records/Conexion.h"
#include "records/ListaEmpleados.h"


namespace {
const QString Aviso = QStringLiteral("CORREO ELECTRONICO: ") + frmBoletaComun::TextoAviso();
const QString Grabada = QStringLiteral("GRABACION: Boleta Grabada");
const QString TresMeses = QStringLiteral("ERROR: El período no puede ser menor a 3 meses del actual.Si desea abonar "
                                         "periodos anteriores comuniquese al Dto.de Recaudaciones de la OBRIX.");

QByteArray Leer(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestFrmBoletaComun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        QLocale::setDefault(LocalArgentina());
    }

    void mesesYAnios_data()
    {
        QTest::addColumn<int>("mes");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("periodo");
        QTest::newRow("diciembre adelante") << 12 << "cmdMesSiguiente" << "01/2014";
        QTest::newRow("enero atrás") << 1 << "cmdMesAnterior" << "12/2014";
        QTest::newRow("mayo adelante") << 5 << "cmdMesSiguiente" << "06/2014";
        QTest::newRow("año adelante") << 5 << "cmdAnioSiguiente" << "05/2015";
        QTest::newRow("año atrás") << 5 << "cmdAnioAnterior" << "05/2013";
    }
    void mesesYAnios()
    {
        QFETCH(int, mes);
        QFETCH(QString, boton);
        EscenaBoleta e;
        auto* p = e.NuevaComun();
        QVERIFY(p);
        p->MiLiq()->setMes(mes);
        Pulsar(p, boton);
        QTEST(Control<QLabel>(p, "lblMes")->text() + QLatin1Char('/') + Control<QLabel>(p, "lblAnio")->text(), "periodo");
        QTEST(QStringLiteral("%1/%2").arg(p->MiLiq()->Mes(), 2, 10, QLatin1Char('0')).arg(p->MiLiq()->Anio()), "periodo");
    }

    void tresMeses_data()
    {
        QTest::addColumn<int>("mes");
        QTest::addColumn<int>("anio");
        QTest::addColumn<bool>("admitido");
        QTest::newRow("febrero: cuatro meses") << 2 << 2014 << false;
        QTest::newRow("marzo: tres meses") << 3 << 2014 << true;
        QTest::newRow("noviembre anterior") << 11 << 2013 << false;
        QTest::newRow("futuro") << 9 << 2014 << true;
    }
    void tresMeses()
    {
        QFETCH(int, mes);
        QFETCH(int, anio);
        QFETCH(bool, admitido);
        EscenaBoleta e;
        auto* p = e.NuevaComun();
        p->MiLiq()->setAnio(anio);
        p->MiLiq()->setMes(mes);
        Pulsar(p, "cmdGrabar");
        QCOMPARE(e.Mensajes(), QStringList{admitido ? Grabada : TresMeses});
        QCOMPARE(e.Boletas(), admitido ? 1 : 0);
        if (admitido)
            return;
        // Printing stops at the same rule, before the notice and before anything is written.
        Pulsar(p, "cmdImprimir");
        QCOMPARE(e.Mensajes(), (QStringList{TresMeses, TresMeses}));
        QVERIFY(!QFile::exists(e.Pdf()));
    }

    void depositos_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("guardado");
        // Three members of 8000: 2 % and FCM due 480, dues 450; coefficient 10: surcharge 141.
        QTest::newRow("2 % de más") << "dos" << "500" << "480,00";
        QTest::newRow("2 % de menos") << "dos" << "300" << "480,00";
        QTest::newRow("FCM de más") << "txtPagadoFCM" << "500" << "480,00";
        QTest::newRow("FCM de menos") << "txtPagadoFCM" << "300" << "480,00";
        QTest::newRow("cuota de más") << "txtPagadoCuota" << "500" << "450,00";
        QTest::newRow("cuota parcial con punto") << "txtPagadoCuota" << "300.5" << "300,50";
        QTest::newRow("recargo de más") << "txtPagadoRecargo" << "200" << "141,00";
        QTest::newRow("recargo parcial") << "txtPagadoRecargo" << "100" << "100,00";
        QTest::newRow("letras no entran") << "txtPagadoCuota" << "1a2b" << "12,00";
    }
    void depositos()
    {
        QFETCH(QString, campo);
        QFETCH(QString, tecleado);
        QFETCH(QString, guardado);
        EscenaBoleta e;
        auto* p = e.NuevaComun();
        Liquidacion& liq = *p->MiLiq();
        // The deposits start at what is due.
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("480,00"));
        QCOMPARE(Importe(p, "txtPagadoCuota")->text(), QStringLiteral("450,00"));
        QVERIFY(Importe(p, "txtPagadoRecargo")->isReadOnly()); // no coefficient yet
        Escribir(Importe(p, "txtCoef"), QStringLiteral("10"));
        QCOMPARE(Importe(p, "txtCoef")->text(), QStringLiteral("10,0000"));
        QCOMPARE(Control<QLabel>(p, "lblRecargo")->text(), QStringLiteral("141,00"));
        QVERIFY(!Importe(p, "txtPagadoRecargo")->isReadOnly());

        Escribir(Importe(p, campo), tecleado);
        QCOMPARE(Importe(p, campo)->text(), guardado);
        const double total = liq.Pagado2() + liq.PagadoFCM() + liq.PagadoCuota() + liq.PagadoRecargo();
        QCOMPARE(FormatoImporte(liq.PagadoTotal()), FormatoImporte(total));
        QCOMPARE(Control<QLabel>(p, "lblTotal")->text(), QStringLiteral("TOTAL DEPOSITADO $") + FormatoImporte(total));
        Pulsar(p, "cmdGrabar");
        const QString columna = campo == "dos" ? "pagado2" : campo.mid(3).toLower();
        QCOMPARE(FormatoImporte(e.base.bd().ValorEscalar("select " + columna + " from liquidaciones").toDouble()),
                 guardado);
    }

    void noNumericoNoEntra()
    {
        EscenaBoleta e;
        auto* p = e.NuevaComun();
        auto* cuota = Importe(p, "txtPagadoCuota");
        Escribir(cuota, QStringLiteral("1,2,3")); // two separators: not an amount
        QCOMPARE(p->MiLiq()->PagadoCuota(), 450.0);
        Vaciar(cuota);
        QCOMPARE(cuota->text(), QStringLiteral("0,00"));
        QTest::keyClick(cuota, Qt::Key_Return);
        QCOMPARE(p->MiLiq()->PagadoCuota(), 0.0);
        Vaciar(Importe(p, "txtCoef"));
        QCOMPARE(Importe(p, "txtCoef")->text(), QStringLiteral("0,0000"));
    }

    void dependientes_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("monto");
        QTest::newRow("otros conceptos") << "txtOtrosConceptos" << "txtPagadoOtros";
        QTest::newRow("acta") << "txtNroReq" << "txtPagadoRec";
        QTest::newRow("crédito") << "txtOCCreditos" << "txtCred";
    }
    void dependientes()
    {
        QFETCH(QString, texto);
        QFETCH(QString, monto);
        EscenaBoleta e;
        auto* p = e.NuevaComun();
        const double inicial = p->MiLiq()->PagadoTotal(); // 1410
        auto* importe = Importe(p, monto);
        QVERIFY(importe->isReadOnly());
        Escribir(Control<QLineEdit>(p, texto), QStringLiteral("Concepto 7"));
        QVERIFY(!importe->isReadOnly());
        Escribir(importe, QStringLiteral("100"));
        const double signo = monto == "txtCred" ? -1 : 1;
        QCOMPARE(p->MiLiq()->PagadoTotal(), inicial + signo * 100);
        Vaciar(Control<QLineEdit>(p, texto));
        QVERIFY(importe->isReadOnly());
        QCOMPARE(importe->text(), QStringLiteral("0,00"));
        QCOMPARE(p->MiLiq()->PagadoTotal(), inicial);
    }

    void declaraciones_data()
    {
        QTest::addColumn<bool>("segundaExtra"); // the period's second stored slip is extraordinary
        QTest::addColumn<int>("elegida");
        QTest::addColumn<int>("boletas");       // stored after saving
        QTest::addColumn<int>("reescrita");     // ordinal of the stored slip overwritten; -1 none
        QTest::newRow("nueva complementaria") << false << 2 << 3 << -1;
        QTest::newRow("Original reescrita") << false << 0 << 2 << 0;
        QTest::newRow("complementaria 1 reescrita") << false << 1 << 2 << 1;
        QTest::newRow("el número de un acta no la pisa") << true << 1 << 3 << -1;
    }
    void declaraciones()
    {
        QFETCH(bool, segundaExtra);
        QFETCH(int, elegida);
        QFETCH(int, boletas);
        QFETCH(int, reescrita);
        EscenaBoleta e;
        for (int ordinal : {0, 1}) {
            auto liq = LiquidacionPrueba(e.emp, 5, 2014, ordinal, ordinal == 1 && segundaExtra);
            liq->setPagadoOtros(1); // tells a stored slip from the screen's
            QVERIFY(liq->Grabar(e.base.bd()));
        }
        auto* p = e.NuevaComun();
        auto* numeros = Control<QComboBox>(p, "cboRectif");
        QCOMPARE(numeros->count(), 3);
        QCOMPARE(numeros->itemText(0), QStringLiteral("Original"));
        QCOMPARE(numeros->itemText(2), QStringLiteral("Complementaria 2"));
        QCOMPARE(numeros->currentIndex(), 2);
        for (int i = 2; i > elegida; --i)
            QTest::keyClick(numeros, Qt::Key_Up);
        QCOMPARE(numeros->currentIndex(), elegida);
        QCOMPARE(Control<QPushButton>(p, "cmdGrabar")->text(),
                 elegida == 2 ? QStringLiteral("&Grabar") : QStringLiteral("Modifica&r"));
        Pulsar(p, "cmdGrabar");
        QCOMPARE(e.Mensajes(), QStringList{Grabada});
        QCOMPARE(e.Boletas(), boletas);
        QCOMPARE(e.base.Contar("select count(*) from liquidaciones where pagadootros = 0 and extraord = 0"
                               " and orig_rect = " + QString::number(elegida)), 1);
        if (reescrita >= 0)
            QCOMPARE(e.base.Contar("select count(*) from liquidaciones where pagadootros = 1 and orig_rect = "
                                   + QString::number(reescrita)), 0);
        QCOMPARE(e.base.Contar("select count(*) from liquidaciones where extraord <> 0"), segundaExtra ? 1 : 0);
    }

    void imprimirGrabaUnaVez()
    {
        EscenaBoleta e;
        auto* p = e.NuevaComun();
        e.dialogos.archivos << e.Ddjj();
        Pulsar(p, "cmdImprimir");
        const QString ddjjGrabada = QStringLiteral("GRABACION DE DATOS: Información grabada en el archivo ")
            + p->MiLiq()->Subject() + QStringLiteral(".txt\r\nEnvíe este archivo a ") + CorreoEnvio;
        const QString guardar = QStringLiteral("Grabar archivo de DDJJ: ") + p->MiLiq()->Subject() + ".txt";
        QCOMPARE(e.Mensajes(), (QStringList{Aviso, Grabada, guardar, ddjjGrabada}));
        QCOMPARE(e.Boletas(), 1);
        QCOMPARE(Control<QPushButton>(p, "cmdGrabar")->text(), QStringLiteral("Modifica&r"));
        QCOMPARE(Leer(e.Ddjj()), CodificarWindows1252(p->MiLiq()->TextoEnvio() + QStringLiteral("\r\n")));
        QVERIFY(Leer(e.Pdf()).startsWith("%PDF"));

        // Printing again: the stored slip is printed as it is, without a second save.
        QVERIFY(QFile::remove(e.Pdf()));
        e.dialogos.Limpiar();
        e.dialogos.archivos << e.Ddjj();
        Pulsar(p, "cmdImprimir");
        QCOMPARE(e.Mensajes(), (QStringList{Aviso, guardar, ddjjGrabada}));
        QVERIFY(QFile::exists(e.Pdf()));

        // Changed after the save: printed only once stored, so paper, file and storage agree.
        Escribir(Importe(p, "txtPagadoCuota"), QStringLiteral("300"));
        e.dialogos.Limpiar();
        e.dialogos.archivos << e.Ddjj();
        Pulsar(p, "cmdImprimir");
        QCOMPARE(e.Mensajes(), (QStringList{Aviso, Grabada, guardar, ddjjGrabada}));
        QCOMPARE(e.Boletas(), 1);
        QCOMPARE(e.base.bd().ValorEscalar("select pagadocuota from liquidaciones").toDouble(), 300.0);
        QVERIFY(Leer(e.Ddjj()).contains("\r\n1260,00\r\n")); // PagadoTotal line: 480 + 480 + 300
    }

    void grabacionFallida()
    {
        EscenaBoleta e;
        QVERIFY(e.base.bd().Ejecutar("create trigger lleno before insert on liquidaciones "
                                     "begin select raise(abort, 'disco lleno'); end"));
        auto* p = e.NuevaComun();
        Pulsar(p, "cmdImprimir");
        // Told why, and nothing declared or printed for a slip that is not stored.
        const QStringList mensajes = e.Mensajes();
        QCOMPARE(mensajes.size(), 2);
        QCOMPARE(mensajes.at(0), Aviso);
        QVERIFY2(mensajes.at(1).startsWith(QStringLiteral("ERROR: No se pudo grabar la boleta.\r\ndisco lleno")),
                 qPrintable(mensajes.at(1)));
        QVERIFY(!QFile::exists(e.Ddjj()));
        QVERIFY(!QFile::exists(e.Pdf()));
        QVERIFY(p->MiLiq()->Nueva());
        QCOMPARE(Control<QPushButton>(p, "cmdGrabar")->text(), QStringLiteral("&Grabar"));
    }

    void envioDatos_data()
    {
        QTest::addColumn<int>("empleados");
        QTest::addColumn<bool>("visible");
        QTest::newRow("20") << 20 << false;
        QTest::newRow("21") << 21 << true;
    }
    void envioDatos()
    {
        QFETCH(int, empleados);
        QFETCH(bool, visible);
        EscenaBoleta e(3, empleados - 3);
        auto* p = e.NuevaComun();
        QCOMPARE(!Control<QPushButton>(p, "cmdMandaSuc")->isHidden(), visible);
    }

    void consulta()
    {
        EscenaBoleta e;
        auto guardada = LiquidacionPrueba(e.emp, 4, 2014, 0);
        guardada->setPagado2(guardada->APagar2());
        QVERIFY(guardada->Grabar(e.base.bd()));
        auto leida = QSharedPointer<Liquidacion>::create();
        QVERIFY(leida->Leer(e.base.bd(), guardada->IdLiquidacion()));
        auto* p = frmBoletaComun::Abrir(*e.ventana, leida, 2);
        QVERIFY(!Control<QPushButton>(p, "cmdGrabar")->isEnabled());
        QVERIFY(!Control<QWidget>(p, "fraPeriodo")->isEnabled());
        for (const char* campo : {"dos", "txtPagadoFCM", "txtPagadoCuota", "txtPagadoRecargo", "txtPagadoOtros",
                                  "txtCoef", "txtCred", "txtNroReq", "txtInspector"})
            QVERIFY2(Control<QLineEdit>(p, campo)->isReadOnly(), campo);
        QCOMPARE(Importe(p, "dos")->text(), QStringLiteral("480,00"));
        QCOMPARE(Importe(p, "txtPagadoFCM")->text(), QStringLiteral("0,00")); // as stored, not followed
        e.dialogos.archivos << e.Ddjj();
        Pulsar(p, "cmdImprimir");
        QCOMPARE(e.Boletas(), 1);
        QVERIFY(!e.Mensajes().contains(Grabada));
        QCOMPARE(leida->IdLiquidacion(), guardada->IdLiquidacion());
        QVERIFY(QFile::exists(e.Pdf()));
    }

    void comandosDeLaVentana()
    {
        EscenaBoleta e;
        e.ventana->resize(800, 600);
        e.ventana->show();
        QVERIFY(QTest::qWaitForWindowActive(e.ventana.get()));
        QTest::keyClick(e.ventana.get(), Qt::Key_F3);
        QTest::keyClick(e.ventana.get(), Qt::Key_F3);
        QTest::keyClick(e.ventana.get(), Qt::Key_F4);
        QVERIFY(e.dialogos.llamadas.isEmpty());
        const auto ventanas = e.ventana->Area()->subWindowList();
        QCOMPARE(ventanas.size(), 3);
        auto* primera = qobject_cast<frmBoletaComun*>(ventanas.at(0)->widget());
        auto* segunda = qobject_cast<frmBoletaComun*>(ventanas.at(1)->widget());
        auto* actas = qobject_cast<frmBoletaExtra*>(ventanas.at(2)->widget());
        QVERIFY(primera && segunda && actas);
        QVERIFY(primera->MiLiq() != segunda->MiLiq());
        QCOMPARE(primera->MiLiq()->Empresa(), e.ventana->EmpresaActual());
        QCOMPARE(primera->MiLiq()->ListaEmpleadosLiquidacion().Count(), 3);
        QCOMPARE(actas->MiLiq()->ListaEmpleadosLiquidacion().Count(), 0);
        QCOMPARE(primera->Modo(), 1);
        QCOMPARE(primera->windowTitle(), QStringLiteral("Boleta Periodo"));
        QCOMPARE(actas->windowTitle(), QStringLiteral("Boleta Actas"));
        QCOMPARE(Control<QLabel>(primera, "lblMes")->text(), QStringLiteral("05")); // the month before June
        // The fixed size fits the work area of an 800 × 600 screen, and so does what the screen holds.
        const QRect area = e.ventana->Area()->viewport()->rect();
        for (auto* v : ventanas) {
            QCOMPARE(v->size(), frmBoleta::Tamano());
            QVERIFY2(area.contains(v->geometry()), qPrintable(QStringLiteral("%1x%2").arg(area.width()).arg(area.height())));
            const QSize dentro = v->widget()->size();
            const QSize necesario = v->widget()->minimumSizeHint();
            QVERIFY2(necesario.width() <= dentro.width() && necesario.height() <= dentro.height(),
                     qPrintable(QStringLiteral("%1x%2 en %3x%4").arg(necesario.width()).arg(necesario.height())
                                    .arg(dentro.width()).arg(dentro.height())));
        }
        QVERIFY(!actas->findChild<QPushButton*>("cmdBorrar"));
    }
};

QTEST_MAIN(TestFrmBoletaComun)
#include "tst_frmboletacomun.moc"
