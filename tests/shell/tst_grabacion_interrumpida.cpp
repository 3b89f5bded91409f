// SPDX-License-Identifier: GPL-3.0-or-later
// A save cut short by a crash loses nothing that was stored and leaves no half slip: a helper process
// saves slips of 3,000 employees in a loop and is killed (SIGKILL) at random moments; after each kill
// the file passes SQLite's integrity check, every stored slip has all its employee rows, and the
// program's start-up opens the file normally.
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "records/Transaccion.h"
#include "shell/Principal.h"
#include "support/Entorno.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
constexpr int Empleados = 3000;
constexpr int Muertes = 24;
} // namespace

class TestGrabacionInterrumpida : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void muerteEnCualquierMomento()
    {
        QTemporaryDir carpeta;
        const QString archivo = QDir(carpeta.path()).filePath(QStringLiteral("talvo.fys"));
        QVERIFY(CrearBaseSiFalta(archivo));
        {
            Conexion bd;
            QVERIFY(bd.Abrir(archivo));
            Transaccion t(bd);
            QVERIFY(bd.Ejecutar(QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-12345678-1', 'Grande')")));
            const qint64 empresa = bd.UltimoId();
            for (int i = 0; i < Empleados; ++i)
                QVERIFY(bd.Ejecutar(QStringLiteral("insert into empleados (idempresa, cuil, ayn, sueldo, afiliado, media, "
                                                   "licencia, ingreso, baja) values (%1, '20-%2-0', 'Empleado %3', %4, %5, "
                                                   "0, 0, '2010-01-01', '2500-01-01')")
                                        .arg(empresa)
                                        .arg(10000000 + i)
                                        .arg(i)
                                        .arg(ImporteSQL(100000 + i * 13.37))
                                        .arg(BooleanoSQL(i % 3 == 0))));
            QVERIFY(t.Confirmar());
        }

        QRandomGenerator azar(20261206);
        int conGrabaciones = 0;
        QElapsedTimer reloj;
        reloj.start();
        for (int muerte = 0; muerte < Muertes; ++muerte) {
            QProcess ayudante;
            ayudante.start(QStringLiteral(TALVO_AYUDANTE_GRABACION), {archivo, QString::number(muerte)});
            QVERIFY(ayudante.waitForStarted());
            // Let it finish a save or two, then kill it somewhere inside the next ones.
            QVERIFY2(ayudante.waitForReadyRead(30000), qPrintable(ayudante.readAllStandardError()));
            QTest::qSleep(int(azar.bounded(5, 400)));
            ::kill(ayudante.processId(), SIGKILL);
            QVERIFY(ayudante.waitForFinished(10000));
            QCOMPARE(ayudante.exitStatus(), QProcess::CrashExit);
            if (!ayudante.readAllStandardOutput().isEmpty())
                ++conGrabaciones;

            Conexion bd;
            QVERIFY2(bd.Abrir(archivo), qPrintable(bd.UltimoError()));
            QCOMPARE(bd.ValorEscalar(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
            QVERIFY(bd.ValorEscalar(QStringLiteral("select count(*) from liquidaciones")).toLongLong() > 0);
            // No slip without its whole list of employees, none with rows twice.
            QCOMPARE(bd.ValorEscalar(QStringLiteral("select count(*) from liquidaciones l where cantempleados <> %1 "
                                                    "or (select count(*) from liquidaciones_empl e where "
                                                    "e.idliquidacion = l.id) <> %1")
                                         .arg(Empleados))
                         .toLongLong(),
                     0);
            bd.Cerrar();

            Conexion arranque;
            QString error;
            QVERIFY2(AbrirBaseOperativa(carpeta.path(), arranque, &error), qPrintable(error));
            arranque.Cerrar();
        }
        QCOMPARE(conGrabaciones, Muertes);
        qInfo("%d muertes en %lld ms", Muertes, reloj.elapsed());
    }
};

QTEST_GUILESS_MAIN(TestGrabacionInterrumpida)
#include "tst_grabacion_interrumpida.moc"
