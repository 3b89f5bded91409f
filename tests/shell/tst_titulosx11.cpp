// SPDX-License-Identifier: GPL-3.0-or-later
// Window titles as the window manager reads them on a real X server. The offscreen platform never
// shows what the xcb platform adds to a title (the application's display name, for one), so this
// test starts its own Xvfb on a free display and runs the program's own start-up (Main) there with
// the xcb platform; the checks run inside the program's event loop, on its real main window and
// dialog service, and read _NET_WM_NAME back with xprop.
#include "screens/frmMetodoEnvio.h"
#include "shell/Principal.h"
#include "shell/frmPadre.h"
#include "support/DialogoModal.h"
#include "support/Entorno.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {
// Why no X server could be started; empty when the test runs on one.
QString g_sinServidorX;

/// Starts Xvfb with an 800 × 600 screen on the first free display and returns its number, or an
/// empty text with the reason in motivo. -terminate makes the server end with its last client, so
/// that it does not outlive a test that crashes. Its messages go to the file registro, which
/// nobody has to keep reading.
QString IniciarXvfb(QProcess& xvfb, const QString& registro, QString& motivo)
{
    xvfb.setStandardErrorFile(registro);
    xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                        QStringLiteral("0"), QStringLiteral("800x600x24"), QStringLiteral("-nolisten"),
                                        QStringLiteral("tcp"), QStringLiteral("-terminate")});
    if (!xvfb.waitForStarted(10000)) {
        motivo = QStringLiteral("no se pudo iniciar Xvfb (paquete xvfb): ") + xvfb.errorString();
        return QString();
    }
    QByteArray numero; // written by the server once it accepts clients
    while (!numero.contains('\n') && xvfb.waitForReadyRead(10000))
        numero += xvfb.readAllStandardOutput();
    if (!numero.contains('\n')) {
        QFile mensajes(registro);
        motivo = QStringLiteral("Xvfb no abrió ninguna pantalla: ")
            + QString::fromLocal8Bit(mensajes.open(QIODevice::ReadOnly) ? mensajes.readAll() : QByteArray());
        return QString();
    }
    return QString::fromLatin1(numero.trimmed());
}

/// The title the window manager sees: the _NET_WM_NAME property of the X window, read by xprop.
QString TituloX11(const QWidget* ventana)
{
    QProcess xprop;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // accents as text, not escapes
    xprop.setProcessEnvironment(entorno);
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(ventana->winId()),
                                          QStringLiteral("-notype"), QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        return QStringLiteral("(xprop falló, paquete x11-utils: %1%2)")
            .arg(xprop.errorString(), QString::fromLocal8Bit(xprop.readAllStandardError()));
    // _NET_WM_NAME = "the title"
    const QString salida = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const int inicio = salida.indexOf(QLatin1Char('"'));
    if (inicio < 0 || !salida.endsWith(QLatin1Char('"')))
        return salida;
    return salida.mid(inicio + 1, salida.size() - inicio - 2);
}

frmPadre* VentanaPrincipal()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* ventana = qobject_cast<frmPadre*>(w))
            return ventana;
    return nullptr;
}
} // namespace

class TestTitulosX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!g_sinServidorX.isEmpty())
            QSKIP(qPrintable(g_sinServidorX));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        if (QWidget* modal = QApplication::activeModalWidget())
            QFAIL(qPrintable(QStringLiteral("el arranque mostró «%1»").arg(modal->windowTitle())));
        m_ventana = VentanaPrincipal();
        QVERIFY(m_ventana);
        QVERIFY(QTest::qWaitForWindowExposed(m_ventana));
    }

    void ventanaPrincipal()
    {
        // Mapped, so the server has the title: X requests are handled in order.
        QCOMPARE(TituloX11(m_ventana), QStringLiteral("Aplicativo de Aportes del Sindicato de Comercio de Velmar"));
    }

    void dialogos_data()
    {
        QTest::addColumn<QString>("titulo");
        QTest::newRow("mensaje") << "CARGA DE DATOS"; // no company yet: the slip command says so
        QTest::newRow("acerca de") << "Acerca de OBRIX";
        QTest::newRow("impresora") << "Selección de Impresora";
        QTest::newRow("copia") << "Copia de Seguridad";
        QTest::newRow("método de envío") << "Envío de DDJJ";
    }
    void dialogos()
    {
        QFETCH(QString, titulo);
        const QString fila = QString::fromLatin1(QTest::currentDataTag());
        const std::function<void()> abrir = [&] {
            if (fila == QLatin1String("mensaje"))
                m_ventana->NuevaBoletaNormal();
            else if (fila == QLatin1String("acerca de"))
                m_ventana->AcercaDe();
            else if (fila == QLatin1String("impresora"))
                m_ventana->SeleccionarImpresora();
            else if (fila == QLatin1String("copia"))
                m_ventana->CopiaDeSeguridad();
            else
                frmMetodoEnvio(m_ventana).exec();
        };
        RESPONDER_MODAL(abrir, [&](QWidget* dialogo) {
            QCOMPARE(dialogo->windowTitle(), titulo);
            QVERIFY(QTest::qWaitForWindowExposed(dialogo));
            QCOMPARE(TituloX11(dialogo), titulo);
        });
    }

private:
    frmPadre* m_ventana = nullptr;
};

namespace {
// Runs once the program's event loop is going, and ends the program with the number of failures.
void CorrerPruebas()
{
    TestTitulosX11 prueba;
    const int fallas = QTest::qExec(&prueba, QCoreApplication::arguments());
    for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
        QApplication::activeModalWidget()->close();
    QCoreApplication::exit(fallas);
}
} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir carpeta; // the program's folder, where its talvo.fys is created, and Xvfb's messages
    QProcess xvfb;
    const QString pantalla = IniciarXvfb(xvfb, carpeta.filePath(QStringLiteral("xvfb.txt")), g_sinServidorX);
    int resultado = 0;
    if (pantalla.isEmpty()) {
        QApplication app(argc, argv);
        TestTitulosX11 prueba;
        resultado = QTest::qExec(&prueba, argc, argv);
    } else {
        // The environment of CI says offscreen: this process uses the new server instead.
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", ":" + pantalla.toLatin1());
        AislarConfiguracion();
        qputenv("TALVO_CARPETA", carpeta.path().toLocal8Bit());
        qAddPreRoutine([] {
            QMetaObject::invokeMethod(QCoreApplication::instance(), &CorrerPruebas, Qt::QueuedConnection);
        });
        resultado = Main(argc, argv);
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    return resultado;
}

#include "tst_titulosx11.moc"
