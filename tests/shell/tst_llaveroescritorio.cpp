// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's keyring where there is none, as on a server or in CI: with no session bus, and with
// a private session bus on which no keyring runs. Each call must fail at once with a reason in
// Spanish: no wait, and no bus started behind the program's back.
#include "shell/LlaveroEscritorio.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestLlaveroEscritorio : public QObject
{
    Q_OBJECT
private slots:
    void sinBusDeSesion()
    {
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("DISPLAY", ":99"); // where GLib alone would start a bus through dbus-launch
        LlaveroEscritorio llavero;
        QVERIFY(!llavero.Disponible());
        QCOMPARE(llavero.UltimoError(),
                 QStringLiteral("No hay una sesión de escritorio (D-Bus) en la que buscar el llavero."));
        QString clave;
        QVERIFY(!llavero.Leer(QStringLiteral("smtp.empresa.com.ar"), QStringLiteral("ana"), clave));
        QVERIFY(!llavero.Guardar(QStringLiteral("smtp.empresa.com.ar"), QStringLiteral("ana"), QStringLiteral("x")));
        QVERIFY(!llavero.Borrar(QStringLiteral("smtp.empresa.com.ar"), QStringLiteral("ana")));
        QVERIFY(clave.isEmpty());
    }

    void busSinLlavero()
    {
        // A bus of its own that can start no service, so a keyring installed here is not found.
        QTemporaryDir carpeta;
        QFile configuracion(carpeta.filePath(QStringLiteral("bus.conf")));
        QVERIFY(configuracion.open(QIODevice::WriteOnly));
        configuracion.write(QStringLiteral(R"(<busconfig><type>session</type><listen>unix:path=%1/bus</listen>
            <auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
            <allow eavesdrop="true"/><allow own="*"/></policy></busconfig>)")
                                .arg(carpeta.path())
                                .toUtf8());
        configuracion.close();
        QProcess bus;
        bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + configuracion.fileName(),
                                                  QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QVERIFY2(bus.waitForReadyRead(10000), "no arrancó dbus-daemon (paquete dbus-daemon)");
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());

        LlaveroEscritorio llavero;
        QVERIFY(!llavero.Disponible());
        const QString motivo = llavero.UltimoError();
        QVERIFY2(motivo.startsWith(QStringLiteral("El escritorio no ofrece un llavero (Secret Service). (")),
                 qPrintable(motivo));
        QVERIFY(!llavero.Guardar(QStringLiteral("smtp.empresa.com.ar"), QStringLiteral("ana"), QStringLiteral("x")));
        QVERIFY(llavero.UltimoError().startsWith(
            QStringLiteral("El llavero del escritorio no guardó la contraseña.")));
        bus.kill();
        bus.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestLlaveroEscritorio)
#include "tst_llaveroescritorio.moc"
