// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: program folder, database from the template, parameters, settings, single instance, centring.
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "shell/InstanciaUnica.h"
#include "shell/Plataforma.h"
#include "shell/Principal.h"
#include "support/Entorno.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestArranque : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }
    void primerArranqueCreaLaBaseDesdeLaPlantilla()
    {
        QTemporaryDir carpeta;
        ParamPorcentajeDos = ParamPorcentajeFcm = ParamImporteCta = 0;
        Conexion bd;
        QString error;
        QVERIFY2(AbrirBaseOperativa(carpeta.path(), bd, &error), qPrintable(error));
        QCOMPARE((QList<double>{ParamPorcentajeDos, ParamPorcentajeFcm, ParamImporteCta}), (QList<double>{2, 2, 2}));
        QFile archivo(carpeta.filePath("talvo.fys"));
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        QCOMPARE(archivo.readAll(), DatosPlantilla());
        archivo.close();
        // A later start uses the file as it is.
        QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'Guardada')"));
        bd.Cerrar();
        QVERIFY(AbrirBaseOperativa(carpeta.path(), bd, &error));
        QCOMPARE(bd.ValorEscalar("select razonsocial from empresas").toString(), QStringLiteral("Guardada"));
        bd.Cerrar();
        // A file that is not a database is reported and left alone.
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.write(QByteArray(4096, 'x'));
        archivo.close();
        QVERIFY(!AbrirBaseOperativa(carpeta.path(), bd, &error));
        QVERIFY(error.contains("No se pudo abrir la base de datos"));
        QCOMPARE(QFileInfo(archivo.fileName()).size(), 4096);

        QVERIFY(!PantallaChica(QSize(800, 600)));
        QVERIFY(PantallaChica(QSize(1024, 599)));
        QVERIFY(PantallaChica(QSize(799, 768)));
    }

    void carpetaYAjustes()
    {
        QTemporaryDir carpeta;
        const QString pedida = carpeta.filePath("sub/talvo");
        qputenv("TALVO_CARPETA", pedida.toLocal8Bit());
        QCOMPARE(CarpetaPrograma(), QDir::cleanPath(pedida));
        QVERIFY(QFileInfo(pedida).isDir());
        qunsetenv("TALVO_CARPETA");
        // A writable executable folder keeps the data beside the program (a portable copy).
        QCOMPARE(CarpetaPrograma(), QDir::cleanPath(QCoreApplication::applicationDirPath()));

        // Reading the mailbox falls back to the built-in address and writes nothing.
        QCOMPARE(LeerParametro("CORREO", QString::fromLatin1(CorreoRecaudacionPorDefecto)),
                 QStringLiteral("recaudacion@obrix.example"));
        QVERIFY(!QSettings(QStringLiteral("OBRIX"), QStringLiteral("OBRIX")).contains("PARAMETROS/CORREO"));
    }

    void unaSolaInstanciaPorCarpeta()
    {
        QTemporaryDir carpeta, otra;
        InstanciaUnica primera, segunda, enOtraCarpeta;
        QVERIFY(primera.Tomar(carpeta.path()));
        QVERIFY(!segunda.Tomar(carpeta.path()));
        QVERIFY(enOtraCarpeta.Tomar(otra.path()));
        primera.Soltar();
        QVERIFY(segunda.Tomar(carpeta.path()));
        segunda.Soltar();

        // A lock left by a process that no longer exists, as after a crash, does not block.
        QProcess muerto;
        muerto.start(QStringLiteral("true"));
        QVERIFY(muerto.waitForStarted());
        const qint64 pid = muerto.processId();
        QVERIFY(muerto.waitForFinished());
        QFile lock(carpeta.filePath("talvo.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\ntalvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QVERIFY(primera.Tomar(carpeta.path()));
    }

    void centrarEnElAreaCliente()
    {
        QMainWindow principal;
        auto* area = new QMdiArea(&principal);
        principal.setCentralWidget(area);
        principal.resize(1000, 700);
        principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principal));
        QMdiSubWindow* hija = area->addSubWindow(new QWidget);
        hija->resize(400, 300);
        hija->show();
        CentrarFormulario(hija, &principal);
        const QSize espacio = area->viewport()->size();
        QCOMPARE(hija->pos(), QPoint((espacio.width() - 400) / 2, (espacio.height() - 300) / 2));

        QDialog dialogo(&principal);
        dialogo.resize(200, 100);
        dialogo.show();
        CentrarFormulario(&dialogo, &principal);
        const QPoint delta = area->viewport()->mapToGlobal(area->viewport()->rect().center()) - dialogo.frameGeometry().center();
        QVERIFY(qAbs(delta.x()) <= 1 && qAbs(delta.y()) <= 1);
    }
};

QTEST_MAIN(TestArranque)
#include "tst_arranque.moc"
