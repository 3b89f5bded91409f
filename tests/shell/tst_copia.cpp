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
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QByteArray Huella(const QString& archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

/// The program keeps working on its own data: open, with its parameters and its company.
void SigueTrabajando(BasePrueba& base)
{
    QVERIFY(base.bd().EstaAbierta());
    QCOMPARE(base.bd().Archivo(), base.Archivo());
    QCOMPARE(base.Contar(QStringLiteral("select count(*) from empresas")), qint64(1));
    QCOMPARE(ParamPorcentajeDos, 2.0);
    QVERIFY(base.bd().Ejecutar(QStringLiteral("update empresas set telefonos = '555' where id > 0")));
}

void GuardarEmpresa(BasePrueba& base)
{
    QVERIFY(base.bd().Ejecutar(
        QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-00000001-0', 'Ferretería Sur')")));
}
} // namespace

class TestCopia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void abreEnLaCarpetaDeRespaldo();
    void copiaEnUnaCarpeta();
    void copiaReemplazaUnaAnterior();
    void carpetaDelPrograma();
    void sinCarpeta();
    void unidad_data();
    void unidad();
    void carpetaProtegida();
    void destinoBajoUnArchivo();
    void desdeLaVentanaPrincipal();
};

void TestCopia::abreEnLaCarpetaDeRespaldo()
{
    BasePrueba base;
    DialogosPrueba dialogos;
    frmBackUp dialogo(dialogos, base.bd());
    const QString respaldo = QDir(base.Carpeta()).filePath(QStringLiteral("backkestral"));
    QVERIFY(QFileInfo(respaldo).isDir());
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Copia de Seguridad"));
    QCOMPARE(QFileInfo(dialogo.CarpetaElegida()).canonicalFilePath(), QFileInfo(respaldo).canonicalFilePath());
    QVERIFY(dialogo.findChild<QLabel*>(QStringLiteral("lblDestino"))->text().endsWith(
        QDir::toNativeSeparators(QStringLiteral("backkestral/talvo.fys"))));
    QCOMPARE(dialogo.findChild<QPushButton*>(QStringLiteral("cmdCopiar"))->text(), QStringLiteral("C&opiar"));
    QCOMPARE(dialogo.findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->text(), QStringLiteral("&Cancelar"));
    QVERIFY(dialogos.llamadas.isEmpty());
}

void TestCopia::copiaEnUnaCarpeta()
{
    BasePrueba base;
    GuardarEmpresa(base);
    DialogosPrueba dialogos;
    QTemporaryDir destino;
    frmBackUp dialogo(dialogos, base.bd());
    dialogo.show();
    QVERIFY(dialogo.ElegirCarpeta(destino.path()));
    QCOMPARE(dialogo.Destino(), QDir(QFileInfo(destino.path()).canonicalFilePath()).filePath("talvo.fys"));
    dialogo.findChild<QPushButton*>(QStringLiteral("cmdCopiar"))->click();
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, QStringLiteral("Base de datos copiada."));
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("INFORMACION"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
    QVERIFY(!dialogo.isVisible());
    QCOMPARE(Huella(QDir(destino.path()).filePath("talvo.fys")), Huella(base.Archivo()));
    QCOMPARE(QDir(destino.path()).entryList(QDir::Files), QStringList{"talvo.fys"}); // nothing left behind
    SigueTrabajando(base);
}

void TestCopia::copiaReemplazaUnaAnterior()
{
    BasePrueba base;
    GuardarEmpresa(base);
    QTemporaryDir destino;
    QFile vieja(QDir(destino.path()).filePath("talvo.fys"));
    QVERIFY(vieja.open(QIODevice::WriteOnly));
    vieja.write("una copia vieja");
    vieja.close();
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(destino.path()), CopiaSeguridad::Resultado::Copiada);
    QCOMPARE(Huella(vieja.fileName()), Huella(base.Archivo()));
    SigueTrabajando(base);
}

void TestCopia::carpetaDelPrograma()
{
    BasePrueba base;
    GuardarEmpresa(base);
    const QByteArray antes = Huella(base.Archivo());
    DialogosPrueba dialogos;
    frmBackUp dialogo(dialogos, base.bd());
    dialogo.show();
    QVERIFY(dialogo.ElegirCarpeta(base.Carpeta()));
    dialogo.Copiar();
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, QStringLiteral("El origen y destino no pueden ser iguales."));
    QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("ERROR"));
    QCOMPARE(dialogos.Ultima().icono, Icono::Critico);
    QVERIFY(dialogo.isVisible());
    // Written another way, it is still the same folder.
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(base.Carpeta() + QStringLiteral("/backkestral/..//")), CopiaSeguridad::Resultado::MismaCarpeta);
    QCOMPARE(Huella(base.Archivo()), antes);
    SigueTrabajando(base);
}

void TestCopia::sinCarpeta()
{
    BasePrueba base;
    GuardarEmpresa(base);
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(QString()), CopiaSeguridad::Resultado::SinCarpeta);
    SigueTrabajando(base);
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
    BasePrueba base;
    GuardarEmpresa(base);
    QTemporaryDir destino;
    DialogosPrueba dialogos;
    frmBackUp dialogo(dialogos, base.bd());
    const qint64 tamano = QFileInfo(base.Archivo()).size();
    dialogo.Copia().setSondeo([&](const QString&) {
        DatosVolumen v;
        v.optico = optico;
        v.listo = listo;
        v.soloLectura = soloLectura;
        v.libre = tamano + libreMenosTamano;
        return v;
    });
    QVERIFY(dialogo.ElegirCarpeta(destino.path()));
    dialogo.Copiar();
    QCOMPARE(dialogos.llamadas.size(), 1);
    QCOMPARE(dialogos.Ultima().texto, mensaje);
    QCOMPARE(dialogos.Ultima().titulo, titulo);
    QCOMPARE(dialogos.Ultima().icono, Icono::Informacion);
    QCOMPARE(QFileInfo::exists(QDir(destino.path()).filePath("talvo.fys")), libreMenosTamano == 0);
    SigueTrabajando(base);
}

void TestCopia::carpetaProtegida()
{
    // Permission bits do not stop root, so this runs only where they hold; the read-only volume
    // case above covers the same message everywhere.
    BasePrueba base;
    GuardarEmpresa(base);
    QTemporaryDir destino;
    QFile::setPermissions(destino.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile prueba(QDir(destino.path()).filePath("prueba"));
    if (prueba.open(QIODevice::WriteOnly)) {
        prueba.remove();
        QFile::setPermissions(destino.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSKIP("Los permisos de carpeta no impiden grabar a este usuario (root).");
    }
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(destino.path()), CopiaSeguridad::Resultado::Protegido);
    QFile::setPermissions(destino.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    SigueTrabajando(base);
}

void TestCopia::destinoBajoUnArchivo()
{
    // A "folder" that is really a file: the copy fails after the database was closed.
    BasePrueba base;
    GuardarEmpresa(base);
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath("notas.txt");
    QFile f(archivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("no es una carpeta");
    f.close();
    CopiaSeguridad copia(base.bd());
    QCOMPARE(copia.Copiar(archivo), CopiaSeguridad::Resultado::Error);
    QVERIFY(copia.DescripcionError().contains(QDir::toNativeSeparators(archivo)));
    SigueTrabajando(base);
}

void TestCopia::desdeLaVentanaPrincipal()
{
    BasePrueba base;
    GuardarEmpresa(base);
    DialogosPrueba dialogos;
    frmPadre ventana(dialogos);
    ventana.show();
    QString carpetaMostrada;
    bool visto = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialogo = qobject_cast<frmBackUp*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        visto = true;
        carpetaMostrada = dialogo->CarpetaElegida();
        dialogo->findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
    });
    ventana.findChild<QAction*>(QStringLiteral("mnuCopiaSeguridad"))->trigger();
    QVERIFY(visto);
    QVERIFY(carpetaMostrada.endsWith(QStringLiteral("backkestral")));
    QVERIFY(dialogos.llamadas.isEmpty());
    QVERIFY(!QFileInfo::exists(QDir(carpetaMostrada).filePath("talvo.fys")));
    SigueTrabajando(base);
}

QTEST_MAIN(TestCopia)
#include "tst_copia.moc"
