// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: program folder, database from the template, parameters, settings, single instance.
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "shell/InstanciaUnica.h"
#include "shell/Plataforma.h"
#include "shell/Principal.h"
#include "support/Entorno.h"

#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestArranque : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void primerArranqueCreaLaBaseDesdeLaPlantilla();
    void baseIlegibleSeInformaYNoSeToca();
    void pantallaChica_data();
    void pantallaChica();
    void carpetaDelPrograma();
    void correoPorDefectoSinEscribirNada();
    void unaSolaInstanciaPorCarpeta();
    void instanciaCaidaNoBloquea();
    void centrarEnElAreaCliente();
};

void TestArranque::initTestCase()
{
    AislarConfiguracion();
}

void TestArranque::primerArranqueCreaLaBaseDesdeLaPlantilla()
{
    QTemporaryDir carpeta;
    ParamPorcentajeDos = ParamPorcentajeFcm = ParamImporteCta = 0;
    Conexion bd;
    QString error;
    QVERIFY2(AbrirBaseOperativa(carpeta.path(), bd, &error), qPrintable(error));
    QVERIFY(bd.EstaAbierta());
    QCOMPARE(ParamPorcentajeDos, 2.0);
    QCOMPARE(ParamPorcentajeFcm, 2.0);
    QCOMPARE(ParamImporteCta, 2.0);
    const QString archivo = carpeta.filePath("talvo.fys");
    bd.Cerrar();
    {
        QFile f(archivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), DatosPlantilla());
    }
    // A second start uses the file as it is.
    QVERIFY(bd.Abrir(archivo));
    QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'Guardada')"));
    bd.Cerrar();
    QVERIFY(AbrirBaseOperativa(carpeta.path(), bd, &error));
    QCOMPARE(bd.ValorEscalar("select razonsocial from empresas").toString(), QStringLiteral("Guardada"));
}

void TestArranque::baseIlegibleSeInformaYNoSeToca()
{
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath("talvo.fys");
    QFile f(archivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Conexion bd;
    QString error;
    QVERIFY(!AbrirBaseOperativa(carpeta.path(), bd, &error));
    QVERIFY(error.contains("No se pudo abrir la base de datos"));
    QVERIFY(!bd.EstaAbierta());
    QCOMPARE(QFileInfo(archivo).size(), 4096);
}

void TestArranque::pantallaChica_data()
{
    QTest::addColumn<QSize>("pantalla");
    QTest::addColumn<bool>("chica");
    QTest::newRow("800x600") << QSize(800, 600) << false;
    QTest::newRow("1024x599") << QSize(1024, 599) << true;
    QTest::newRow("799x768") << QSize(799, 768) << true;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << false;
}

void TestArranque::pantallaChica()
{
    QFETCH(QSize, pantalla);
    QFETCH(bool, chica);
    QCOMPARE(PantallaChica(pantalla), chica);
}

void TestArranque::carpetaDelPrograma()
{
    QTemporaryDir carpeta;
    const QString pedida = carpeta.filePath("sub/talvo");
    qputenv("TALVO_CARPETA", pedida.toLocal8Bit());
    QCOMPARE(CarpetaPrograma(), QDir::cleanPath(pedida));
    QVERIFY(QFileInfo(pedida).isDir());
    qunsetenv("TALVO_CARPETA");
    // The test executable's folder is writable: a portable copy keeps its data beside itself.
    QCOMPARE(CarpetaPrograma(), QDir::cleanPath(QCoreApplication::applicationDirPath()));
}

void TestArranque::correoPorDefectoSinEscribirNada()
{
    QCOMPARE(LeerParametro("CORREO", QString::fromLatin1(CorreoRecaudacionPorDefecto)),
             QStringLiteral("recaudacion@obrix.example"));
    QSettings ajustes(QStringLiteral("OBRIX"), QStringLiteral("OBRIX"));
    QVERIFY(!ajustes.contains("PARAMETROS/CORREO"));
    GrabarParametro("ULTIMAEMPRESA", "2");
    QCOMPARE(LeerParametro("ULTIMAEMPRESA", "0"), QStringLiteral("2"));
}

void TestArranque::unaSolaInstanciaPorCarpeta()
{
    QTemporaryDir carpeta;
    QTemporaryDir otra;
    InstanciaUnica primera;
    QVERIFY(primera.Tomar(carpeta.path()));
    // Any other holder of the same folder is refused while the first one lives.
    InstanciaUnica segunda;
    QVERIFY(!segunda.Tomar(carpeta.path()));
    InstanciaUnica enOtraCarpeta;
    QVERIFY(enOtraCarpeta.Tomar(otra.path()));
    primera.Soltar();
    InstanciaUnica despues;
    QVERIFY(despues.Tomar(carpeta.path()));
}

void TestArranque::instanciaCaidaNoBloquea()
{
    QTemporaryDir carpeta;
    // A lock left by a process that no longer exists (as after a crash).
    QProcess muerto;
    muerto.start(QStringLiteral("true"));
    QVERIFY(muerto.waitForFinished());
    const qint64 pid = muerto.processId() > 0 ? muerto.processId() : 999999;
    QFile lock(carpeta.filePath("talvo.lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\ntalvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    InstanciaUnica nueva;
    QVERIFY(nueva.Tomar(carpeta.path()));
}

void TestArranque::centrarEnElAreaCliente()
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
    const QPoint centroArea = area->viewport()->mapToGlobal(area->viewport()->rect().center());
    const QPoint centroDialogo = dialogo.frameGeometry().center();
    QVERIFY(qAbs(centroArea.x() - centroDialogo.x()) <= 1);
    QVERIFY(qAbs(centroArea.y() - centroDialogo.y()) <= 1);
}

QTEST_MAIN(TestArranque)
#include "tst_arranque.moc"
