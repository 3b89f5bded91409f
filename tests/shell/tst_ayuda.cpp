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
/// The title of the page in the main window's only help window; empty when there is none.
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

    void paginasYEnlaces()
    {
        const QDir carpeta(frmAyuda::CarpetaPorDefecto());
        const QStringList paginas = carpeta.entryList({QStringLiteral("*.html")});
        QCOMPARE(paginas, (QStringList{"boleta-comun.html", "boleta-extra.html", "copia-seguridad.html", "empleados.html",
                                       "empresas.html", "envio-ddjj.html", "impresora.html", "index.html",
                                       "principal.html", "restauracion.html", "seleccion-boletas.html"}));
        const QRegularExpression enlace(QStringLiteral("href=\"([^\"#:]+)\""));
        for (const QString& pagina : paginas) {
            QFile f(carpeta.filePath(pagina));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString texto = QString::fromUtf8(f.readAll());
            QVERIFY2(texto.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(pagina));
            for (auto m = enlace.globalMatch(texto); m.hasNext();) {
                const QString destino = m.next().captured(1);
                QVERIFY2(carpeta.exists(destino), qPrintable(pagina + QStringLiteral(" -> ") + destino));
            }
        }
    }

    void abrirLaAyuda()
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
        QListWidgetItem* copia = temas->findItems(QStringLiteral("Copia de seguridad"), Qt::MatchExactly).value(0);
        QVERIFY(copia);
        temas->setCurrentItem(copia);
        emit temas->itemActivated(copia);
        QCOMPARE(TituloMostrado(ventana), QStringLiteral("Copia de seguridad"));
        // The toolbar button shows the same single window again, on the default topic.
        ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
        QCOMPARE(TituloMostrado(ventana), QStringLiteral("Aplicativo de Aportes"));
        QVERIFY(dialogos.llamadas.isEmpty());
    }

    void carpetaDeAyuda()
    {
        BasePrueba base;
        QTemporaryDir carpeta;
        DialogosPrueba dialogos;
        frmPadre ventana(dialogos);
        for (const QString& sinAyuda : {carpeta.path() + QStringLiteral("/no-existe"), carpeta.path()}) {
            dialogos.Limpiar();
            ventana.setCarpetaAyuda(sinAyuda);
            ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
            QVERIFY(ventana.findChildren<frmAyuda*>().isEmpty());
            QCOMPARE(dialogos.llamadas.size(), 1);
            QCOMPARE(dialogos.Ultima().texto, QStringLiteral("El sistema de ayuda no se ha instalado correctamente."));
            QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("AYUDA"));
        }
        // Installed in another folder, it is shown from there.
        QFile pagina(QDir(carpeta.path()).filePath(frmAyuda::TemaPorDefecto()));
        QVERIFY(pagina.open(QIODevice::WriteOnly));
        pagina.write("<html><head><title>Ayuda aparte</title></head><body>Hola</body></html>");
        pagina.close();
        dialogos.Limpiar();
        ventana.AyudaDelSistema();
        QCOMPARE(TituloMostrado(ventana), QStringLiteral("Ayuda aparte"));
        QVERIFY(dialogos.llamadas.isEmpty());
    }
};

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
