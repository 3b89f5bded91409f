// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages carried in the program and the help window.
#include "shell/frmAyuda.h"
#include "shell/frmPadre.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {
QString Leer(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

frmAyuda* VentanaAyuda(const frmPadre& ventana)
{
    const auto ventanas = ventana.findChildren<frmAyuda*>();
    return ventanas.size() == 1 ? ventanas.first() : nullptr;
}
} // namespace

class TestAyuda : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void temas_data();
    void temas();
    void enlacesInternos();
    void abrirLaAyuda();
    void ayudaEnOtraCarpeta();
    void ayudaNoInstalada();
};

void TestAyuda::temas_data()
{
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QString>("palabra"); // something the page must explain
    QTest::newRow("inicio") << "index.html" << "talvo.fys";
    QTest::newRow("ventana principal") << "principal.html" << "F7";
    QTest::newRow("empresas") << "empresas.html" << "C.U.I.T.";
    QTest::newRow("empleados") << "empleados.html" << "C.U.I.L.";
    QTest::newRow("boleta del período") << "boleta-comun.html" << "tres meses";
    QTest::newRow("boleta de actas") << "boleta-extra.html" << "actas";
    QTest::newRow("boletas anteriores") << "seleccion-boletas.html" << "Complementaria";
    QTest::newRow("copia") << "copia-seguridad.html" << "backkestral";
    QTest::newRow("restauración") << "restauracion.html" << "backkestral";
    QTest::newRow("impresora") << "impresora.html" << "A4";
    QTest::newRow("envío") << "envio-ddjj.html" << "correo";
}

void TestAyuda::temas()
{
    QFETCH(QString, archivo);
    QFETCH(QString, palabra);
    const QString texto = Leer(QDir(frmAyuda::CarpetaPorDefecto()).filePath(archivo));
    QVERIFY2(!texto.isEmpty(), qPrintable(archivo));
    QVERIFY(texto.contains(QStringLiteral("<html lang=\"es\">")));
    QVERIFY(texto.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    QVERIFY(QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(texto).hasMatch());
    QVERIFY2(texto.contains(palabra), qPrintable(palabra));
}

void TestAyuda::enlacesInternos()
{
    const QDir carpeta(frmAyuda::CarpetaPorDefecto());
    const QRegularExpression enlace(QStringLiteral("href=\"([^\"#:]+)\""));
    const QStringList paginas = carpeta.entryList({QStringLiteral("*.html")});
    QCOMPARE(paginas.size(), 11);
    for (const QString& pagina : paginas) {
        const QString texto = Leer(carpeta.filePath(pagina));
        for (auto m = enlace.globalMatch(texto); m.hasNext();) {
            const QString destino = m.next().captured(1);
            QVERIFY2(carpeta.exists(destino), qPrintable(pagina + QStringLiteral(" -> ") + destino));
        }
    }
}

void TestAyuda::abrirLaAyuda()
{
    BasePrueba base;
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.show();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    QTest::keyClick(&ventana, Qt::Key_F1);
    frmAyuda* ayuda = VentanaAyuda(ventana);
    QVERIFY(ayuda);
    QVERIFY(ayuda->isVisible());
    QCOMPARE(ayuda->Navegador()->documentTitle(), QStringLiteral("Aplicativo de Aportes"));

    // Choosing a topic in the contents shows its page.
    auto* temas = ayuda->findChild<QListWidget*>(QStringLiteral("lstTemas"));
    const auto encontrados = temas->findItems(QStringLiteral("Copia de seguridad"), Qt::MatchExactly);
    QCOMPARE(encontrados.size(), 1);
    temas->setCurrentItem(encontrados.first());
    emit temas->itemActivated(encontrados.first());
    QCOMPARE(ayuda->Navegador()->documentTitle(), QStringLiteral("Copia de seguridad"));

    // The toolbar button shows the same window again, on the default topic.
    ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
    QCOMPARE(VentanaAyuda(ventana), ayuda);
    QCOMPARE(ayuda->Navegador()->documentTitle(), QStringLiteral("Aplicativo de Aportes"));
    QVERIFY(dialogos.llamadas.isEmpty());
}

void TestAyuda::ayudaEnOtraCarpeta()
{
    BasePrueba base;
    QTemporaryDir carpeta;
    QFile pagina(QDir(carpeta.path()).filePath(frmAyuda::TemaPorDefecto()));
    QVERIFY(pagina.open(QIODevice::WriteOnly));
    pagina.write("<html><head><title>Ayuda instalada aparte</title></head><body>Hola</body></html>");
    pagina.close();
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.setCarpetaAyuda(carpeta.path());
    ventana.AyudaDelSistema();
    QCOMPARE(VentanaAyuda(ventana)->Navegador()->documentTitle(), QStringLiteral("Ayuda instalada aparte"));
    QVERIFY(dialogos.llamadas.isEmpty());
}

void TestAyuda::ayudaNoInstalada()
{
    BasePrueba base;
    QTemporaryDir vacia;
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    for (const QString& carpeta : {vacia.path(), vacia.path() + QStringLiteral("/no-existe")}) {
        dialogos.Limpiar();
        ventana.setCarpetaAyuda(carpeta);
        ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
        QCOMPARE(dialogos.llamadas.size(), 1);
        QCOMPARE(dialogos.Ultima().texto, QStringLiteral("El sistema de ayuda no se ha instalado correctamente."));
        QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("AYUDA"));
        QCOMPARE(dialogos.Ultima().icono, Icono::Critico);
        QVERIFY(!VentanaAyuda(ventana));
    }
}

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
