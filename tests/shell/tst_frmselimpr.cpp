// SPDX-License-Identifier: GPL-3.0-or-later
// The printer selection screen, driven through its own widgets.
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/Impresoras.h"
#include "records/Global.h"
#include "shell/frmSelImpr.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestFrmSelImpr : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void abreConLaActualElegida();
    void eleccion_data();
    void eleccion();

private:
    QTemporaryDir m_carpeta;
    std::unique_ptr<Impresoras> m_impresoras;
};

void TestFrmSelImpr::initTestCase()
{
    AislarConfiguracion();
    QVERIFY(m_carpeta.isValid());
}

void TestFrmSelImpr::init()
{
    m_impresoras = std::make_unique<Impresoras>();
    m_impresoras->UsarArchivoPdf(m_carpeta.filePath(QStringLiteral("x.pdf")));
    GrabarParametro(QStringLiteral("IMPRESORA"), QString());
    GrabarParametro(QStringLiteral("DRIVERIMP"), QString());
}

void TestFrmSelImpr::abreConLaActualElegida()
{
    DialogosPrueba dialogos;
    frmSelImpr pantalla(dialogos, *m_impresoras);
    QCOMPARE(pantalla.windowTitle(), QStringLiteral("Selección de Impresora"));
    // The system's printers (none on a build machine) and always the PDF printer, last.
    auto* lista = pantalla.findChild<QComboBox*>(QStringLiteral("cboImpresoras"));
    QCOMPARE(lista->count(), Impresoras::Instaladas().size());
    QCOMPARE(lista->itemText(lista->count() - 1), QStringLiteral("Archivo PDF"));
    QCOMPARE(lista->currentText(), QStringLiteral("Archivo PDF"));
}

void TestFrmSelImpr::eleccion_data()
{
    QTest::addColumn<bool>("hayImpresoras");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("impresora"); // the printer in use afterwards, and the one stored
    QTest::addColumn<QString>("driver");
    QTest::newRow("Aceptar") << true << "cmdAceptar" << "Deposito" << "Epson LX-350";
    QTest::newRow("Cancelar") << true << "cmdCancelar" << "" << "";
    QTest::newRow("no printers: warned") << false << "cmdAceptar" << "" << "";
}

void TestFrmSelImpr::eleccion()
{
    QFETCH(bool, hayImpresoras);
    QFETCH(QString, boton);
    QFETCH(QString, impresora);
    QFETCH(QString, driver);
    DialogosPrueba dialogos;
    frmSelImpr pantalla(dialogos, *m_impresoras);
    const QList<DatosImpresora> impresoras{{QStringLiteral("Oficina"), QStringLiteral("HP LaserJet 1020")},
                                           {QStringLiteral("Deposito"), QStringLiteral("Epson LX-350")},
                                           {ImpresoraSistema::NombrePdf(), QStringLiteral("Qt PDF")}};
    pantalla.CargarImpresoras(hayImpresoras ? impresoras : QList<DatosImpresora>());
    pantalla.show();
    auto* lista = pantalla.findChild<QComboBox*>(QStringLiteral("cboImpresoras"));
    QCOMPARE(lista->currentIndex(), hayImpresoras ? 2 : -1); // the printer in use
    lista->setCurrentIndex(1);
    QTest::mouseClick(pantalla.findChild<QPushButton*>(boton), Qt::LeftButton);
    QCOMPARE(pantalla.result(), int(impresora.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
    QCOMPARE(m_impresoras->Actual().Nombre(), impresora.isEmpty() ? QStringLiteral("Archivo PDF") : impresora);
    QCOMPARE(LeerParametro(QStringLiteral("IMPRESORA")), impresora);
    QCOMPARE(LeerParametro(QStringLiteral("DRIVERIMP")), driver);
    QCOMPARE(dialogos.llamadas.size(), hayImpresoras ? 0 : 1);
    if (!hayImpresoras)
        QVERIFY(dialogos.Ultima().texto.startsWith(QStringLiteral("Debe tener instalada una impresora")));
}

QTEST_MAIN(TestFrmSelImpr)
#include "tst_frmselimpr.moc"
