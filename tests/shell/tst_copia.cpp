// SPDX-License-Identifier: GPL-3.0-or-later
// Backup of the operating database: the dialog, its checks and messages, and the copy itself.
#include "records/Global.h"
#include "shell/CopiaSeguridad.h"
#include "shell/frmBackUp.h"
#include "shell/frmPadre.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QByteArray Huella(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

bool Escribir(const QString& archivo, const QByteArray& datos)
{
    QFile f(archivo);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}

/// A fresh operating database holding one company.
struct BaseConEmpresa : BasePrueba
{
    BaseConEmpresa()
    {
        bd().Ejecutar(QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-00000001-0', 'Ferretería Sur')"));
    }
    /// The program keeps working on its own data: open, with its parameters and its company.
    void SigueTrabajando()
    {
        QVERIFY(bd().EstaAbierta());
        QCOMPARE(bd().Archivo(), Archivo());
        QCOMPARE(Contar(QStringLiteral("select count(*) from empresas")), qint64(1));
        QCOMPARE(ParamPorcentajeDos, 2.0);
        QVERIFY(bd().Ejecutar(QStringLiteral("update empresas set telefonos = '555' where id > 0")));
    }
};
} // namespace

class TestCopia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void copiaEnUnaCarpeta();
    void carpetaDelPrograma();
    void unidad_data();
    void unidad();
    void carpetaProtegida();
    void destinoBajoUnArchivo();
    void desdeLaVentanaPrincipal();
};

void TestCopia::copiaEnUnaCarpeta()
{
    BaseConEmpresa base;
    QTemporaryDir destino;
    const QString copia = QDir(destino.path()).filePath("talvo.fys");
    QVERIFY(Escribir(copia, "una copia vieja")); // replaced by the new one
    DialogosPrueba dialogos;
    frmBackUp dialogo(dialogos, base.bd());
    dialogo.show();
    QVERIFY(dialogo.ElegirCarpeta(destino.path()));
    dialogo.findChild<QPushButton*>(QStringLiteral("cmdCopiar"))->click();
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, QStringLiteral("Base de datos copiada."));
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(Huella(copia), Huella(base.Archivo()));
    QCOMPARE(QDir(destino.path()).entryList(QDir::Files), QStringList{"talvo.fys"}); // nothing left behind
    base.SigueTrabajando();
}

void TestCopia::carpetaDelPrograma()
{
    BaseConEmpresa base;
    const QByteArray antes = Huella(base.Archivo());
    DialogosPrueba dialogos;
    frmBackUp dialogo(dialogos, base.bd());
    dialogo.show();
    QVERIFY(dialogo.ElegirCarpeta(base.Carpeta()));
    dialogo.Copiar();
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, QStringLiteral("El origen y destino no pueden ser iguales."));
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("ERROR"));
    QVERIFY(dialogo.isVisible());
    // Written another way it is still the same folder; no folder at all is not the current one.
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(base.Carpeta() + QStringLiteral("/backkestral/..//")), CopiaSeguridad::Resultado::MismaCarpeta);
    QCOMPARE(copia.Copiar(QString()), CopiaSeguridad::Resultado::SinCarpeta);
    QCOMPARE(Huella(base.Archivo()), antes);
    base.SigueTrabajando();
}

void TestCopia::unidad_data()
{
    QTest::addColumn<bool>("optico");
    QTest::addColumn<bool>("listo");
    QTest::addColumn<bool>("soloLectura");
    QTest::addColumn<qint64>("libreMenosTamano");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("titulo");
    QTest::newRow("CD o DVD") << true << true << true << qint64(1000) << "No se puede grabar en un CD ROM"
                              << "INFORMACION";
    QTest::newRow("no está lista") << false << false << false << qint64(1000) << "El dispositivo no está listo."
                                   << "INFORMACION";
    QTest::newRow("un byte menos")
        << false << true << false << qint64(-1)
        << "No hay espacio suficiente en la unidad seleccionada para guardar la base de datos." << "INFORMACION";
    QTest::newRow("justo el tamaño") << false << true << false << qint64(0) << "Base de datos copiada."
                                     << "INFORMACION";
    QTest::newRow("solo lectura")
        << false << true << true << qint64(1000)
        << "No se puede grabar en un dispositivo protegido contra escritura. Quite la protección y vuelva a intentarlo."
        << "ERROR";
}

void TestCopia::unidad()
{
    QFETCH(bool, optico);
    QFETCH(bool, listo);
    QFETCH(bool, soloLectura);
    QFETCH(qint64, libreMenosTamano);
    QFETCH(QString, mensaje);
    QFETCH(QString, titulo);
    BaseConEmpresa base;
    QTemporaryDir destino;
    DialogosPrueba dialogos;
    frmBackUp dialogo(dialogos, base.bd());
    const qint64 libre = QFileInfo(base.Archivo()).size() + libreMenosTamano;
    dialogo.Copia().setSondeo([=](const QString&) { return DatosVolumen{listo, optico, soloLectura, libre}; });
    QVERIFY(dialogo.ElegirCarpeta(destino.path()));
    dialogo.Copiar();
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, mensaje);
    QCOMPARE(dialogos.Ultima().titulo, titulo);
    QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
    QCOMPARE(QFileInfo::exists(QDir(destino.path()).filePath("talvo.fys")), libreMenosTamano == 0);
    base.SigueTrabajando();
}

void TestCopia::carpetaProtegida()
{
    // The real folder's permissions, where they hold (not for root); the "solo lectura" row above
    // covers the message everywhere.
    BaseConEmpresa base;
    QTemporaryDir destino;
    const auto todos = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(destino.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (Escribir(QDir(destino.path()).filePath("prueba"), "x")) {
        QFile::setPermissions(destino.path(), todos);
        QSKIP("Los permisos de carpeta no impiden grabar a este usuario (root).");
    }
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(destino.path()), CopiaSeguridad::Resultado::Protegido);
    QFile::setPermissions(destino.path(), todos);
    base.SigueTrabajando();
}

void TestCopia::destinoBajoUnArchivo()
{
    // A "folder" that is really a file: the copy fails after the database was closed.
    BaseConEmpresa base;
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath("notas.txt");
    QVERIFY(Escribir(archivo, "no es una carpeta"));
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(archivo), CopiaSeguridad::Resultado::Error);
    QVERIFY(copia.DescripcionError().contains(QDir::toNativeSeparators(archivo)));
    base.SigueTrabajando();
}

void TestCopia::desdeLaVentanaPrincipal()
{
    BaseConEmpresa base;
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.show();
    QString carpetaMostrada;
    QTimer::singleShot(0, this, [&] {
        auto* dialogo = qobject_cast<frmBackUp*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        carpetaMostrada = dialogo->CarpetaElegida();
        dialogo->findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
    });
    ventana.findChild<QAction*>(QStringLiteral("mnuCopiaSeguridad"))->trigger();
    // It opens on the backup folder, created for it; cancelling copies nothing.
    const QString respaldo = QDir(base.Carpeta()).filePath(QStringLiteral("backkestral"));
    QVERIFY(QFileInfo(respaldo).isDir());
    QCOMPARE(QFileInfo(carpetaMostrada).canonicalFilePath(), QFileInfo(respaldo).canonicalFilePath());
    QVERIFY(dialogos.llamadas.isEmpty());
    QVERIFY(!QFileInfo::exists(QDir(respaldo).filePath("talvo.fys")));
    base.SigueTrabajando();
}

QTEST_MAIN(TestCopia)
#include "tst_copia.moc"
