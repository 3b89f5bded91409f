// SPDX-License-Identifier: GPL-3.0-or-later
// The company screen through its own controls, on a real database, inside a real main window.
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "records/Reloj.h"
#include "screens/frmConsRubro.h"
#include "screens/frmEmpresas.h"
#include "screens/frmListaEmpleados.h"
#include "shell/frmPadre.h"
#include "support/BasePrueba.h"
#include "support/DialogoModal.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/Teclado.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>

#include <memory>

namespace {
// Stored companies of the scenes: valid CUITs.
const QStringList Cuits = {QStringLiteral("20-12345678-6"), QStringLiteral("27-12345678-0"),
                           QStringLiteral("20-00000001-9")};
const QString CuitIncorrecto = QStringLiteral("ERROR DE DATOS: C.U.I.T. incorrecto");
const QString CuitDuplicado = QStringLiteral("ERROR DE DATOS: C.U.I.T. duplicado");
const QString CuitVacio = QStringLiteral("__-________-_");

/// A main window, shown and active, over a fresh database with `empresas` companies ("Empresa 1"...),
/// the second one with two employees and a stored slip of three employee rows; "ULTIMAEMPRESA"
/// chooses `actual`; `antes` is run on the database first.
struct Escena
{
    BasePrueba base;
    DialogosPrueba dialogos;
    std::unique_ptr<frmPadre> ventana;
    bool activa = false;

    explicit Escena(int empresas, int actual = 0, const QString& antes = QString())
    {
        for (int i = 1; i <= empresas; ++i)
            base.bd().Ejecutar(QStringLiteral(
                "insert into empresas (cuit, razonsocial, calle, numero, callel, numerol, codpost, localidad, "
                "codprov, codrubro, sucursales, docu_socio) values ('%1', 'Empresa %2', 'Calle %2', '%2', "
                "'Legal %2', '1%2', '1602', 'FLORIDA', '2', '671130', '%2', 'DNI %2')")
                                   .arg(Cuits.value(i - 1))
                                   .arg(i));
        if (empresas >= 2) {
            base.bd().Ejecutar(QStringLiteral("insert into empleados (idempresa, cuil, ayn) values "
                                              "(2, '20-12345678-6', 'PEREZ'), (2, '27-12345678-0', 'GOMEZ')"));
            base.bd().Ejecutar(QStringLiteral("insert into liquidaciones (idmatriz, mes, anio) values (2, 3, 2014)"));
            base.bd().Ejecutar(QStringLiteral("insert into liquidaciones_empl (idliquidacion, idempleado) "
                                              "select max(l.id), e.id from liquidaciones l, empleados e group by e.id "
                                              "union all select max(id), 0 from liquidaciones"));
        }
        if (!antes.isEmpty())
            base.bd().Ejecutar(antes);
        GrabarParametro(QStringLiteral("ULTIMAEMPRESA"), QString::number(actual));
        ventana = std::make_unique<frmPadre>(dialogos);
        ventana->show();
        // Active, so that focus moves between fields as the user moves it.
        activa = QTest::qWaitForWindowActive(ventana.get());
    }

    /// The company screen, opened as F2 opens it; null when the window never became active.
    frmEmpresas* Abrir()
    {
        if (!activa)
            return nullptr;
        ventana->MantenimientoEmpresas();
        return ventana->findChild<frmEmpresas*>(QStringLiteral("frmEmpresas"));
    }
    template <typename T = QWidget>
    T* W(const QString& nombre) const
    {
        return ventana->findChild<T*>(nombre);
    }
    QLineEdit* Campo(const QString& nombre) const { return W<QLineEdit>(nombre); }
    void Pulsar(const QString& boton) { W<QPushButton>(boton)->click(); }
    void Escribir(const QString& campo, const QString& texto) { Tipear(Campo(campo), texto); }
    QString Valor(const QString& sql) { return base.bd().ValorEscalar(sql).toString(); }
    qint64 Contar(const QString& tabla) { return base.Contar(QStringLiteral("select count(*) from ") + tabla); }
    int Abiertas() const
    {
        int n = 0;
        for (QMdiSubWindow* v : ventana->Area()->subWindowList())
            n += qobject_cast<frmEmpresas*>(v->widget()) != nullptr;
        return n;
    }
    QStringList Entradas() const
    {
        QStringList entradas;
        auto* lista = W<QListWidget>(QStringLiteral("lstEmpresas"));
        for (int i = 0; i < lista->count(); ++i)
            entradas << lista->item(i)->text();
        return entradas;
    }
    int Fila() const { return W<QListWidget>(QStringLiteral("lstEmpresas"))->currentRow(); }
    /// Fills every field of a valid new company (CUIT 30-00000000-7 is valid: sum 15, remainder 4).
    void Completar()
    {
        Escribir(QStringLiteral("txtNombre"), QStringLiteral("Nueva S.A."));
        Escribir(QStringLiteral("txtCUIT"), QStringLiteral("30000000007"));
        Escribir(QStringLiteral("txtCalle"), QStringLiteral("San Martín"));
        Escribir(QStringLiteral("txtNumero"), QStringLiteral("120"));
        Escribir(QStringLiteral("txtCalleLegal"), QStringLiteral("Mitre"));
        Escribir(QStringLiteral("txtNumeroLegal"), QStringLiteral("45"));
        Escribir(QStringLiteral("txtCodPost"), QStringLiteral("1602"));
        W(QStringLiteral("cboLocalidad"))->setFocus();
        W<QComboBox>(QStringLiteral("cboLocalidad"))->setCurrentIndex(2); // FLORIDA
        auto* rubros = W<QComboBox>(QStringLiteral("cboRubro"));
        rubros->setCurrentIndex(rubros->findData(QStringLiteral("671130")));
        dialogos.Limpiar();
    }
};

/// Whether every control is as browsing leaves it (true) or as an edit leaves it (false).
bool Bloqueada(const Escena& e, bool soloLectura)
{
    for (const char* nombre : {"txtNombre", "txtCUIT", "txtCalle", "txtNumero", "txtPiso", "txtCalleLegal",
                               "txtNumeroLegal", "txtPisoLegal", "txtCodPost", "txtTelefonos", "txtEmail", "txtSocio",
                               "txtDocuSocio", "txtSocio2", "txtDocuSocio2", "txtSucursales", "txtNombreComercial"})
        if (e.Campo(QLatin1String(nombre))->isReadOnly() != soloLectura)
            return false;
    for (const char* nombre : {"optJuridica", "optFisica", "dtpFechaInicio", "cboRubro"})
        if (e.W(QLatin1String(nombre))->isEnabled() == soloLectura)
            return false;
    // Shown only while browsing, then only while editing.
    for (const char* nombre : {"cmdAgregar", "cmdModificar", "cmdBorrar"})
        if (e.W(QLatin1String(nombre))->isHidden() == soloLectura)
            return false;
    for (const char* nombre : {"cmdGrabar", "cmdCancelar", "lnkRubros"})
        if (e.W(QLatin1String(nombre))->isHidden() != soloLectura)
            return false;
    return e.Campo(QStringLiteral("txtLocalidad"))->isReadOnly() && e.Campo(QStringLiteral("txtCodProv"))->isReadOnly()
        && e.W(QStringLiteral("lstEmpresas"))->isEnabled() == soloLectura
        && e.W(QStringLiteral("txtLocalidad"))->isVisible() == soloLectura;
}

QString Entrada(int i)
{
    return Cuits.value(i - 1) + QStringLiteral("   -   Empresa %1").arg(i);
}
} // namespace

class TestFrmEmpresas : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }
    void init() { Reloj::Fijar(QDate(2014, 4, 10)); }

    void abrirSinEmpresas()
    {
        Escena e(0);
        frmEmpresas* pantalla = e.Abrir();
        QVERIFY(pantalla);
        QCOMPARE(pantalla->windowTitle(), QStringLiteral("Mantenimiento de Empresas"));
        // A fixed size that holds the whole screen, centred in the work area whenever it becomes active.
        auto* ventana = qobject_cast<QMdiSubWindow*>(pantalla->parentWidget());
        ventana->resize(900, 700);
        QCOMPARE(ventana->size(), QSize(671, 464));
        QVERIFY(pantalla->minimumSizeHint().width() <= ventana->contentsRect().width());
        QVERIFY(pantalla->minimumSizeHint().height() <= ventana->contentsRect().height());
        QWidget* area = e.ventana->Area()->viewport();
        const QPoint centrada((area->width() - 671) / 2, (area->height() - 464) / 2);
        QCOMPARE(ventana->pos(), centrada);
        ventana->move(0, 0);
        e.ventana->Area()->setActiveSubWindow(nullptr);
        e.ventana->Area()->setActiveSubWindow(ventana);
        QCOMPARE(ventana->pos(), centrada);

        QCOMPARE(e.Entradas(), QStringList());
        QVERIFY(pantalla->EmpresaMostrada().isNull());
        QVERIFY(Bloqueada(e, true));
        QVERIFY(!e.W(QStringLiteral("cmdEmpleados"))->isEnabled());
        QCOMPARE(e.W<QComboBox>(QStringLiteral("cboRubro"))->count(), int(e.Contar(QStringLiteral("rubros"))));
        // Nothing to modify or delete.
        e.Pulsar(QStringLiteral("cmdModificar"));
        e.Pulsar(QStringLiteral("cmdBorrar"));
        QCOMPARE(pantalla->Estado(), int(frmEmpresas::Consultando));
        QVERIFY(e.dialogos.llamadas.isEmpty());
    }

    void unaSolaPantallaEnLaEmpresaActual()
    {
        Escena e(3, 1);
        frmEmpresas* pantalla = e.Abrir();
        QVERIFY(pantalla);
        QCOMPARE(e.Entradas(), (QStringList{Entrada(1), Entrada(2), Entrada(3)}));
        QCOMPARE(e.Fila(), 1); // the main window's current company
        QCOMPARE(e.Campo(QStringLiteral("txtNombre"))->text(), QStringLiteral("Empresa 2"));
        QCOMPARE(e.Campo(QStringLiteral("txtCUIT"))->displayText(), Cuits[1]);
        QCOMPARE(e.Campo(QStringLiteral("txtLocalidad"))->text(), QStringLiteral("FLORIDA"));
        QCOMPARE(e.W<QLabel>(QStringLiteral("lblNombreProvincia"))->text(), QStringLiteral("BUENOS AIRES"));
        QCOMPARE(e.Campo(QStringLiteral("txtSucursales"))->text(), QStringLiteral("2"));
        QCOMPARE(e.W<QComboBox>(QStringLiteral("cboRubro"))->currentData().toString(), QStringLiteral("671130"));
        QVERIFY(e.W<QRadioButton>(QStringLiteral("optJuridica"))->isChecked());
        QCOMPARE(pantalla->EmpresaMostrada()->ListaBaseEmpleados().Count(), 2);
        QVERIFY(e.W(QStringLiteral("cmdEmpleados"))->isEnabled());
        e.W<QListWidget>(QStringLiteral("lstEmpresas"))->setCurrentRow(2);
        QCOMPARE(e.Campo(QStringLiteral("txtNombre"))->text(), QStringLiteral("Empresa 3"));

        // F2, the toolbar's "Altas" and the menu reach the one open screen.
        QTest::keyClick(e.ventana.get(), Qt::Key_F2);
        e.ventana->findChild<QToolButton*>(QStringLiteral("cmdMantenimEmpr"))->click();
        e.ventana->findChild<QAction*>(QStringLiteral("mnuMantenimiento"))->trigger();
        QCOMPARE(e.Abiertas(), 1);
        QCOMPARE(e.Abrir(), pantalla);
        QCOMPARE(e.Fila(), 2);
        QVERIFY(e.dialogos.llamadas.isEmpty());

        // Closed, it is gone; opened again, it reads the companies anew.
        e.Pulsar(QStringLiteral("cmdCerrar"));
        QTRY_VERIFY(!e.ventana->findChild<frmEmpresas*>());
        QVERIFY(e.base.bd().Ejecutar(QStringLiteral("delete from empresas where id = 1")));
        QTest::keyClick(e.ventana.get(), Qt::Key_F2);
        QCOMPARE(e.Abiertas(), 1);
        QCOMPARE(e.Entradas(), (QStringList{Entrada(2), Entrada(3)}));
    }

    void agregarYModificar()
    {
        Escena e(2, 0);
        frmEmpresas* pantalla = e.Abrir();
        QVERIFY(pantalla);
        e.Pulsar(QStringLiteral("cmdAgregar"));
        QVERIFY(Bloqueada(e, false));
        QVERIFY(!e.W(QStringLiteral("cmdEmpleados"))->isEnabled()); // nothing stored to hang employees on
        QCOMPARE(e.Campo(QStringLiteral("txtCUIT"))->displayText(), CuitVacio);
        QCOMPARE(e.W<QDateEdit>(QStringLiteral("dtpFechaInicio"))->date(), QDate(2014, 4, 10));
        e.Completar();
        e.Escribir(QStringLiteral("txtPiso"), QStringLiteral("3 B"));
        e.Escribir(QStringLiteral("txtSucursales"), QString()); // empty is no branches
        e.W<QRadioButton>(QStringLiteral("optFisica"))->click();
        e.W<QDateEdit>(QStringLiteral("dtpFechaInicio"))->setDate(QDate(2010, 5, 17));
        e.Pulsar(QStringLiteral("cmdGrabar"));
        QCOMPARE(e.dialogos.Mensajes(), QStringList());
        QVERIFY(Bloqueada(e, true));
        QCOMPARE(e.Valor(QStringLiteral(
                     "select razonsocial || '|' || calle || '|' || numero || '|' || piso || '|' || callel || '|' || "
                     "numerol || '|' || codpost || '|' || localidad || '|' || codprov || '|' || codrubro || '|' || "
                     "fisica || '|' || sucursales || '|' || fechainicio from empresas where cuit = '30-00000000-7'")),
                 QStringLiteral("Nueva S.A.|San Martín|120|3 B|Mitre|45|1602|FLORIDA|2|671130|1|0|2010-05-17"));
        // Last in the screen's list and current in the main window.
        QCOMPARE(e.Entradas(), (QStringList{Entrada(1), Entrada(2), QStringLiteral("30-00000000-7   -   Nueva S.A.")}));
        QCOMPARE(e.Fila(), 2);
        QCOMPARE(e.ventana->PosicionEmpresa(), 2);
        QCOMPARE(e.ventana->EmpresaActual()->Nombre(), QStringLiteral("Nueva S.A."));
        QCOMPARE(LeerParametro(QStringLiteral("ULTIMAEMPRESA")), QStringLiteral("2"));
        QVERIFY(e.W(QStringLiteral("cmdEmpleados"))->isEnabled());

        // Modifying the second company: the same entry stays selected, here and in the main window.
        e.W<QListWidget>(QStringLiteral("lstEmpresas"))->setCurrentRow(1);
        e.Pulsar(QStringLiteral("cmdModificar"));
        auto* localidades = e.W<QComboBox>(QStringLiteral("cboLocalidad"));
        QCOMPARE(localidades->count(), 6); // the towns of 1602, the shown one chosen
        QCOMPARE(localidades->currentText(), QStringLiteral("FLORIDA"));
        QVERIFY(e.W(QStringLiteral("cmdEmpleados"))->isEnabled()); // a stored company keeps its employees' button
        e.Escribir(QStringLiteral("txtNombre"), QStringLiteral("Empresa Dos"));
        e.Escribir(QStringLiteral("txtSucursales"), QStringLiteral(" 12 "));
        // A description with " - " of its own: the code is still the category's.
        auto* rubros = e.W<QComboBox>(QStringLiteral("cboRubro"));
        rubros->setCurrentIndex(rubros->findText(QStringLiteral("OPERACIONES DE INTERMEDIACION DE CARNE - CONSIG"),
                                                 Qt::MatchStartsWith));
        e.Pulsar(QStringLiteral("cmdGrabar"));
        QCOMPARE(e.dialogos.Mensajes(), QStringList());
        QCOMPARE(e.Valor(QStringLiteral("select razonsocial || '|' || sucursales || '|' || codrubro from empresas "
                                        "where id = 2")),
                 QStringLiteral("Empresa Dos|12|511911"));
        QCOMPARE(e.Fila(), 1);
        QCOMPARE(e.Entradas().value(1), Cuits[1] + QStringLiteral("   -   Empresa Dos"));
        QCOMPARE(e.ventana->PosicionEmpresa(), 1);
        QCOMPARE(e.ventana->EmpresaActual()->Nombre(), QStringLiteral("Empresa Dos"));
        QCOMPARE(e.ventana->EmpresaActual()->ListaBaseEmpleados().Count(), 2);
        QCOMPARE(e.Contar(QStringLiteral("empresas")), 3);
    }

    void largosMaximos()
    {
        // Each field takes what its column holds, so that the longest text typed is stored whole.
        const struct { const char* campo; const char* columna; int largo; } largos[] = {
            {"txtNombre", "razonsocial", 50}, {"txtCalle", "calle", 50},         {"txtNumero", "numero", 10},
            {"txtPiso", "piso", 10},           {"txtCalleLegal", "callel", 50},   {"txtNumeroLegal", "numerol", 10},
            {"txtPisoLegal", "pisol", 10},     {"txtCodPost", "codpost", 8},      {"txtTelefonos", "telefonos", 50},
            {"txtEmail", "email", 50},         {"txtSocio", "socio", 50},         {"txtDocuSocio", "docu_socio", 50},
            {"txtSocio2", "socio2", 50},       {"txtDocuSocio2", "docu_socio2", 50},
            {"txtNombreComercial", "comercial", 50}};
        Escena e(0);
        QVERIFY(e.Abrir());
        e.Pulsar(QStringLiteral("cmdAgregar"));
        e.Completar();
        QStringList columnas, esperado;
        for (const auto& l : largos) {
            QLineEdit* campo = e.Campo(QLatin1String(l.campo));
            campo->setText(QString(80, QLatin1Char(l.campo[4]))); // pasted: cut at the field's length
            QCOMPARE(campo->text().size(), l.largo);
            columnas << QStringLiteral("length(%1)").arg(QLatin1String(l.columna));
            esperado << QString::number(l.largo);
        }
        e.Campo(QStringLiteral("txtDocuSocio2"))->setText(QString(50, QLatin1Char('z'))); // partners differ
        e.Campo(QStringLiteral("txtSucursales"))->setText(QStringLiteral("1234567890123"));
        QCOMPARE(e.Campo(QStringLiteral("txtSucursales"))->text(), QStringLiteral("1234567890"));
        e.Campo(QStringLiteral("txtSucursales"))->setText(QStringLiteral("123456789"));
        e.Pulsar(QStringLiteral("cmdGrabar"));
        QCOMPARE(e.dialogos.Mensajes(), QStringList());
        QCOMPARE(e.Valor(QStringLiteral("select ") + columnas.join(QStringLiteral(" || ' ' || ")) + QStringLiteral(" from empresas")),
                 esperado.join(QLatin1Char(' ')));
        QCOMPARE(e.Valor(QStringLiteral("select sucursales from empresas")), QStringLiteral("123456789"));
    }

    void grabarRechazado_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("antes"); // run on the database first
        QTest::addColumn<QString>("mensaje");
        const QString faltan = QStringLiteral("DATOS FALTANTES: Debe completar los campos remarcados antes de grabar.");
        const QString noSeGrabo = QStringLiteral("GRABACION: No se pudo grabar la empresa.\n");
        const QString sucursales = QStringLiteral("ERROR DE DATOS: Sucursales debe ser un número entero de "
                                                  "sucursales, sin signos ni decimales.");
        QTest::newRow("sin razón social") << "txtNombre" << "" << "" << faltan;
        QTest::newRow("sin calle legal") << "txtCalleLegal" << "" << "" << faltan;
        QTest::newRow("CUIT sin escribir") << "txtCUIT" << "" << "" << CuitIncorrecto;
        QTest::newRow("CUIT a medias") << "txtCUIT" << "2012" << "" << CuitIncorrecto;
        QTest::newRow("dígito verificador") << "txtCUIT" << "20123456785" << "" << CuitIncorrecto;
        QTest::newRow("CUIT de otra empresa") << "txtCUIT" << "27123456780" << "" << noSeGrabo + "C.U.I.T. duplicado";
        QTest::newRow("la base lo rechaza")
            << "txtNombre" << "Nueva S.A."
            << "create trigger rechazo before insert on empresas begin select raise(abort, 'rechazada por la base'); end"
            << noSeGrabo + "rechazada por la base";
        QTest::newRow("sucursales con coma") << "txtSucursales" << "2,5" << "" << sucursales;
        QTest::newRow("sucursales negativas") << "txtSucursales" << "-1" << "" << sucursales;
        QTest::newRow("sucursales en letras") << "txtSucursales" << "tres" << "" << sucursales;
        QTest::newRow("sucursales de más") << "txtSucursales" << "9999999999" << "" << sucursales;
    }
    void grabarRechazado()
    {
        QFETCH(QString, campo);
        QFETCH(QString, escrito);
        QFETCH(QString, antes);
        QFETCH(QString, mensaje);
        Escena e(2, 0, antes);
        frmEmpresas* pantalla = e.Abrir();
        QVERIFY(pantalla);
        e.Pulsar(QStringLiteral("cmdAgregar"));
        e.Completar();
        e.Escribir(campo, escrito); // without leaving the field, so only "Grabar" checks it
        const QString tecleado = e.Campo(campo)->displayText();
        e.Pulsar(QStringLiteral("cmdGrabar"));
        const QStringList mensajes = e.dialogos.Mensajes();
        QCOMPARE(mensajes.size(), 1);
        QVERIFY2(mensajes[0].startsWith(mensaje), qPrintable(mensajes[0]));
        // The edit goes on with the data as typed; nothing stored.
        QCOMPARE(pantalla->Estado(), int(frmEmpresas::Agregando));
        QCOMPARE(e.Campo(QStringLiteral("txtCalle"))->text(), QStringLiteral("San Martín"));
        QCOMPARE(e.Campo(campo)->displayText(), tecleado);
        QCOMPARE(e.Contar(QStringLiteral("empresas")), 2);
        QCOMPARE(e.Entradas(), (QStringList{Entrada(1), Entrada(2)}));
        QCOMPARE(e.ventana->EmpresaActual()->Nombre(), QStringLiteral("Empresa 1"));
    }

    void cancelar_data()
    {
        QTest::addColumn<int>("empresas");
        QTest::addColumn<bool>("agregar");
        QTest::addColumn<QString>("nombre"); // shown after "Cancelar"
        QTest::newRow("alta") << 2 << true << "Empresa 2";
        QTest::newRow("modificación que no se grabó") << 2 << false << "Empresa 2";
        QTest::newRow("alta sin empresas") << 0 << true << "";
    }
    void cancelar()
    {
        QFETCH(int, empresas);
        QFETCH(bool, agregar);
        QFETCH(QString, nombre);
        Escena e(empresas, 1);
        frmEmpresas* pantalla = e.Abrir();
        QVERIFY(pantalla);
        e.Pulsar(agregar ? QStringLiteral("cmdAgregar") : QStringLiteral("cmdModificar"));
        e.Escribir(QStringLiteral("txtNombre"), QStringLiteral("Otra"));
        e.Escribir(QStringLiteral("txtCalle"), QString());
        e.Pulsar(QStringLiteral("cmdGrabar")); // refused: the company object has taken the fields
        e.Pulsar(QStringLiteral("cmdCancelar"));
        QVERIFY(Bloqueada(e, true));
        QCOMPARE(e.Campo(QStringLiteral("txtNombre"))->text(), nombre);
        QCOMPARE(e.Campo(QStringLiteral("txtCalle"))->text(), empresas ? QStringLiteral("Calle 2") : QString());
        QCOMPARE(pantalla->EmpresaMostrada() ? pantalla->EmpresaMostrada()->Nombre() : QString(), nombre);
        QCOMPARE(e.Valor(QStringLiteral("select group_concat(razonsocial) from empresas")),
                 empresas ? QStringLiteral("Empresa 1,Empresa 2") : QString());
    }

    void alSalirDelCampo_data()
    {
        QTest::addColumn<QString>("boton"); // the command that starts the edit; none to browse
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("hacia");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("icono");
        const int critico = int(Icono::Critico);
        QTest::newRow("el propio al modificar") << "cmdModificar" << "txtCUIT" << "27123456780" << "txtNombre" << "" << 0;
        QTest::newRow("el de otra al modificar")
            << "cmdModificar" << "txtCUIT" << "20123456786" << "txtNombre" << CuitDuplicado << critico;
        QTest::newRow("el de otra al agregar")
            << "cmdAgregar" << "txtCUIT" << "27123456780" << "txtCalle" << CuitDuplicado << critico;
        QTest::newRow("nuevo") << "cmdAgregar" << "txtCUIT" << "30000000007" << "txtNombre" << "" << 0;
        QTest::newRow("dígito verificador")
            << "cmdAgregar" << "txtCUIT" << "20123456785" << "txtNombre" << CuitIncorrecto << critico;
        QTest::newRow("sin escribir") << "cmdAgregar" << "txtCUIT" << "" << "txtNombre" << CuitIncorrecto << critico;
        QTest::newRow("a medias") << "cmdModificar" << "txtCUIT" << "2012" << "cboRubro" << CuitIncorrecto << critico;
        QTest::newRow("hacia Cancelar") << "cmdAgregar" << "txtCUIT" << "20123456785" << "cmdCancelar" << "" << 0;
        QTest::newRow("consultando") << "" << "txtCUIT" << "20123456785" << "txtNombre" << "" << 0;
        // Leaving the second partner's document checks both documents.
        const QString socios = QStringLiteral("txtDocuSocio,txtDocuSocio2");
        const QString iguales = QStringLiteral("ERROR DE DATOS: Los números de documento de ambos socios no pueden ser iguales.");
        QTest::newRow("documentos iguales salvo mayúsculas")
            << "cmdModificar" << socios << "DNI 123,dni 123" << "txtSocio" << iguales << int(Icono::Informacion);
        QTest::newRow("documentos distintos") << "cmdModificar" << socios << "DNI 123,DNI 124" << "txtSocio" << "" << 0;
        QTest::newRow("segundo documento vacío") << "cmdModificar" << socios << "DNI 123," << "txtSocio" << "" << 0;
        QTest::newRow("documentos vacíos") << "cmdModificar" << socios << "," << "txtSocio" << "" << 0;
    }
    void alSalirDelCampo()
    {
        QFETCH(QString, boton);
        QFETCH(QString, campo);
        QFETCH(QString, escrito);
        QFETCH(QString, hacia);
        QFETCH(QString, mensaje);
        QFETCH(int, icono);
        Escena e(3, 1);
        QVERIFY(e.Abrir());
        if (!boton.isEmpty())
            e.Pulsar(boton);
        const QStringList campos = campo.split(QLatin1Char(','));
        for (int i = 0; i < campos.size(); ++i)
            e.Escribir(campos[i], escrito.section(QLatin1Char(','), i, i));
        e.W(hacia)->setFocus();
        QCOMPARE(e.dialogos.Mensajes(), mensaje.isEmpty() ? QStringList() : QStringList{mensaje});
        if (!mensaje.isEmpty()) { // and back in the field
            QCOMPARE(int(e.dialogos.Ultima().icono), icono);
            QCOMPARE(QApplication::focusWidget(), e.W(campos.last()));
        }
        if (boton.isEmpty()) // typing is ignored while browsing
            QCOMPARE(e.Campo(campo)->displayText(), Cuits[1]);
    }

    void codigoPostal_data()
    {
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("mostrado");
        QTest::addColumn<int>("localidades");
        QTest::addColumn<QString>("elegida");
        QTest::addColumn<QString>("provincia");
        QTest::newRow("letras y dígitos") << "b8000xyz" << "B8000XYZ" << 23 << "BAHIA BLANCA" << "BUENOS AIRES";
        QTest::newRow("otra provincia") << "x5000" << "X5000" << 54 << "BAJO PALERMO" << "CÓRDOBA";
        QTest::newRow("sin dígitos") << "abc" << "ABC" << 6 << "" << "BUENOS AIRES"; // 1602's towns stay
        QTest::newRow("sin localidades") << "9999" << "9999" << 0 << "" << "BUENOS AIRES";
    }
    void codigoPostal()
    {
        QFETCH(QString, escrito);
        QFETCH(QString, mostrado);
        QFETCH(QString, elegida);
        Escena e(1);
        QVERIFY(e.Abrir());
        e.Pulsar(QStringLiteral("cmdModificar")); // looks up the towns of 1602
        e.Escribir(QStringLiteral("txtCodPost"), escrito);
        QCOMPARE(e.Campo(QStringLiteral("txtCodPost"))->text(), mostrado);
        QTest::keyClick(e.W(QStringLiteral("txtCodPost")), Qt::Key_Return); // Enter goes to the towns
        QCOMPARE(e.dialogos.Mensajes(), QStringList{QStringLiteral(": Seleccione la localidad que correponde")});
        QCOMPARE(e.dialogos.Ultima().icono, Icono::Ninguno);
        QCOMPARE(QApplication::focusWidget(), e.W(QStringLiteral("cboLocalidad")));
        auto* lista = e.W<QComboBox>(QStringLiteral("cboLocalidad"));
        QTEST(lista->count(), "localidades");
        if (!elegida.isEmpty()) {
            lista->setCurrentIndex(lista->findText(elegida));
            QCOMPARE(e.Campo(QStringLiteral("txtLocalidad"))->text(), elegida);
        }
        QTEST(e.W<QLabel>(QStringLiteral("lblNombreProvincia"))->text(), "provincia");
        e.Pulsar(QStringLiteral("cmdGrabar"));
        QCOMPARE(e.Valor(QStringLiteral("select codpost || '|' || localidad from empresas")),
                 mostrado + QLatin1Char('|') + (elegida.isEmpty() ? QStringLiteral("FLORIDA") : elegida));
    }

    void busquedaDeRubros()
    {
        Escena e(1, 0,
                 QStringLiteral("insert into rubros (codigo, descripcion) values ('999000', '0 comercio de prueba'), "
                                "('999001', 'Comercio minorista de prueba')"));
        QVERIFY(e.Abrir());
        e.Pulsar(QStringLiteral("cmdModificar"));
        auto* enlace = e.W<QLabel>(QStringLiteral("lnkRubros"));
        emit enlace->linkActivated(QStringLiteral("#"));
        QPointer<frmConsRubro> busqueda = e.ventana->findChild<frmConsRubro*>();
        QVERIFY(busqueda);
        QCOMPARE(busqueda->windowTitle(), QStringLiteral("Consulta Rubros"));
        auto* buscar = busqueda->findChild<QPushButton*>(QStringLiteral("cmdBuscar"));
        auto* texto = busqueda->findChild<QLineEdit*>(QStringLiteral("txtBuscar"));
        auto* grilla = busqueda->findChild<QTableWidget*>(QStringLiteral("GridRubros"));
        QVERIFY(!buscar->isEnabled());

        // Every entry holding the text in any case, in the list's order, the first entry included.
        QTest::keyClicks(texto, QStringLiteral("comercio"));
        buscar->click();
        QStringList codigos;
        for (int f = 0; f < grilla->rowCount(); ++f)
            codigos << grilla->item(f, 0)->text();
        QCOMPARE(codigos, (QStringList{"999000", "999001", "671130", "521190"}));
        QCOMPARE(grilla->item(0, 1)->text().trimmed(), QStringLiteral("0 COMERCIO DE PRUEBA"));
        QCOMPARE(grilla->item(0, 2)->text(), QStringLiteral("0")); // its place in the list of categories

        // Nothing found: said without a title; cleared text leaves the button on.
        texto->clear();
        QTest::keyClicks(texto, QStringLiteral("zzzz"));
        QTest::keyClick(texto, Qt::Key_Return);
        QCOMPARE(e.dialogos.Mensajes(), QStringList{QStringLiteral(": No hay datos para su selección")});
        QCOMPARE(e.dialogos.Ultima().icono, Icono::Ninguno);
        QCOMPARE(grilla->rowCount(), 0);
        texto->clear();
        QVERIFY(buscar->isEnabled());

        QTest::keyClicks(texto, QStringLiteral("MINORISTA DE PRUEBA"));
        buscar->click();
        QCOMPARE(grilla->rowCount(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(busqueda));
        // A double click as the platform delivers it: press, release, then press and double click.
        const QPoint punto = grilla->visualItemRect(grilla->item(0, 1)).center();
        QTest::mouseClick(grilla->viewport(), Qt::LeftButton, {}, punto);
        QTest::mousePress(grilla->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(grilla->viewport(), Qt::LeftButton, {}, punto);
        QTRY_VERIFY(busqueda.isNull());
        QCOMPARE(e.W<QComboBox>(QStringLiteral("cboRubro"))->currentData().toString(), QStringLiteral("999001"));
        e.Pulsar(QStringLiteral("cmdGrabar"));
        QCOMPARE(e.Valor(QStringLiteral("select codrubro from empresas")), QStringLiteral("999001"));

        // Closed with the edit it served.
        e.Pulsar(QStringLiteral("cmdModificar"));
        emit enlace->linkActivated(QStringLiteral("#"));
        busqueda = e.ventana->findChild<frmConsRubro*>();
        QVERIFY(busqueda);
        e.Pulsar(QStringLiteral("cmdCancelar"));
        QTRY_VERIFY(busqueda.isNull());
    }

    void listaDeEmpleados()
    {
        Escena e(2, 1);
        QVERIFY(e.Abrir());
        RESPONDER_MODAL([&] { e.Pulsar(QStringLiteral("cmdEmpleados")); },
                        [&](frmListaEmpleados* lista) {
                            QCOMPARE(lista->windowTitle(), QStringLiteral("Lista Empleados Empresa Empresa 2"));
                            QVERIFY(lista->isModal());
                            QVERIFY(!QApplication::overrideCursor()); // the normal pointer while it is open
                        });
        QVERIFY(!QApplication::overrideCursor());
    }

    void borrar_data()
    {
        QTest::addColumn<int>("empresas");
        QTest::addColumn<int>("actual"); // in the main window
        QTest::addColumn<int>("fila");   // deleted on the screen
        QTest::addColumn<bool>("si");
        QTest::addColumn<QStringList>("quedan");
        QTest::addColumn<QString>("actualDespues");
        QTest::newRow("no") << 3 << 1 << 1 << false << QStringList{Entrada(1), Entrada(2), Entrada(3)} << "Empresa 2";
        QTest::newRow("la actual, con empleados y boleta")
            << 3 << 1 << 1 << true << QStringList{Entrada(1), Entrada(3)} << "";
        QTest::newRow("otra") << 3 << 0 << 2 << true << QStringList{Entrada(1), Entrada(2)} << "Empresa 1";
        QTest::newRow("la única") << 1 << 0 << 0 << true << QStringList() << "";
    }
    void borrar()
    {
        QFETCH(int, empresas);
        QFETCH(int, actual);
        QFETCH(int, fila);
        QFETCH(bool, si);
        QFETCH(QStringList, quedan);
        Escena e(empresas, actual);
        frmEmpresas* pantalla = e.Abrir();
        QVERIFY(pantalla);
        e.W<QListWidget>(QStringLiteral("lstEmpresas"))->setCurrentRow(fila);
        e.dialogos.respuestas.enqueue(si);
        e.Pulsar(QStringLiteral("cmdBorrar"));
        QCOMPARE(e.dialogos.Mensajes(),
                 QStringList{QStringLiteral("BORRAR EMPRESA: Ud. va a borrar del listado a la empresa Empresa %1.\n"
                                            "Esta acción borrará además todas sus liquidaciones y listado de "
                                            "empleados.\n¿Está seguro que desea hacer esto?")
                                 .arg(fila + 1)});
        QCOMPARE(e.dialogos.Ultima().icono, Icono::Pregunta);
        QCOMPARE(e.Entradas(), quedan);
        QCOMPARE(e.Contar(QStringLiteral("empresas")), qint64(quedan.size()));
        if (si && fila == 1) { // the company's employees, slips and slip rows went with it
            for (const char* tabla : {"empleados", "liquidaciones", "liquidaciones_empl"})
                QCOMPARE(e.Contar(QLatin1String(tabla)), 0);
        }
        QTEST(e.ventana->EmpresaActual() ? e.ventana->EmpresaActual()->Nombre() : QString(), "actualDespues");
        if (si) {
            QCOMPARE(e.ventana->PosicionEmpresa(), -1);
            QCOMPARE(e.Fila(), quedan.isEmpty() ? -1 : 0);
        }
        if (quedan.isEmpty()) { // empty, locked and nothing shown
            QVERIFY(pantalla->EmpresaMostrada().isNull());
            QCOMPARE(e.Campo(QStringLiteral("txtNombre"))->text(), QString());
            QCOMPARE(e.Campo(QStringLiteral("txtCUIT"))->displayText(), CuitVacio);
            QVERIFY(Bloqueada(e, true));
            QVERIFY(!e.W(QStringLiteral("cmdEmpleados"))->isEnabled());
        }
    }
};

QTEST_MAIN(TestFrmEmpresas)
#include "tst_frmempresas.moc"
