// SPDX-License-Identifier: GPL-3.0-or-later
// The slip selection screen, reached through the main window's three commands on stored slips:
// what each mode lists and shows, deleting (confirmed, declined, refused by the file) and the
// screen that a chosen slip opens.
#include "support/DatosLiquidacion.h"
#include "liquidation/Liquidaciones.h"
#include "screens/frmBoletaComun.h"
#include "screens/frmBoletaExtra.h"
#include "screens/frmSelecLiquid.h"
#include "shell/frmPadre.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QString BotonConsulta = QStringLiteral("cmdConsultaBoleta");
const QString BotonAnterior = QStringLiteral("cmdBoletaAnterior");
const QString BotonElimina = QStringLiteral("cmdBorraBoletas");
const QString Pregunta = QStringLiteral("BORRADO DE BOLETA: ¿Está seguro de borrar la boleta seleccionada?");

/// The main window over a company with three employees and, unless vacia, these stored slips (in
/// this order): extraordinary of May 2014, March 2014 original, complementary 2 and 1, November
/// 2014, extraordinary of January 2015.
struct Escena
{
    BaseConEmpleados f;
    DialogosPrueba dialogos;
    std::unique_ptr<frmPadre> ventana;
    QSharedPointer<Liquidacion> marzo;
    bool activa = false;

    explicit Escena(bool vacia = false)
    {
        if (!vacia) {
            f.Grabada(5, 2014, 0, true);
            marzo = LiquidacionPrueba(f.emp, 3, 2014);
            marzo->setPagado2(1000); // capped at what is due
            marzo->setPagadoFCM(200);
            marzo->setPagadoCuota(150);
            marzo->setPagadoReq(12.5);
            marzo->setPagadoOtros(7.25);
            marzo->setCredito(5);
            marzo->Grabar(f.bd());
            f.Grabada(3, 2014, 2);
            f.Grabada(3, 2014, 1);
            f.Grabada(11, 2014);
            f.Grabada(1, 2015, 0, true);
        }
        ventana = std::make_unique<frmPadre>(dialogos);
        ventana->ElegirEmpresa(0);
        ventana->show();
        activa = QTest::qWaitForWindowActive(ventana.get());
    }
    bool Valida() const { return activa && f.Valida() && ventana->EmpresaActual() && (!marzo || !marzo->Nueva()); }

    /// Runs a command from its toolbar button; the selection screen it opened, if any (none when the
    /// scene could not be set up).
    frmSelecLiquid* Pulsar(const QString& boton)
    {
        if (!Valida())
            return nullptr;
        const int antes = Pantallas().size();
        ventana->findChild<QToolButton*>(boton)->click();
        const auto pantallas = Pantallas();
        return pantallas.size() > antes ? pantallas.last() : nullptr;
    }
    QList<frmSelecLiquid*> Pantallas() const
    {
        QList<frmSelecLiquid*> pantallas;
        for (QMdiSubWindow* v : ventana->Area()->subWindowList(QMdiArea::CreationOrder))
            if (auto* p = qobject_cast<frmSelecLiquid*>(v->widget()))
                pantallas << p;
        return pantallas;
    }
    qint64 Contar(const QString& sql) { return f.base.Contar(sql); }
};

QListWidget* Lista(QWidget* p)
{
    return p->findChild<QListWidget*>(QStringLiteral("lstLiquidaciones"));
}

QStringList Entradas(QWidget* p)
{
    QStringList l;
    for (int i = 0; i < Lista(p)->count(); ++i)
        l << Lista(p)->item(i)->text();
    return l;
}

QString Cifra(QWidget* p, const char* nombre)
{
    return p->findChild<QLineEdit*>(QLatin1String(nombre))->text();
}

void Pulsar(QWidget* p, const char* boton)
{
    p->findChild<QPushButton*>(QLatin1String(boton))->click();
}

void DobleClic(QWidget* p, int fila)
{
    QListWidget* lista = Lista(p);
    const QPoint punto = lista->visualItemRect(lista->item(fila)).center();
    // QTest's double click alone is not taken by item views as the user's is: the first click goes
    // before it, as the user's first press does.
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punto);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punto);
}

QMdiSubWindow* Ventana(QWidget* p)
{
    return qobject_cast<QMdiSubWindow*>(p->parentWidget());
}

const QStringList Todas = {"Extraordinaria No 1",
                           "Extraordinaria No 2",
                           "03 - 2014 | Original",
                           "03 - 2014 | Complementaria Nº 1",
                           "03 - 2014 | Complementaria Nº 2",
                           "11 - 2014 | Original"};
const QStringList Ultimas = {"Extraordinaria No 1", "Extraordinaria No 2", "03 - 2014 | Complementaria Nº 2",
                             "11 - 2014 | Original"};

/// One row for each command that opens the screen.
void PorComando()
{
    QTest::addColumn<QString>("boton");
    QTest::newRow("consulta") << BotonConsulta;
    QTest::newRow("a partir de anterior") << BotonAnterior;
    QTest::newRow("borrado") << BotonElimina;
}

} // namespace

class TestFrmSelecLiquid : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void tituloYEntradasPorModo_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("entradas");
        QTest::newRow("consulta") << BotonConsulta << 3 << "Selección de Liquidaciones - Consulta" << Todas;
        QTest::newRow("a partir de anterior")
            << BotonAnterior << 1 << "Selección de Liquidaciones - Generación de Nueva Liquidación" << Todas;
        QTest::newRow("borrado") << BotonElimina << 2 << "Selección de Liquidaciones - Eliminación" << Ultimas;
    }
    void tituloYEntradasPorModo()
    {
        QFETCH(QString, boton);
        QFETCH(QStringList, entradas);
        Escena e;
        frmSelecLiquid* p = e.Pulsar(boton);
        QVERIFY(p);
        QTEST(p->Modo(), "modo");
        QTEST(p->windowTitle(), "titulo");
        QCOMPARE(Entradas(p), entradas);
        QCOMPARE(Lista(p)->currentRow(), 0);
        QVERIFY(Ventana(p)->isVisible());
        QVERIFY(e.dialogos.llamadas.isEmpty());
        // Every command opens a screen of its own.
        frmSelecLiquid* otra = e.Pulsar(boton);
        QVERIFY(otra && otra != p);
        QCOMPARE(Entradas(otra), entradas);
    }

    void cifrasDeLaEntradaElegida()
    {
        const LocalPrueba local(LocalArgentina());
        Escena e;
        frmSelecLiquid* p = e.Pulsar(BotonConsulta);
        QVERIFY(p);
        // The first extraordinary slip, of May 2014: only Pérez counts (O'Brien left in March).
        QCOMPARE(Cifra(p, "txtCantEmpleados"), QStringLiteral("1"));
        QCOMPARE(Cifra(p, "txtPagadoTotal"), QStringLiteral("0,00"));
        Lista(p)->setCurrentRow(2); // March 2014, original
        const QStringList esperadas = {"2", "1", "15000,00", "10000,00", "300,00", "200,00", "0,00",
                                       "12,50", "7,25", "5,00", "150,00", "664,75"};
        const char* campos[] = {"txtCantEmpleados", "txtCantAfiliados", "txtTotalEmpleados", "txtTotalAfiliados",
                                "txtPagado2", "txtPagadoFCM", "txtPagadoRecargo", "txtPagadoReq",
                                "txtPagadoOtros", "txtCredito", "txtPagadoCuota", "txtPagadoTotal"};
        for (int i = 0; i < esperadas.size(); ++i)
            QCOMPARE(Cifra(p, campos[i]), esperadas.at(i));
        QVERIFY(p->findChild<QLineEdit*>("txtPagado2")->isReadOnly());
    }

    void aceptarAbreLaBoleta_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("fila");
        QTest::addColumn<bool>("dobleClic");
        QTest::addColumn<bool>("extraordinaria");
        QTest::addColumn<int>("modoBoleta");
        QTest::newRow("consulta de la original") << BotonConsulta << 2 << false << false << 2;
        QTest::newRow("consulta de complementaria, doble clic") << BotonConsulta << 4 << true << false << 2;
        QTest::newRow("consulta de extraordinaria") << BotonConsulta << 1 << false << true << 2;
        QTest::newRow("a partir de la original") << BotonAnterior << 2 << false << false << 1;
        QTest::newRow("a partir de extraordinaria, doble clic") << BotonAnterior << 0 << true << true << 1;
    }
    void aceptarAbreLaBoleta()
    {
        QFETCH(QString, boton);
        QFETCH(int, fila);
        QFETCH(bool, dobleClic);
        QFETCH(bool, extraordinaria);
        Escena e;
        frmSelecLiquid* p = e.Pulsar(boton);
        QVERIFY(p);
        const QSharedPointer<Liquidacion> elegida = e.ventana->EmpresaActual()->Liquidaciones().Item(fila + 1);
        const qint64 id = elegida->IdLiquidacion();
        if (dobleClic) {
            DobleClic(p, fila);
        } else {
            Lista(p)->setCurrentRow(fila);
            Pulsar(p, "cmdAceptar");
        }
        QList<frmBoleta*> boletas;
        for (QMdiSubWindow* v : e.ventana->Area()->subWindowList())
            if (auto* b = qobject_cast<frmBoleta*>(v->widget()))
                boletas << b;
        QCOMPARE(boletas.size(), 1);
        frmBoleta* boleta = boletas.first();
        QVERIFY(extraordinaria ? qobject_cast<frmBoletaExtra*>(boleta) != nullptr
                               : qobject_cast<frmBoletaComun*>(boleta) != nullptr);
        QTEST(boleta->Modo(), "modoBoleta");
        QCOMPARE(boleta->MiLiq(), elegida); // the very object of the company's collection
        QVERIFY(boleta->Ventana()->isVisible());
        QCOMPARE(p->IdSeleccionada(), id);
        // The selection screen is hidden, not closed.
        QVERIFY(!Ventana(p)->isVisible());
        QVERIFY(e.Pantallas().contains(p));
        QVERIFY2(e.dialogos.llamadas.isEmpty(), qPrintable(e.dialogos.Mensajes().join('\n')));
    }

    void sinBoletasAceptarNoHaceNada_data() { PorComando(); }
    void sinBoletasAceptarNoHaceNada()
    {
        QFETCH(QString, boton);
        Escena e(true);
        frmSelecLiquid* p = e.Pulsar(boton);
        QVERIFY(p);
        QCOMPARE(Lista(p)->count(), 0);
        QCOMPARE(Cifra(p, "txtCantEmpleados"), QString());
        QCOMPARE(Cifra(p, "txtPagadoTotal"), QString());
        const int ventanas = e.ventana->Area()->subWindowList().size();
        Pulsar(p, "cmdAceptar");
        QVERIFY(e.dialogos.llamadas.isEmpty());
        QCOMPARE(e.ventana->Area()->subWindowList().size(), ventanas);
        QVERIFY(Ventana(p)->isVisible());
        QCOMPARE(p->IdSeleccionada(), 0);
        Pulsar(p, "cmdCancelar");
        QVERIFY(!Ventana(p)->isVisible());
    }

    void borrarPreguntaUnaVezYCierra()
    {
        Escena e;
        frmSelecLiquid* p = e.Pulsar(BotonElimina);
        QVERIFY(p);
        QPointer<QMdiSubWindow> ventana = Ventana(p);
        const qint64 id = Lista(p)->item(2)->data(Qt::UserRole).toLongLong();
        QCOMPARE(e.Contar(QStringLiteral("select count(*) from liquidaciones_empl where idliquidacion = %1").arg(id)), 3);
        // Declined: nothing is deleted and the screen stays.
        e.dialogos.respuestas << false;
        DobleClic(p, 2); // March 2014, complementary 2
        QCOMPARE(e.dialogos.Mensajes(), QStringList{Pregunta});
        QCOMPARE(e.dialogos.Ultima().icono, Icono::Pregunta);
        QCOMPARE(e.Contar("select count(*) from liquidaciones"), 6);
        QVERIFY(ventana && ventana->isVisible());
        QCOMPARE(p->IdSeleccionada(), id);

        e.dialogos.Limpiar();
        e.dialogos.respuestas << true;
        Lista(p)->setCurrentRow(2);
        Pulsar(p, "cmdAceptar");
        QCOMPARE(e.dialogos.Mensajes(), QStringList{Pregunta});
        QCOMPARE(e.Contar(QStringLiteral("select count(*) from liquidaciones where id = %1").arg(id)), 0);
        QCOMPARE(e.Contar(QStringLiteral("select count(*) from liquidaciones_empl where idliquidacion = %1").arg(id)), 0);
        QCOMPARE(e.Contar("select count(*) from liquidaciones"), 5);
        QTRY_VERIFY(!ventana); // closed, not hidden
        // The company's slips are read again in full; the next consult no longer lists it.
        QCOMPARE(e.ventana->EmpresaActual()->Liquidaciones().Count(), 5);
        frmSelecLiquid* consulta = e.Pulsar(BotonConsulta);
        QVERIFY(consulta);
        QStringList restantes = Todas;
        restantes.removeAll(QStringLiteral("03 - 2014 | Complementaria Nº 2"));
        QCOMPARE(Entradas(consulta), restantes);
        // Now complementary 1 is the latest of March.
        QVERIFY(Entradas(e.Pulsar(BotonElimina)).contains(QStringLiteral("03 - 2014 | Complementaria Nº 1")));
    }

    void borradoRechazadoNoBorraNada()
    {
        Escena e;
        frmSelecLiquid* p = e.Pulsar(BotonElimina);
        QVERIFY(p);
        // The file refuses to drop the slip's employee rows: the cascade fails and takes nothing.
        QVERIFY(e.f.bd().Ejecutar("create trigger protegidas before delete on liquidaciones_empl "
                                  "begin select raise(abort, 'filas protegidas'); end"));
        const QByteArray antes = e.f.Huella();
        e.dialogos.respuestas << true;
        Pulsar(p, "cmdAceptar");
        const QStringList mensajes = e.dialogos.Mensajes();
        QCOMPARE(mensajes.size(), 2);
        QVERIFY2(mensajes[1].startsWith(QStringLiteral("ERROR: No se pudo borrar la boleta seleccionada.\n"))
                     && mensajes[1].contains(QStringLiteral("filas protegidas")),
                 qPrintable(mensajes[1]));
        QCOMPARE(e.dialogos.Ultima().icono, Icono::Critico);
        QCOMPARE(e.f.Huella(), antes);
        QVERIFY(Ventana(p)->isVisible());
        QCOMPARE(Entradas(p), Ultimas);
    }

    void lecturaFallidaSeInforma_data() { PorComando(); }
    void lecturaFallidaSeInforma()
    {
        QFETCH(QString, boton);
        Escena e;
        QVERIFY(e.Valida());
        QVERIFY(e.f.bd().Ejecutar("alter table liquidaciones_empl rename to otra"));
        QVERIFY(!e.Pulsar(boton));
        const QStringList mensajes = e.dialogos.Mensajes();
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(mensajes[0].startsWith(QStringLiteral("ERROR DE DATOS: No se pudieron leer las boletas de la empresa.\n"))
                     && mensajes[0].contains(QStringLiteral("liquidaciones_empl")), // the driver's reason
                 qPrintable(mensajes[0]));
        QCOMPARE(e.dialogos.Ultima().icono, Icono::Critico);
    }

    void listaRehechaAlActivarse()
    {
        Escena e;
        frmSelecLiquid* borrado = e.Pulsar(BotonElimina);
        frmSelecLiquid* consulta = e.Pulsar(BotonConsulta);
        QVERIFY(borrado && consulta);
        // The consult command read the whole list into the company's collection: back on the
        // deleting screen, still only the latest declaration of each period can be chosen.
        e.ventana->Area()->setActiveSubWindow(Ventana(borrado));
        QCOMPARE(Entradas(borrado), Ultimas);
        // A slip deleted there is gone from the consulting screen when it is active again.
        Lista(borrado)->setCurrentRow(3);
        e.dialogos.respuestas << true;
        Pulsar(borrado, "cmdAceptar");
        e.ventana->Area()->setActiveSubWindow(Ventana(consulta));
        QCOMPARE(Entradas(consulta), Todas.mid(0, 5));
        QCOMPARE(Lista(consulta)->currentRow(), 0);
    }

    void centradaYCabeEn800x600()
    {
        Escena e;
        e.ventana->resize(800, 600);
        frmSelecLiquid* p = e.Pulsar(BotonConsulta);
        QVERIFY(p);
        QMdiSubWindow* ventana = Ventana(p);
        const QRect area = e.ventana->Area()->viewport()->rect();
        const auto centrada = [&] {
            const QPoint d = ventana->geometry().center() - QPoint(area.width() / 2, area.height() / 2);
            return qAbs(d.x()) <= 1 && qAbs(d.y()) <= 1;
        };
        QVERIFY(area.contains(ventana->geometry()));
        QVERIFY(centrada());
        // Moved away, it comes back to the centre when it is active again.
        e.Pulsar(BotonConsulta);
        ventana->move(0, 0);
        e.ventana->Area()->setActiveSubWindow(ventana);
        QVERIFY(centrada());
    }
};

QTEST_MAIN(TestFrmSelecLiquid)
#include "tst_frmseleccliquid.moc"
