// SPDX-License-Identifier: GPL-3.0-or-later
// A new user's month, from an empty folder to the printed slip, through the screens only: the
// company typed on its screen, three employees typed and two imported, the period slip saved,
// printed to PDF with its declaration file, and consulted again. What is stored, the declaration,
// the printed words and both bar codes must agree with each other and with the screen.
#include "import/ApoyoImportacion.h"
#include "liquidation/ArchivoDeclaracion.h"
#include "printing/LecturaPdf.h"
#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Reloj.h"
#include "screens/frmBoletaComun.h"
#include "screens/frmEmpleados.h"
#include "screens/frmEmpresas.h"
#include "screens/frmListaEmpleados.h"
#include "screens/frmSelecLiquid.h"
#include "shell/Principal.h"
#include "shell/frmPadre.h"
#include "support/DialogoModal.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

/// Types into a field as the user does, after moving into it (keyClicks refuses letters beyond ASCII).
void Escribir(QWidget* raiz, const char* nombre, const QString& texto)
{
    auto* campo = raiz->findChild<QLineEdit*>(QLatin1String(nombre));
    QVERIFY2(campo, nombre);
    campo->setFocus();
    campo->selectAll();
    for (const QChar ch : texto) {
        if (ch.unicode() < 128)
            QTest::keyClick(campo, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, campo, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

/// Brings a window to the front and waits until it takes the keyboard, as the user waits for a
/// window before typing into it (offscreen, nothing else activates a window that opens or returns).
bool Activar(QWidget* ventana)
{
    ventana->activateWindow();
    return QTest::qWaitFor([ventana] { return QApplication::activeWindow() == ventana; });
}

void Pulsar(QWidget* raiz, const char* boton)
{
    auto* b = raiz->findChild<QAbstractButton*>(QLatin1String(boton));
    QVERIFY2(b && b->isEnabled(), boton);
    b->click();
}

QString Texto(QWidget* raiz, const char* nombre)
{
    if (auto* l = raiz->findChild<QLabel*>(QLatin1String(nombre)))
        return l->text();
    auto* campo = raiz->findChild<QLineEdit*>(QLatin1String(nombre));
    return campo ? campo->text() : QStringLiteral("(sin %1)").arg(QLatin1String(nombre));
}

/// What the slip screen shows: amounts due and deposited, counts and remunerations, the total line.
QStringList Pantalla(QWidget* boleta)
{
    QStringList l;
    for (const char* nombre : {"lblAporteCalculado05_0", "lblAporteCalculado05_1", "lblAporteCalculado05_2", "lblRecargo",
                               "dos", "txtPagadoFCM", "txtPagadoCuota", "txtPagadoRecargo", "txtCoef", "txtPagadoOtros",
                               "lblCantEmp", "lblCantAfi", "lblRemunEmp", "lblRemunAfi", "lblTotal"})
        l << Texto(boleta, nombre);
    return l;
}


} // namespace

class TestMesCompleto : public QObject
{
    Q_OBJECT

    QTemporaryDir m_carpeta;
    Conexion m_bd;
    DialogosPrueba m_dialogos;
    std::unique_ptr<frmPadre> m_ventana;

    /// The messages since the last call.
    QStringList Mensajes()
    {
        const QStringList mensajes = m_dialogos.Mensajes();
        m_dialogos.Limpiar();
        return mensajes;
    }
    template <typename T>
    QList<T*> Pantallas() const
    {
        QList<T*> pantallas;
        for (QMdiSubWindow* v : m_ventana->Area()->subWindowList(QMdiArea::CreationOrder))
            if (auto* p = qobject_cast<T*>(v->widget()))
                pantallas << p;
        return pantallas;
    }
    QString Valor(const QString& sql) { return m_bd.ValorEscalar(sql).toString(); }

    /// One employee typed on the edit screen, opened from the list screen's "&Agregar".
    void AgregarEmpleado(frmListaEmpleados* lista, const QString& cuil, const QString& nombre, const QString& haberes,
                         bool afiliado, bool media, int licencia)
    {
        RESPONDER_MODAL([&] { Pulsar(lista, "cmdAgregar"); },
                        [&](frmEmpleados* edicion) {
                            QCOMPARE(edicion->windowTitle(), QStringLiteral("Mantenimiento Empleados"));
                            QVERIFY(Activar(edicion));
                            Escribir(edicion, "txtCUIL", cuil);
                            Escribir(edicion, "txtNombre", nombre);
                            Escribir(edicion, "txtHaberes", haberes);
                            for (const auto& [marcar, casillaNombre] : {std::pair{afiliado, "chkAfiliado"},
                                                                        std::pair{media, "chkMediaJornada"}}) {
                                auto* casilla = edicion->findChild<QCheckBox*>(QLatin1String(casillaNombre));
                                casilla->setFocus();
                                if (marcar)
                                    QTest::keyClick(casilla, Qt::Key_Space);
                                QCOMPARE(casilla->isChecked(), marcar);
                            }
                            auto* licencias = edicion->findChild<QComboBox*>("cboLicencia");
                            licencias->setFocus();
                            for (int i = 0; i < licencia; ++i)
                                QTest::keyClick(licencias, Qt::Key_Down);
                            QCOMPARE(licencias->currentIndex(), licencia);
                            Pulsar(edicion, "cmdGrabar");
                            QVERIFY2(!edicion->isVisible(), qPrintable(Mensajes().join('\n')));
                        });
    }

private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        Reloj::Fijar(QDate(2014, 4, 10)); // a new slip is for March 2014
        QLocale::setDefault(LocalArgentina());
    }

    void mesCompleto()
    {
        // --- The program starts on an empty folder: the database comes from the template.
        QVERIFY(m_carpeta.isValid());
        QString error;
        QVERIFY2(AbrirBaseOperativa(m_carpeta.path(), m_bd, &error), qPrintable(error));
        BaseDatos = &m_bd;
        QVERIFY(QFile::exists(QDir(m_carpeta.path()).filePath(QStringLiteral("talvo.fys"))));
        m_ventana = std::make_unique<frmPadre>(m_dialogos);
        m_ventana->show();
        QVERIFY(Activar(m_ventana.get()));
        QCOMPARE(m_ventana->ListaDeEmpresas().Count(), 0);
        QCOMPARE(Mensajes(), QStringList());

        // --- The company, typed on its screen.
        m_ventana->findChild<QToolButton*>(QStringLiteral("cmdMantenimEmpr"))->click();
        const auto empresas = Pantallas<frmEmpresas>();
        QCOMPARE(empresas.size(), 1);
        frmEmpresas* empresa = empresas.first();
        Pulsar(empresa, "cmdAgregar");
        Escribir(empresa, "txtCUIT", QStringLiteral("30712345671")); // where "&Agregar" leaves the cursor
        Escribir(empresa, "txtNombre", QStringLiteral("Almacén Núñez S.R.L."));
        Escribir(empresa, "txtCalle", QStringLiteral("Av. de Mayo"));
        Escribir(empresa, "txtNumero", QStringLiteral("1234"));
        Escribir(empresa, "txtPiso", QStringLiteral("3 B"));
        Escribir(empresa, "txtCalleLegal", QStringLiteral("Rivadavia"));
        Escribir(empresa, "txtNumeroLegal", QStringLiteral("55"));
        Escribir(empresa, "txtTelefonos", QStringLiteral("4444-5555"));
        Escribir(empresa, "txtEmail", QStringLiteral("info@nunez.example"));
        Escribir(empresa, "txtNombreComercial", QStringLiteral("El Ñandú"));
        Escribir(empresa, "txtSocio", QStringLiteral("Juan Núñez"));
        Escribir(empresa, "txtCodPost", QStringLiteral("1602"));
        auto* localidades = empresa->findChild<QComboBox*>(QStringLiteral("cboLocalidad"));
        localidades->setFocus();
        const int florida = localidades->findText(QStringLiteral("FLORIDA"));
        QVERIFY(florida >= 0);
        localidades->setCurrentIndex(florida);
        auto* rubros = empresa->findChild<QComboBox*>(QStringLiteral("cboRubro"));
        rubros->setCurrentIndex(rubros->findData(QStringLiteral("523110")));
        QVERIFY(rubros->currentIndex() >= 0);
        Pulsar(empresa, "cmdGrabar");
        QCOMPARE(Mensajes(), QStringList{QStringLiteral(": Seleccione la localidad que correponde")});
        QVERIFY(m_ventana->EmpresaActual());
        QCOMPARE(m_ventana->EmpresaActual()->Nombre(), QStringLiteral("Almacén Núñez S.R.L."));
        QCOMPARE(m_ventana->EmpresaActual()->CUIT(), QStringLiteral("30-71234567-1"));
        QCOMPARE(m_ventana->EmpresaActual()->Localidad(), QStringLiteral("FLORIDA"));

        // --- Three employees typed, two imported from a text file.
        const QString archivoImportado = QDir(m_carpeta.path()).filePath(QStringLiteral("empleados.txt"));
        // Category 3 and member, then neither; no leave, full time.
        QVERIFY(Escribir(archivoImportado,
                         CodificarWindows1252(Registro("27405060707", "MUÑOZ, CARLA", "01/02/2012", "000950050", "31")
                                              + "\r\n"
                                              + Registro("23556677883", "SOSA, PEDRO", "15/06/2010", "004567800", "00",
                                                         "20/03/2014")
                                              + "\r\n")));
        RESPONDER_MODAL([&] { Pulsar(empresa, "cmdEmpleados"); },
                        [&](frmListaEmpleados* lista) {
                            QCOMPARE(lista->windowTitle(), QStringLiteral("Lista Empleados Empresa Almacén Núñez S.R.L."));
                            QVERIFY(Activar(lista));
                            AgregarEmpleado(lista, "20334455662", QStringLiteral("Pérez, Juan"), "152345,67", true, false, 0);
                            AgregarEmpleado(lista, "27287654329", QStringLiteral("Gómez, Ana"), "80000", true, true, 0);
                            AgregarEmpleado(lista, "20112233440", QStringLiteral("Núñez, Luis"), "120000", false, false, 1);
                            QCOMPARE(Mensajes(), QStringList());
                            m_dialogos.archivos << archivoImportado;
                            Pulsar(lista, "cmdImportacion");
                            QCOMPARE(Mensajes(),
                                     (QStringList{"Importar Lista de Empleados desde Archivo de Texto u Hoja Excel: ",
                                                  "IMPORTACION DE EMPLEADOS: Se ha procesado correctamente la lista de "
                                                  "empleados para la empresa Almacén Núñez S.R.L."}));
                            Pulsar(lista, "cmdSalir");
                        });
        QCOMPARE(Valor("select count(*) from empleados"), QStringLiteral("5"));
        QCOMPARE(Valor("select ayn from empleados where cuil = '27-40506070-7'"), QStringLiteral("MUÑOZ, CARLA"));
        QCOMPARE(Valor("select licencia from empleados where cuil = '20-11223344-0'"), QStringLiteral("1"));
        QCOMPARE(Valor("select media from empleados where cuil = '27-28765432-9'"), QStringLiteral("1"));

        // --- "Boleta Periodo": March 2014 for the five, with a surcharge and another concept.
        QVERIFY(Activar(m_ventana.get())); // back from the dialogs
        m_ventana->findChild<QToolButton*>(QStringLiteral("cmdNuevaBoletaComun"))->click();
        const auto boletas = Pantallas<frmBoletaComun>();
        QVERIFY2(boletas.size() == 1, qPrintable(Mensajes().join('\n')));
        frmBoletaComun* boleta = boletas.first();
        QCOMPARE(boleta->Modo(), 1);
        QCOMPARE(boleta->MiLiq()->Mes(), 3);
        QCOMPARE(boleta->MiLiq()->Anio(), 2014);
        Escribir(boleta, "txtCoef", QStringLiteral("2,5"));
        Escribir(boleta, "txtOtrosConceptos", QStringLiteral("Intereses"));
        Escribir(boleta, "txtPagadoOtros", QStringLiteral("100,50"));
        boleta->findChild<QLineEdit*>(QStringLiteral("txtInspector"))->setFocus(); // leaves the amount
        // Counted: Pérez, Gómez (half-time: FCM doubled), Muñoz and Sosa (terminated within March);
        // Núñez is on leave. 2 % of 287524.17; FCM 2 % of 321846.17; dues 3 x 2; surcharge 2.5 %.
        const QStringList esperada = {"5750,48",  "6436,92",  "6,00",      "304,84",    "5750,48",
                                      "6436,92",  "6,00",     "304,84",    "2,5000",    "100,50",
                                      "4",        "3",        "287524,17", "241846,17", "TOTAL DEPOSITADO $12598,74"};
        QCOMPARE(Pantalla(boleta), esperada);
        QCOMPARE(Mensajes(), QStringList());
        Pulsar(boleta, "cmdGrabar");
        QCOMPARE(Mensajes(), QStringList{QStringLiteral("GRABACION: Boleta Grabada")});

        // --- Printed to PDF, with the declaration file placed by the user.
        const QString pdf = QDir(m_carpeta.path()).filePath(QStringLiteral("boleta.pdf"));
        const QString ddjj = QDir(m_carpeta.path()).filePath(QStringLiteral("ddjj.txt"));
        m_ventana->Impresion().UsarArchivoPdf(pdf);
        m_dialogos.archivos << ddjj;
        Pulsar(boleta, "cmdImprimir");
        // The e-mail notice, the save dialog proposing the declaration's name, the file's notice.
        const QStringList alImprimir = Mensajes();
        QCOMPARE(alImprimir.size(), 3);
        QVERIFY(alImprimir.at(0).startsWith(QStringLiteral("CORREO ELECTRONICO: La impresión de la boleta")));
        QCOMPARE(alImprimir.at(1), QStringLiteral("Grabar archivo de DDJJ: DDJJ-OBRIX - 30712345671  03-2014.txt"));
        QVERIFY(alImprimir.at(2).startsWith(QStringLiteral("GRABACION DE DATOS: Información grabada en el archivo")));
        QVERIFY(QFile::exists(pdf));

        // --- Consulted again from "&Consulta Boletas Anteriores".
        m_ventana->findChild<QToolButton*>(QStringLiteral("cmdConsultaBoleta"))->click();
        const auto selecciones = Pantallas<frmSelecLiquid>();
        QCOMPARE(selecciones.size(), 1);
        auto* lista = selecciones.first()->findChild<QListWidget*>(QStringLiteral("lstLiquidaciones"));
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->item(0)->text(), QStringLiteral("03 - 2014 | Original"));
        Pulsar(selecciones.first(), "cmdAceptar");
        const auto consultas = Pantallas<frmBoletaComun>();
        QCOMPARE(consultas.size(), 2);
        frmBoletaComun* consulta = consultas.last();
        QCOMPARE(consulta->Modo(), 2);
        QCOMPARE(Pantalla(consulta), esperada);
        QCOMPARE(Mensajes(), QStringList());

        // --- What was stored.
        const qint64 id = consulta->MiLiq()->IdLiquidacion();
        QCOMPARE(id, boleta->MiLiq()->IdLiquidacion());
        const QString cabecera = QStringLiteral(
            "select cantempleados || ' ' || cast(cantafiliados as integer) || ' ' || printf('%.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f', "
            "totalempleados, totalafiliados, pagado2, pagadofcm, pagadocuota, pagadorecargo, pagadootros, pagadototal) "
            "|| ' ' || orig_rect || ' ' || extraord from liquidaciones where id = %1").arg(id);
        QCOMPARE(Valor(cabecera),
                 QStringLiteral("4 3 287524.17 241846.17 5750.48 6436.92 6.00 304.84 100.50 12598.74 0 0"));
        QStringList filas;
        for (const char* cuil : {"20-33445566-2", "27-28765432-9", "20-11223344-0", "27-40506070-7", "23-55667788-3"})
            filas << Valor(QStringLiteral("select ayn || '|' || printf('%.2f', remuneracion) || '|' || afiliado || '|' || "
                                          "media || '|' || licencia || '|' || coalesce(baja, '') from liquidaciones_empl "
                                          "where idliquidacion = %1 and cuil = '%2'").arg(id).arg(QLatin1String(cuil)));
        QCOMPARE(filas, (QStringList{"Pérez, Juan|152345.67|1|0|0|2500-01-01", "Gómez, Ana|80000.00|1|1|0|2500-01-01",
                                     "Núñez, Luis|120000.00|0|0|1|2500-01-01", "MUÑOZ, CARLA|9500.50|1|0|0|2500-01-01",
                                     "SOSA, PEDRO|45678.00|0|0|0|2014-03-20"}));

        // --- The declaration file, in the union's code page.
        QFile archivo(ddjj);
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        QStringDecoder ansi("windows-1252");
        const QStringList renglones = QString(ansi(archivo.readAll())).split(QStringLiteral("\r\n"));
        QVERIFY(renglones.size() > 33);
        QCOMPARE(renglones.mid(0, 3), (QStringList{"30-71234567-1", "Almacén Núñez S.R.L.", "El Ñandú"}));
        QCOMPARE(renglones.mid(14, 9), (QStringList{"03/2014", "4", "3", "287524,17", "241846,17", "5750,48", "6436,92",
                                                    "304,84", "12598,74"}));
        QCOMPARE(renglones.at(27), QStringLiteral("20-33445566-2|PÉREZ, JUAN                   |10/04/2014|152345,67|000|SI|NO|00/00/0000|NO|"));
        QCOMPARE(renglones.at(31), QStringLiteral("23-55667788-3|SOSA, PEDRO                   |15/06/2010|45678,00|000|NO|NO|20/03/2014|NO|"));

        // --- The printed page: its words and its two bar codes.
        const QString codigo = CodigoPago(*consulta->MiLiq());
        QCOMPARE(codigo.left(59), QStringLiteral("8260" "30712345671" "001259874" "032014" "00004" "00575048" "00643692"
                                                 "0030484" "1"));
        const Palabras palabras(pdf);
        QStringList textos;
        for (const auto& p : palabras.lista)
            textos << p.texto;
        // The digits and the figures of each copy.
        for (const QString& texto : {codigo, QStringLiteral("$12598,74"), QStringLiteral("$5750,48"), QStringLiteral("$6436,92"),
                                     QStringLiteral("$304,84"), QStringLiteral("03/2014"), QStringLiteral("287524,17")})
            QVERIFY2(textos.count(texto) == 2, qPrintable(texto));
        QVERIFY(textos.count(QStringLiteral("30-71234567-1")) >= 2);
        const QList<QImage> hojas = Paginas300(pdf, m_carpeta.path());
        QCOMPARE(hojas.size(), 1);
        QCOMPARE(Simbolos(hojas, m_carpeta.path()), (QStringList{codigo, codigo}));
    }

    void cleanupTestCase()
    {
        m_ventana.reset();
        BaseDatos = nullptr;
        m_bd.Cerrar();
    }
};

QTEST_MAIN(TestMesCompleto)
#include "tst_mes_completo.moc"
