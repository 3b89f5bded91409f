// SPDX-License-Identifier: GPL-3.0-or-later
// The employee edit screen through its own fields, on a real database: what is stored, what is
// refused with which message, what closing discards.
#include "screens/frmEmpleados.h"
#include "support/Entorno.h"
#include "tst_empleados.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

namespace {
/// The edit screen shown and active, on employee e (null: the screen makes a new one).
struct Edicion
{
    frmEmpleados pantalla;

    Edicion(DialogosPrueba& dialogos, const QSharedPointer<Empleado>& e)
        : pantalla(dialogos)
    {
        pantalla.setEmpleado(e);
        pantalla.show();
        QApplication::setActiveWindow(&pantalla);
        QVERIFY(QTest::qWaitForWindowActive(&pantalla));
    }
    template <typename T = QLineEdit>
    T* w(const char* nombre)
    {
        return pantalla.findChild<T*>(QLatin1String(nombre));
    }
    void Grabar() { QTest::mouseClick(w<QPushButton>("cmdGrabar"), Qt::LeftButton); }
};
} // namespace

class TestFrmEmpleados : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void abreVacioYCabeEnPantalla()
    {
        EscenaEmpleados escena;
        Edicion ed(escena.dialogos, nullptr);
        QCOMPARE(ed.pantalla.windowTitle(), QStringLiteral("Mantenimiento Empleados"));
        QVERIFY(ed.pantalla.frameGeometry().width() <= 800 && ed.pantalla.frameGeometry().height() <= 600);
        QVERIFY(ed.pantalla.EmpleadoEditado());
        QCOMPARE(ed.w("txtFechaBaja")->text(), QString());
        QCOMPARE(ed.w<QDateEdit>("dtpFechaIngreso")->date(), QDate(2024, 5, 10));
        QCOMPARE(ed.w<QComboBox>("cboCategoria")->currentText(), QStringLiteral("Sin Categoria"));
        // The name takes 40 characters, what its column holds.
        QTest::keyClicks(ed.w("txtNombre"), QString(41, QLatin1Char('x')));
        QCOMPARE(ed.w("txtNombre")->text(), QString(40, QLatin1Char('x')));
    }

    void grabar_data()
    {
        QTest::addColumn<QString>("cuil");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("baja");
        QTest::addColumn<QString>("yaGuardadoEn"); // "", "A" or "B": the same CUIL already stored there
        QTest::addColumn<QString>("mensaje");      // the one message expected, or none
        QTest::addColumn<QString>("guardado");     // the CUIL stored, or "" when nothing is stored
        QTest::addColumn<QDate>("bajaGuardada");
        const QDate sinBaja = FechaSinBaja();
        QTest::newRow("CUIL sin guiones") << "20123456786" << "Pérez, Juan" << "" << "" << "" << "20-12345678-6" << sinBaja;
        QTest::newRow("CUIL con guiones") << "20-12345678-6" << "Pérez, Juan" << "" << "" << "" << "20-12345678-6" << sinBaja;
        QTest::newRow("baja de 1975: sin baja") << "20123456786" << "Pérez" << "15/03/1975" << "" << "" << "20-12345678-6" << sinBaja;
        QTest::newRow("baja de 2024") << "20123456786" << "Pérez" << "15/03/2024" << "" << "" << "20-12345678-6" << QDate(2024, 3, 15);
        QTest::newRow("baja que no es fecha") << "20123456786" << "Pérez" << "31/02/2024" << "" << "" << "20-12345678-6" << sinBaja;
        QTest::newRow("CUIL incorrecto") << "20123456785" << "Pérez" << "" << "" << "C.U.I.L. incorrecto" << "" << sinBaja;
        QTest::newRow("CUIL incompleto") << "2012345678" << "Pérez" << "" << "" << "C.U.I.L. incorrecto" << "" << sinBaja;
        QTest::newRow("falta el nombre") << "20123456786" << "   " << "" << ""
                                         << "Debe completar todos los datos requeridos antes de grabar." << "" << sinBaja;
        QTest::newRow("falta el CUIL") << "" << "Pérez" << "" << ""
                                       << "Debe completar todos los datos requeridos antes de grabar." << "" << sinBaja;
        QTest::newRow("duplicado en la empresa") << "20123456786" << "Pérez" << "" << "A" << "C.U.I.L. duplicado" << "" << sinBaja;
        QTest::newRow("el mismo CUIL en otra empresa") << "20123456786" << "Pérez" << "" << "B" << "" << "20-12345678-6" << sinBaja;
        QTest::newRow("nombre con apóstrofo") << "20123456786" << "D'Angelo, Ana" << "" << "" << "" << "20-12345678-6" << sinBaja;
    }

    void grabar()
    {
        QFETCH(QString, cuil);
        QFETCH(QString, nombre);
        QFETCH(QString, baja);
        QFETCH(QString, yaGuardadoEn);
        QFETCH(QString, mensaje);
        QFETCH(QString, guardado);
        QFETCH(QDate, bajaGuardada);
        EscenaEmpleados escena;
        if (!yaGuardadoEn.isEmpty())
            QVERIFY(escena.GrabarEmpleado(yaGuardadoEn == QLatin1String("A") ? escena.a : escena.b,
                                    QStringLiteral("20-12345678-6"), QStringLiteral("Otro")));
        auto e = QSharedPointer<Empleado>::create();
        e->setEmpresa(escena.a);
        Edicion ed(escena.dialogos, e);
        Escribir(ed.w("txtNombre"), nombre);
        Escribir(ed.w("txtFechaBaja"), baja);
        Escribir(ed.w("txtHaberes"), QStringLiteral("1500"));
        Escribir(ed.w("txtCUIL"), cuil, false); // straight to "&Grabar", which makes the checks
        ed.Grabar();

        QCOMPARE(escena.dialogos.llamadas.size(), mensaje.isEmpty() ? 0 : 1);
        const qint64 enA = escena.Contar(QStringLiteral("where idempresa = %1").arg(escena.a->IdEmpresa()));
        if (mensaje.isEmpty()) {
            QCOMPARE(ed.pantalla.result(), int(QDialog::Accepted));
            QVERIFY(!ed.pantalla.isVisible());
            QCOMPARE(enA, 1);
            QCOMPARE(escena.Valor(QStringLiteral("select cuil || '|' || ayn || '|' || baja || '|' || sueldo from empleados "
                                                 "where id = %1").arg(e->IdEmpleado())),
                     QStringList({guardado, nombre.trimmed(), bajaGuardada.toString(Qt::ISODate), "1500.0"}).join('|'));
        } else {
            const bool falta = mensaje.startsWith(QLatin1String("Debe"));
            QCOMPARE(escena.dialogos.Mensajes(), QStringList{(falta ? "DATOS FALTANTES: " : "ERROR DE DATOS: ") + mensaje});
            QCOMPARE(escena.dialogos.Ultima().icono, falta ? Icono::Informacion : Icono::Critico);
            QVERIFY(ed.pantalla.isVisible());
            QCOMPARE(enA, yaGuardadoEn == QLatin1String("A") ? 1 : 0);
        }
        // The field shows what the employee holds: the masked CUIL, the termination date or nothing.
        if (CuitValido(cuil))
            QCOMPARE(ed.w("txtCUIL")->text(), QStringLiteral("20-12345678-6"));
        QCOMPARE(ed.w("txtFechaBaja")->text(), bajaGuardada == FechaSinBaja() ? QString() : baja);
    }

    void cuilAlSalir_data()
    {
        QTest::addColumn<QString>("cuil");
        QTest::addColumn<bool>("haciaSalir");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("incorrecto") << "20123456785" << false << "C.U.I.L. incorrecto";
        QTest::newRow("duplicado") << "27-12345678-0" << false << "C.U.I.L. duplicado";
        QTest::newRow("correcto") << "20-00000001-9" << false << "";
        QTest::newRow("incorrecto, hacia Salir") << "20123456785" << true << "";
        QTest::newRow("su propio CUIL") << "20-12345678-6" << false << "";
    }

    void cuilAlSalir()
    {
        QFETCH(QString, cuil);
        QFETCH(bool, haciaSalir);
        QFETCH(QString, mensaje);
        EscenaEmpleados escena;
        auto propio = escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez"));
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("27-12345678-0"), QStringLiteral("Gómez")));
        Edicion ed(escena.dialogos, propio);
        auto* campo = ed.w("txtCUIL");
        Escribir(campo, cuil, false);
        if (haciaSalir)
            ed.w<QPushButton>("cmdSalir")->setFocus();
        else
            QTest::keyClick(campo, Qt::Key_Tab);
        QApplication::processEvents();
        QCOMPARE(escena.dialogos.Mensajes(), mensaje.isEmpty() ? QStringList() : QStringList{"ERROR DE DATOS: " + mensaje});
        if (!mensaje.isEmpty())
            QCOMPARE(escena.dialogos.Ultima().icono, Icono::Critico);
        // Taken into the employee on leaving, whatever the check says.
        QCOMPARE(propio->CUIL(), Empleado::FormatoCuil(cuil));
    }

    void haberes_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("alSalir");
        QTest::addColumn<double>("haberes");
        QTest::addColumn<QString>("total"); // 2 % + FCM 2 % of a member
        const QLocale ingles(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("punto con coma decimal") << LocalArgentina() << "1234.5" << "1234,5" << "1234,50" << 1234.5 << "$49,38";
        QTest::newRow("coma con coma decimal") << LocalArgentina() << "1234,5" << "1234,5" << "1234,50" << 1234.5 << "$49,38";
        QTest::newRow("coma con punto decimal") << ingles << "1234,5" << "1234.5" << "1234.50" << 1234.5 << "$49.38";
        QTest::newRow("letras y signos no entran") << LocalArgentina() << "-1a2 3$" << "123" << "123,00" << 123.0 << "$4,92";
    }

    void haberes()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, teclas);
        LocalPrueba enLocal(local);
        EscenaEmpleados escena;
        auto e = escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez"));
        Edicion ed(escena.dialogos, e);
        auto* campo = ed.w("txtHaberes");
        Escribir(campo, teclas, false);
        QTEST(campo->text(), "escrito");
        QTest::keyClick(campo, Qt::Key_Tab);
        QTEST(campo->text(), "alSalir");
        QTEST(e->Haberes(), "haberes"); // at once, before any saving
        QTEST(ed.w<QLabel>("lblTotalAporte")->text(), "total");
    }

    void haberesQueNoEsNumeroNoSeToma()
    {
        EscenaEmpleados escena;
        auto e = escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez"), 800);
        Edicion ed(escena.dialogos, e);
        Escribir(ed.w("txtHaberes"), QStringLiteral(".."));
        QCOMPARE(e->Haberes(), 800.0);
        // "&Grabar" stops there too, without a message and without storing.
        ed.Grabar();
        QVERIFY(ed.pantalla.isVisible());
        QVERIFY(escena.dialogos.llamadas.isEmpty());
        QCOMPARE(escena.Valor(QStringLiteral("select sueldo from empleados")), QStringLiteral("800"));
    }

    void cerrarDescarta_data()
    {
        QTest::addColumn<QString>("como");
        QTest::newRow("Salir") << "cmdSalir";
        QTest::newRow("cuadro de cierre") << "cerrar";
        QTest::newRow("Escape") << "escape";
    }

    void cerrarDescarta()
    {
        QFETCH(QString, como);
        EscenaEmpleados escena;
        auto e = escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez"), 1000);
        escena.a->CargarListaEmpleados(escena.base.bd());
        auto enLista = escena.a->ListaBaseEmpleados().Item(1);
        Edicion ed(escena.dialogos, enLista);
        Escribir(ed.w("txtNombre"), QStringLiteral("Cambiado"));
        Escribir(ed.w("txtHaberes"), QStringLiteral("2000"));
        ed.w<QCheckBox>("chkMediaJornada")->click();
        Elegir(ed.w<QComboBox>("cboLicencia"), 3);
        Escribir(ed.w("txtFechaBaja"), QStringLiteral("01/04/2024"));
        // Every change is in the very object at once, and the total follows it.
        const auto datos = [&] {
            return QStringLiteral("%1|%2|%3|%4|%5").arg(enLista->Nombre()).arg(enLista->Haberes())
                .arg(enLista->MediaJornada()).arg(enLista->Licencia()).arg(enLista->FechaBaja().toString(Qt::ISODate));
        };
        QCOMPARE(datos(), QStringLiteral("Cambiado|2000|1|3|2024-04-01"));
        QCOMPARE(ed.w<QLabel>("lblTotalAporte")->text(), QStringLiteral("$") + FormatoImporte(0));

        if (como == QLatin1String("cerrar"))
            ed.pantalla.close();
        else if (como == QLatin1String("escape"))
            QTest::keyClick(&ed.pantalla, Qt::Key_Escape);
        else
            QTest::mouseClick(ed.w<QPushButton>("cmdSalir"), Qt::LeftButton);
        QVERIFY(!ed.pantalla.isVisible());
        QCOMPARE(datos(), QStringLiteral("Pérez|1000|0|0|") + FechaSinBaja().toString(Qt::ISODate));
        QCOMPARE(escena.Valor(QStringLiteral("select ayn from empleados")), QStringLiteral("Pérez"));
        QVERIFY(escena.dialogos.llamadas.isEmpty());
    }

    void nuevoSinGrabarQuedaVacio()
    {
        EscenaEmpleados escena;
        auto e = QSharedPointer<Empleado>::create();
        e->setEmpresa(escena.a);
        Edicion ed(escena.dialogos, e);
        Escribir(ed.w("txtNombre"), QStringLiteral("Sin Grabar"));
        QCOMPARE(e->Nombre(), QStringLiteral("Sin Grabar"));
        QTest::mouseClick(ed.w<QPushButton>("cmdSalir"), Qt::LeftButton);
        // Whoever opened the screen sees nothing was stored: no name, and still of the same company.
        QCOMPARE(e->Nombre(), QString());
        QCOMPARE(e->Empresa(), escena.a);
        QCOMPARE(escena.Contar(QString()), 0);
    }

    void modificarActualizaLaFila()
    {
        EscenaEmpleados escena;
        auto e = escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez"));
        const qint64 id = e->IdEmpleado();
        Edicion ed(escena.dialogos, e);
        Escribir(ed.w("txtNombre"), QStringLiteral("Pérez, Juan Carlos"));
        ed.w<QDateEdit>("dtpFechaIngreso")->setDate(QDate(2015, 5, 4));
        auto* categorias = ed.w<QComboBox>("cboCategoria");
        Elegir(categorias, categorias->findData(150));
        ed.w<QCheckBox>("chkAfiliado")->click();
        Elegir(ed.w<QComboBox>("cboLicencia"), 2);
        ed.Grabar();
        QVERIFY(!ed.pantalla.isVisible());
        QVERIFY(escena.dialogos.llamadas.isEmpty());
        QCOMPARE(escena.Contar(QString()), 1);
        QCOMPARE(e->IdEmpleado(), id);
        // Read back on closing: what the object holds is what is stored.
        QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5|%6").arg(e->Nombre(), e->FechaIngreso().toString(Qt::ISODate))
                     .arg(e->Categoria()).arg(e->DescripcionCategoria()).arg(e->Afiliado()).arg(e->Licencia()),
                 QStringLiteral("Pérez, Juan Carlos|2015-05-04|150|Administrativo E|0|2"));
    }

    void grabacionRechazadaNoCierra()
    {
        EscenaEmpleados escena;
        // An employee of no company: storage refuses it.
        Edicion ed(escena.dialogos, nullptr);
        Escribir(ed.w("txtNombre"), QStringLiteral("Sin Empresa"));
        Escribir(ed.w("txtCUIL"), QStringLiteral("20123456786"), false);
        ed.Grabar();
        QCOMPARE(escena.dialogos.llamadas.size(), 1);
        const QString prefijo = QStringLiteral("No se pudo grabar el empleado.\n"), texto = escena.dialogos.Ultima().texto;
        QVERIFY2(texto.startsWith(prefijo) && texto.size() > prefijo.size(), qPrintable(texto)); // and the reason
        QCOMPARE(escena.dialogos.Ultima().icono, Icono::Critico);
        QVERIFY(ed.pantalla.isVisible());
        QCOMPARE(ed.w("txtNombre")->text(), QStringLiteral("Sin Empresa"));
        QCOMPARE(ed.pantalla.EmpleadoEditado()->CUIL(), QStringLiteral("20-12345678-6"));
        QCOMPARE(escena.Contar(QString()), 0);
    }
};

QTEST_MAIN(TestFrmEmpleados)
#include "tst_frmempleados.moc"
