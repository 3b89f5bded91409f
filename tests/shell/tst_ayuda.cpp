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

QString TituloMostrado(const frmPadre& ventana)
{
    const auto ventanas = ventana.findChildren<frmAyuda*>();
    return ventanas.size() == 1 ? ventanas.first()->Navegador()->documentTitle() : QString();
}
} // namespace

class TestAyuda : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void paginas();
    void abrirLaAyuda();
    void carpetaDeAyuda_data();
    void carpetaDeAyuda();
};

void TestAyuda::paginas()
{
    const QDir carpeta(frmAyuda::CarpetaPorDefecto());
    QCOMPARE(carpeta.entryList({QStringLiteral("*.html")}),
             (QStringList{"boleta-comun.html", "boleta-extra.html", "copia-seguridad.html", "empleados.html",
                          "empresas.html", "envio-ddjj.html", "impresora.html", "index.html", "principal.html",
                          "restauracion.html", "seleccion-boletas.html"}));
    const QRegularExpression titulo(QStringLiteral("<title>[^<]+</title>"));
    const QRegularExpression enlace(QStringLiteral("href=\"([^\"#:]+)\""));
    for (const QString& pagina : carpeta.entryList({QStringLiteral("*.html")})) {
        const QString texto = Leer(carpeta.filePath(pagina));
        QVERIFY2(texto.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(pagina));
        QVERIFY2(titulo.match(texto).hasMatch(), qPrintable(pagina));
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
    QCOMPARE(TituloMostrado(ventana), QStringLiteral("Aplicativo de Aportes"));

    // Choosing a topic in the contents shows its page.
    auto* temas = ventana.findChild<QListWidget*>(QStringLiteral("lstTemas"));
    const auto encontrados = temas->findItems(QStringLiteral("Copia de seguridad"), Qt::MatchExactly);
    QCOMPARE(encontrados.size(), 1);
    temas->setCurrentItem(encontrados.first());
    emit temas->itemActivated(encontrados.first());
    QCOMPARE(TituloMostrado(ventana), QStringLiteral("Copia de seguridad"));

    // The toolbar button shows the same window again (TituloMostrado wants just one), on the default topic.
    ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
    QCOMPARE(TituloMostrado(ventana), QStringLiteral("Aplicativo de Aportes"));
    QVERIFY(dialogos.llamadas.isEmpty());
}

void TestAyuda::carpetaDeAyuda_data()
{
    QTest::addColumn<QString>("subcarpeta");
    QTest::addColumn<QByteArray>("pagina"); // written as the default topic, if any
    QTest::addColumn<QString>("titulo");    // shown; empty: no help window, a message instead
    QTest::newRow("instalada aparte")
        << "" << QByteArray("<html><head><title>Ayuda aparte</title></head><body>Hola</body></html>") << "Ayuda aparte";
    QTest::newRow("carpeta vacía") << "" << QByteArray() << "";
    QTest::newRow("carpeta inexistente") << "no-existe" << QByteArray() << "";
}

void TestAyuda::carpetaDeAyuda()
{
    QFETCH(QString, subcarpeta);
    QFETCH(QByteArray, pagina);
    QFETCH(QString, titulo);
    BasePrueba base;
    QTemporaryDir carpeta;
    QFile archivo(QDir(carpeta.path()).filePath(frmAyuda::TemaPorDefecto()));
    if (!pagina.isEmpty())
        QVERIFY(archivo.open(QIODevice::WriteOnly) && archivo.write(pagina) == pagina.size());
    archivo.close();
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.setCarpetaAyuda(QDir(carpeta.path()).filePath(subcarpeta));
    ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
    QCOMPARE(TituloMostrado(ventana), titulo);
    if (titulo.isEmpty()) {
        QVERIFY(ventana.findChildren<frmAyuda*>().isEmpty());
        QCOMPARE(dialogos.llamadas.size(), 1);
        QCOMPARE(dialogos.Ultima().texto, QStringLiteral("El sistema de ayuda no se ha instalado correctamente."));
        QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("AYUDA"));
        QCOMPARE(dialogos.Ultima().icono, Icono::Critico);
    } else {
        QVERIFY(dialogos.llamadas.isEmpty());
    }
}

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
