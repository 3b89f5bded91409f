// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: program folder, database from the template and its checks, parameters, settings, single
// instance, centring; and the build's clean target, which must never take the user's data with it.
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "shell/InstanciaUnica.h"
#include "shell/Plataforma.h"
#include "shell/Principal.h"
#include "support/Archivos.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
/// Takes write access away from a file or folder while it lives. Permission bits do it for a
/// user; the administrator ignores them, so as root the immutable attribute is set as well.
class SoloLectura
{
public:
    explicit SoloLectura(const QString& ruta)
        : m_ruta(ruta)
        , m_permisos(QFile::permissions(ruta))
    {
        QFile::setPermissions(ruta, m_permisos & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
        m_inmutable = ::geteuid() == 0 && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), ruta}) == 0;
    }
    ~SoloLectura()
    {
        if (m_inmutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_ruta});
        QFile::setPermissions(m_ruta, m_permisos);
    }
    bool Vale() const { return ::geteuid() != 0 || m_inmutable; }

private:
    QString m_ruta;
    QFile::Permissions m_permisos;
    bool m_inmutable = false;
};

/// The source tree (for the Makefile), found from this file's own path.
QString Fuentes()
{
    return QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../.."));
}
} // namespace

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
        // Otherwise the per-user data folder, never the executable's folder (a build folder that
        // "make clean" wipes, or an installed program's folder).
        const QString organizacion = QCoreApplication::organizationName();
        const QString aplicacion = QCoreApplication::applicationName();
        QCoreApplication::setOrganizationName(QStringLiteral("OBRIX"));
        QCoreApplication::setApplicationName(QStringLiteral("TALVO"));
        const QString datos = CarpetaPrograma();
        QCoreApplication::setOrganizationName(organizacion);
        QCoreApplication::setApplicationName(aplicacion);
        QCOMPARE(datos, qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/OBRIX/TALVO"));
        QVERIFY(QFileInfo(datos).isDir());
        QVERIFY(datos != QDir::cleanPath(QCoreApplication::applicationDirPath()));

        // Reading the mailbox falls back to the built-in address and writes nothing.
        QCOMPARE(LeerParametro("CORREO", QString::fromLatin1(CorreoRecaudacionPorDefecto)),
                 QStringLiteral("recaudacion@obrix.example"));
        QVERIFY(!QSettings(QStringLiteral("OBRIX"), QStringLiteral("OBRIX")).contains("PARAMETROS/CORREO"));
    }

    void arranqueRechazado_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensaje"); // with {carpeta} and {archivo}
        QTest::addColumn<int>("final");
        const int fallido = int(Arranque::Fallido);
        const QString sinCarpeta = QStringLiteral("No se puede escribir en la carpeta {carpeta}, donde el programa guarda sus datos.");
        // The folder: only a copy really running there is "already running".
        QTest::newRow("carpeta que no se puede crear") << "imposible" << sinCarpeta << fallido;
        QTest::newRow("carpeta de solo lectura") << "carpeta" << sinCarpeta << fallido;
        QTest::newRow("otra copia en ejecución") << "otra" << "El programa ya está en ejecución." << int(Arranque::OtraCopia);
        // The operating file, checked as the restore command checks a copy.
        QTest::newRow("solo la tabla de parámetros") << "parametros" << "La base de datos {archivo} no es correcta: falta la tabla Categorias" << fallido;
        QTest::newRow("disparador agregado") << "disparador" << "La base de datos {archivo} no es correcta: sobra el disparador Vaciar." << fallido;
        QTest::newRow("cortada") << "cortada" << "La base de datos {archivo} está incompleta o dañada" << fallido;
        QTest::newRow("formato de esquema desconocido") << "formato"
            << "La base de datos {archivo} está incompleta o dañada: su cabecera indica un formato de esquema desconocido (8)."
            << fallido;
        QTest::newRow("no es una base") << "texto" << "El archivo {archivo} no es una base de datos." << fallido;
        QTest::newRow("archivo de solo lectura") << "archivo" << "No se puede escribir en la base de datos {archivo}." << fallido;
    }
    void arranqueRechazado()
    {
        QFETCH(QString, caso);
        QFETCH(QString, mensaje);
        QFETCH(int, final);
        QTemporaryDir raiz;
        QString carpeta = raiz.path();
        const QString archivo = QDir(carpeta).filePath(QStringLiteral("talvo.fys"));
        const QByteArray plantilla = DatosPlantilla();
        InstanciaUnica otra;
        if (caso == "imposible") {
            QVERIFY(Escribir(archivo, plantilla));
            carpeta = archivo + QStringLiteral("/datos"); // beneath a file
        } else if (caso == "otra") {
            QCOMPARE(otra.Tomar(carpeta), InstanciaUnica::Resultado::Tomada);
        } else if (caso == "parametros") {
            Conexion bd;
            QVERIFY(Escribir(archivo, QByteArray()) && bd.Abrir(archivo));
            QVERIFY(bd.Ejecutar("create table parametros (porcentajedos real, porcentajefcm real, importecta real)"));
            QVERIFY(bd.Ejecutar("insert into parametros values (2, 2, 2)"));
        } else if (caso == "disparador") {
            Conexion bd;
            QVERIFY(Escribir(archivo, plantilla) && bd.Abrir(archivo));
            QVERIFY(bd.Ejecutar("create trigger Vaciar after insert on liquidaciones_empl "
                                "begin delete from liquidaciones_empl where id = new.id; end"));
        } else if (caso == "formato") {
            // SQLite itself would only say "unsupported file format", as if the file could not be read.
            QByteArray danada = plantilla;
            danada[47] = 8; // the schema format number, bytes 44 to 47
            QVERIFY(Escribir(archivo, danada));
        } else if (caso == "cortada") {
            QVERIFY(Escribir(archivo, plantilla.left(plantilla.size() / 2)));
        } else if (caso == "texto") {
            QVERIFY(Escribir(archivo, QByteArray(4096, 'x')));
        } else {
            QVERIFY(Escribir(archivo, plantilla));
        }
        const QByteArray huella = Huella(archivo);
        std::unique_ptr<SoloLectura> protegido;
        if (caso == "carpeta" || caso == "archivo") {
            protegido = std::make_unique<SoloLectura>(caso == "carpeta" ? carpeta : archivo);
            if (!protegido->Vale())
                QSKIP("no se puede quitar el permiso de escritura al administrador (chattr +i)");
        }

        DialogosPrueba dialogos;
        InstanciaUnica instancia;
        Conexion bd;
        QCOMPARE(int(PrepararArranque(dialogos, carpeta, instancia, bd)), final);
        QCOMPARE(dialogos.llamadas.size(), 1);
        const QString esperado = QString(mensaje)
                                     .replace(QStringLiteral("{carpeta}"), QDir::toNativeSeparators(carpeta))
                                     .replace(QStringLiteral("{archivo}"), QDir::toNativeSeparators(archivo));
        QVERIFY2(dialogos.Ultima().texto.startsWith(esperado), qPrintable(dialogos.Ultima().texto));
        QCOMPARE(dialogos.Ultima().titulo, final == int(Arranque::OtraCopia) ? "INFORMACION" : "ERROR");
        // The program ends with the file as it found it, and without holding the folder.
        QVERIFY(!bd.EstaAbierta());
        QCOMPARE(Huella(archivo), huella);
        protegido.reset();
        otra.Soltar();
        if (caso != "imposible")
            QCOMPARE(instancia.Tomar(carpeta), InstanciaUnica::Resultado::Tomada);
    }

    void unaSolaInstanciaPorCarpeta()
    {
        using R = InstanciaUnica::Resultado;
        QTemporaryDir carpeta, otra;
        InstanciaUnica primera, segunda, enOtraCarpeta;
        QFile lock(carpeta.filePath("talvo.lock"));
        QCOMPARE(primera.Tomar(carpeta.path()), R::Tomada);
        QCOMPARE(segunda.Tomar(carpeta.path()), R::EnUso);
        QCOMPARE(enOtraCarpeta.Tomar(otra.path()), R::Tomada);
        primera.Soltar();
        QCOMPARE(segunda.Tomar(carpeta.path()), R::Tomada);
        segunda.Soltar();
        // A folder where no lock can be written is not a copy already running.
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        QCOMPARE(InstanciaUnica().Tomar(lock.fileName() + QStringLiteral("/debajo")), R::SinPermiso);
        QVERIFY(lock.remove());

        // A lock left by a process that no longer exists, as after a crash, does not block.
        QProcess muerto;
        muerto.start(QStringLiteral("true"));
        QVERIFY(muerto.waitForStarted());
        const qint64 pid = muerto.processId();
        QVERIFY(muerto.waitForFinished());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + "\ntalvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QCOMPARE(primera.Tomar(carpeta.path()), R::Tomada);
        primera.Soltar();
        // Nor does one left empty by a copy that died while writing it, once it is not brand new.
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        QCOMPARE(primera.Tomar(carpeta.path()), R::EnUso);
        QVERIFY(lock.open(QIODevice::Append));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        lock.close();
        QCOMPARE(primera.Tomar(carpeta.path()), R::Tomada);
    }

    void makeCleanNoBorraDatos_data()
    {
        QTest::addColumn<QStringList>("archivos"); // inside a throw-away build folder
        QTest::addColumn<bool>("borra");
        QTest::newRow("solo lo construido") << QStringList{"src/talvo", "plantilla/talvo.fys"} << true;
        QTest::newRow("datos junto al programa") << QStringList{"src/talvo", "src/talvo.fys"} << false;
        QTest::newRow("copia en backkestral") << QStringList{"src/backkestral/talvo.fys"} << false;
    }
    void makeCleanNoBorraDatos()
    {
        QFETCH(QStringList, archivos);
        QFETCH(bool, borra);
        QTemporaryDir raiz;
        const QString construccion = raiz.filePath(QStringLiteral("build"));
        for (const QString& archivo : archivos) {
            QVERIFY(QDir().mkpath(QFileInfo(construccion + '/' + archivo).absolutePath()));
            QVERIFY(Escribir(construccion + '/' + archivo, "datos"));
        }
        QProcess make;
        make.start(QStringLiteral("make"), {"-s", "-C", Fuentes(), "clean", "BUILD=" + construccion});
        QVERIFY(make.waitForFinished(60000));
        const QString salida = QString::fromUtf8(make.readAllStandardError());
        QCOMPARE(make.exitStatus(), QProcess::NormalExit);
        QCOMPARE(make.exitCode() == 0, borra);
        QCOMPARE(QFileInfo::exists(construccion), !borra);
        if (!borra) {
            for (const QString& archivo : archivos) {
                QVERIFY(QFileInfo::exists(construccion + '/' + archivo));
                if (archivo.endsWith(QLatin1String("talvo.fys")))
                    QVERIFY2(salida.contains(construccion + '/' + archivo), qPrintable(salida));
            }
        }
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
