// SPDX-License-Identifier: GPL-3.0-or-later
// The printer selection screen, driven through its own widgets.
#include "liquidation/Liquidacion.h"
#include "printing/printer/ImpresionActual.h"
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/Impresoras.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "shell/frmSelImpr.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QList<DatosImpresora> kDos = {{QStringLiteral("Oficina"), QStringLiteral("HP LaserJet 1020")},
                                    {QStringLiteral("Deposito"), QStringLiteral("Epson LX-350")},
                                    {ImpresoraSistema::NombrePdf(), QStringLiteral("Qt PDF")}};
}

class TestFrmSelImpr : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void abreConLaActualElegida();
    void aceptarCambiaLaImpresoraYGraba();
    void cancelarNoCambiaNada();
    void sinImpresorasAvisa();
    void centradaEnLaVentanaPrincipal();

private:
    QTemporaryDir m_carpeta;
};

void TestFrmSelImpr::initTestCase()
{
    AislarConfiguracion();
    QVERIFY(m_carpeta.isValid());
}

void TestFrmSelImpr::init()
{
    Impresoras::UsarArchivoPdf(m_carpeta.filePath(QStringLiteral("x.pdf")));
    GrabarParametro(QStringLiteral("IMPRESORA"), QString());
    GrabarParametro(QStringLiteral("DRIVERIMP"), QString());
}

void TestFrmSelImpr::abreConLaActualElegida()
{
    DialogosPrueba dialogos;
    frmSelImpr pantalla(dialogos);
    QCOMPARE(pantalla.windowTitle(), QStringLiteral("Selección de Impresora"));
    QVERIFY(pantalla.isModal());
    QCOMPARE(pantalla.findChild<QLabel*>(QStringLiteral("lblTitulo"))->text(),
             QStringLiteral("Seleccione la Impresora que utilizará el sistema"));
    QCOMPARE(pantalla.findChild<QLabel*>(QStringLiteral("lblPapel"))->text(), QStringLiteral("Tamaño de papel indicado: A4"));
    // The system's printers (none on a build machine) and always the PDF printer, last.
    auto* lista = pantalla.findChild<QComboBox*>(QStringLiteral("cboImpresoras"));
    QCOMPARE(lista->count(), Impresoras::Instaladas().size());
    QCOMPARE(lista->itemText(lista->count() - 1), QStringLiteral("Archivo PDF"));
    QCOMPARE(lista->currentText(), QStringLiteral("Archivo PDF"));
}

void TestFrmSelImpr::aceptarCambiaLaImpresoraYGraba()
{
    DialogosPrueba dialogos;
    frmSelImpr pantalla(dialogos);
    pantalla.CargarImpresoras(kDos);
    auto* lista = pantalla.findChild<QComboBox*>(QStringLiteral("cboImpresoras"));
    QCOMPARE(lista->currentIndex(), 2);
    pantalla.show();
    lista->setCurrentIndex(1);
    QTest::mouseClick(pantalla.findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    QCOMPARE(pantalla.result(), int(QDialog::Accepted));
    QCOMPARE(Impresoras::Actual().Nombre(), QStringLiteral("Deposito"));
    QCOMPARE(LeerParametro(QStringLiteral("IMPRESORA")), QStringLiteral("Deposito"));
    QCOMPARE(LeerParametro(QStringLiteral("DRIVERIMP")), QStringLiteral("Epson LX-350"));
    QVERIFY(dialogos.llamadas.isEmpty());

    // The next printout goes there: this machine has no such printer, and says so.
    auto empresa = QSharedPointer<Empresa>::create();
    empresa->setCUIT(QStringLiteral("30-12345678-1"));
    Liquidacion liq;
    liq.setEmpresa(empresa);
    liq.setPagadoOtros(10);
    QVERIFY(!ImprimirLiquidacion(liq, dialogos));
    QVERIFY2(dialogos.Ultima().texto.contains(QStringLiteral("\"Deposito\"")), qPrintable(dialogos.Ultima().texto));
}

void TestFrmSelImpr::cancelarNoCambiaNada()
{
    DialogosPrueba dialogos;
    frmSelImpr pantalla(dialogos);
    pantalla.CargarImpresoras(kDos);
    pantalla.show();
    pantalla.findChild<QComboBox*>(QStringLiteral("cboImpresoras"))->setCurrentIndex(0);
    QTest::mouseClick(pantalla.findChild<QPushButton*>(QStringLiteral("cmdCancelar")), Qt::LeftButton);
    QCOMPARE(pantalla.result(), int(QDialog::Rejected));
    QCOMPARE(Impresoras::Actual().Nombre(), QStringLiteral("Archivo PDF"));
    QCOMPARE(LeerParametro(QStringLiteral("IMPRESORA")), QString());
}

void TestFrmSelImpr::sinImpresorasAvisa()
{
    DialogosPrueba dialogos;
    frmSelImpr pantalla(dialogos);
    pantalla.CargarImpresoras({});
    pantalla.show();
    QTest::mouseClick(pantalla.findChild<QPushButton*>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    QCOMPARE(pantalla.result(), int(QDialog::Rejected));
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("ERROR"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
    QVERIFY(dialogos.Ultima().texto.startsWith(QStringLiteral("Debe tener instalada una impresora para poder utilizar "
                                                              "el Sistema.\rEl programa no se podrá ejecutar")));
    QCOMPARE(LeerParametro(QStringLiteral("IMPRESORA")), QString());
}

void TestFrmSelImpr::centradaEnLaVentanaPrincipal()
{
    QMainWindow principal;
    principal.setCentralWidget(new QWidget(&principal));
    principal.setGeometry(100, 80, 900, 700);
    principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    DialogosPrueba dialogos;
    frmSelImpr pantalla(dialogos, &principal);
    pantalla.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pantalla));
    const QWidget* cliente = principal.centralWidget();
    const QPoint centroCliente = cliente->mapToGlobal(cliente->rect().center());
    QTRY_VERIFY((pantalla.frameGeometry().center() - centroCliente).manhattanLength() <= 4);
}

QTEST_MAIN(TestFrmSelImpr)
#include "tst_frmselimpr.moc"
