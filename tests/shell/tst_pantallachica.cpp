// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and dialog on the smallest screen the program supports, 800 × 600: whole on the
// screen, nothing of the toolbar cut off, and room in the main window for the slip screens. The
// offscreen platform's screen is given that size here (its own default differs between Qt versions).
#include "screens/frmMetodoEnvio.h"
#include "shell/DialogosQt.h"
#include "shell/frmAyuda.h"
#include "shell/frmPadre.h"
#include "support/BasePrueba.h"
#include "support/DialogoModal.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/PantallaChica.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMdiArea>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {
// A slip screen is 10470 × 7230 twips.
const QSize TamanoBoleta(698, 482);

QRect Disponible()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QRect EnPantalla(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

/// Each button of a window, whole on the screen.
void BotonesEnPantalla(const QWidget* ventana)
{
    const auto botones = ventana->findChildren<QAbstractButton*>();
    QVERIFY(!botones.isEmpty());
    for (const QAbstractButton* boton : botones) {
        if (!boton->isVisibleTo(ventana))
            continue;
        QVERIFY2(Disponible().contains(EnPantalla(boton)),
                 qPrintable(boton->text() + QStringLiteral(" fuera de la pantalla")));
    }
}
} // namespace

class TestPantallaChica : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 600));
    }

    void init()
    {
        m_base = std::make_unique<BasePrueba>();
        QVERIFY(m_base->bd().Ejecutar(QStringLiteral(
            "insert into empresas (cuit, razonsocial) values ('30-00000001-0', "
            "'Distribuidora Mayorista de Artículos del Sur S.R.L')"))); // as long as a name can be
    }

    void cleanup()
    {
        m_ventana.reset();
        m_base.reset();
        m_dialogos.Limpiar();
        QApplication::setFont(m_letra);
    }

    void ventanaPrincipal_data()
    {
        QTest::addColumn<qreal>("aumento"); // of the desktop's font
        QTest::newRow("letra del escritorio") << 1.0;
        QTest::newRow("letra más grande") << 1.3;
    }
    void ventanaPrincipal()
    {
        QFETCH(qreal, aumento);
        QFont letra = m_letra;
        letra.setPointSizeF(letra.pointSizeF() * aumento);
        QApplication::setFont(letra);
        AbrirVentana();
        QVERIFY2(Disponible().contains(m_ventana->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                 .arg(m_ventana->frameGeometry().x()).arg(m_ventana->frameGeometry().y())
                 .arg(m_ventana->frameGeometry().width()).arg(m_ventana->frameGeometry().height())));
        // Every command of the toolbar and the whole company selector on the window, none hidden
        // behind the toolbar's overflow button.
        const QRect interior = m_ventana->rect();
        for (const char* nombre : {"cmdMantenimEmpr", "cmdNuevaBoletaComun", "cmdNuevaBoletaExtra", "cmdBoletaAnterior",
                                   "cmdConsultaBoleta", "cmdBorraBoletas", "cmdHelp", "cmdSalir", "cmdEmpresa",
                                   "cboEmpresas"}) {
            const auto* w = m_ventana->findChild<QWidget*>(QLatin1String(nombre));
            QVERIFY2(w && w->isVisible(), nombre);
            QVERIFY2(interior.contains(QRect(w->mapTo(m_ventana.get(), QPoint(0, 0)), w->size())), nombre);
        }
        for (const QToolButton* mas : m_ventana->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
            QVERIFY(!mas->isVisible());
        // Enough of a long company name is shown to tell it from another.
        QVERIFY(m_ventana->findChild<QComboBox*>(QStringLiteral("cboEmpresas"))->width() >= 200);
        const QWidget* cliente = m_ventana->Area()->viewport();
        QVERIFY2(cliente->width() >= TamanoBoleta.width() && cliente->height() >= TamanoBoleta.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(cliente->width()).arg(cliente->height())));
    }

    void dialogos_data()
    {
        QTest::addColumn<QString>("titulo");
        QTest::newRow("acerca de") << "Acerca de OBRIX";
        QTest::newRow("impresora") << "Selección de Impresora";
        QTest::newRow("copia") << "Copia de Seguridad";
        QTest::newRow("correo") << "Configuración de Correo";
        QTest::newRow("método de envío") << "Envío de DDJJ";
        QTest::newRow("mensaje") << "ERROR";
    }
    void dialogos()
    {
        QFETCH(QString, titulo);
        AbrirVentana();
        const QString fila = QString::fromLatin1(QTest::currentDataTag());
        DialogosQt mensajes(m_ventana.get());
        const std::function<void()> abrir = [&] {
            if (fila == QLatin1String("acerca de"))
                m_ventana->AcercaDe();
            else if (fila == QLatin1String("impresora"))
                m_ventana->SeleccionarImpresora();
            else if (fila == QLatin1String("copia"))
                m_ventana->CopiaDeSeguridad();
            else if (fila == QLatin1String("correo"))
                m_ventana->ConfiguracionCorreo();
            else if (fila == QLatin1String("mensaje"))
                mensajes.Mensaje(QStringLiteral("No se puede grabar en un dispositivo protegido contra escritura. "
                                                "Quite la protección y vuelva a intentarlo."),
                                 titulo, Icono::Informacion);
            else
                frmMetodoEnvio(m_ventana.get()).exec();
        };
        RESPONDER_MODAL(abrir, [&](QDialog* dialogo) {
            QCOMPARE(dialogo->windowTitle(), titulo);
            QVERIFY(QTest::qWaitForWindowExposed(dialogo));
            QVERIFY(Disponible().contains(dialogo->frameGeometry()));
            BotonesEnPantalla(dialogo);
        });
    }

    void ayuda()
    {
        AbrirVentana();
        m_ventana->AyudaDelSistema();
        auto* ayuda = m_ventana->findChild<frmAyuda*>();
        QVERIFY(ayuda);
        QVERIFY(QTest::qWaitForWindowExposed(ayuda));
        QVERIFY(Disponible().contains(ayuda->frameGeometry()));
        BotonesEnPantalla(ayuda);
    }

private:
    void AbrirVentana()
    {
        m_ventana = std::make_unique<frmPadre>(m_dialogos);
        m_ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_ventana.get()));
    }

    const QFont m_letra = QApplication::font();
    std::unique_ptr<BasePrueba> m_base;
    DialogosPrueba m_dialogos;
    std::unique_ptr<frmPadre> m_ventana;
};

int main(int argc, char** argv)
{
    return EjecutarEnPantallaChica<TestPantallaChica>(argc, argv);
}
#include "tst_pantallachica.moc"
