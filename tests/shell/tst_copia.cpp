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

/// A fresh operating database holding one company, and an empty destination folder.
struct Escena
{
    BasePrueba base;
    QTemporaryDir destino;
    DialogosPrueba dialogos;

    Escena()
    {
        base.bd().Ejecutar(QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-00000001-0', 'Sur')"));
    }
    QString Copia() const { return QDir(destino.path()).filePath(QStringLiteral("talvo.fys")); }
    /// The program keeps working on its own data: open, with its parameters and its company.
    void SigueTrabajando()
    {
        QVERIFY(base.bd().EstaAbierta());
        QCOMPARE(base.bd().Archivo(), base.Archivo());
        QCOMPARE(base.Contar(QStringLiteral("select count(*) from empresas")), qint64(1));
        QCOMPARE(ParamPorcentajeDos, 2.0);
        QVERIFY(base.bd().Ejecutar(QStringLiteral("update empresas set telefonos = '555' where id > 0")));
    }
};
} // namespace

class TestCopia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void copiaEnUnaCarpeta()
    {
        Escena e;
        QVERIFY(Escribir(e.Copia(), "una copia vieja")); // replaced by the new one
        frmBackUp dialogo(e.dialogos, e.base.bd());
        dialogo.show();
        QVERIFY(dialogo.ElegirCarpeta(e.destino.path()));
        dialogo.findChild<QPushButton*>(QStringLiteral("cmdCopiar"))->click();
        QCOMPARE(e.dialogos.llamadas.size(), 1);
        QCOMPARE(e.dialogos.Ultima().texto, QStringLiteral("Base de datos copiada."));
        QVERIFY(!dialogo.isVisible());
        QCOMPARE(Huella(e.Copia()), Huella(e.base.Archivo()));
        QCOMPARE(QDir(e.destino.path()).entryList(QDir::Files), QStringList{"talvo.fys"}); // nothing left behind
        e.SigueTrabajando();
    }

    void carpetaDelPrograma()
    {
        Escena e;
        const QByteArray antes = Huella(e.base.Archivo());
        frmBackUp dialogo(e.dialogos, e.base.bd());
        dialogo.show();
        QVERIFY(dialogo.ElegirCarpeta(e.base.Carpeta()));
        dialogo.Copiar();
        QCOMPARE(e.dialogos.llamadas.size(), 1);
        QCOMPARE(e.dialogos.Ultima().texto, QStringLiteral("El origen y destino no pueden ser iguales."));
        QCOMPARE(e.dialogos.Ultima().titulo, QStringLiteral("ERROR"));
        QVERIFY(dialogo.isVisible());
        // Written another way it is still the same folder; no folder at all is not the current one.
        CopiaSeguridad copia(e.base.bd());
        QCOMPARE(copia.Copiar(e.base.Carpeta() + "/backkestral/..//"), CopiaSeguridad::Resultado::MismaCarpeta);
        QCOMPARE(copia.Copiar(QString()), CopiaSeguridad::Resultado::SinCarpeta);
        QCOMPARE(Huella(e.base.Archivo()), antes);
        e.SigueTrabajando();
    }

    void unidad_data()
    {
        QTest::addColumn<bool>("optico");
        QTest::addColumn<bool>("listo");
        QTest::addColumn<bool>("soloLectura");
        QTest::addColumn<qint64>("libreMenosTamano");
        QTest::addColumn<QString>("mensaje"); // "TITLE: text"
        QTest::newRow("CD o DVD") << true << true << true << qint64(1000)
                                  << "INFORMACION: No se puede grabar en un CD ROM";
        QTest::newRow("no está lista") << false << false << false << qint64(1000)
                                       << "INFORMACION: El dispositivo no está listo.";
        QTest::newRow("un byte menos") << false << true << false << qint64(-1)
                                       << "INFORMACION: No hay espacio suficiente en la unidad seleccionada para "
                                          "guardar la base de datos.";
        QTest::newRow("justo el tamaño") << false << true << false << qint64(0) << "INFORMACION: Base de datos copiada.";
        QTest::newRow("solo lectura") << false << true << true << qint64(1000)
                                      << "ERROR: No se puede grabar en un dispositivo protegido contra escritura. "
                                         "Quite la protección y vuelva a intentarlo.";
    }
    void unidad()
    {
        QFETCH(bool, optico);
        QFETCH(bool, listo);
        QFETCH(bool, soloLectura);
        QFETCH(qint64, libreMenosTamano);
        QFETCH(QString, mensaje);
        Escena e;
        frmBackUp dialogo(e.dialogos, e.base.bd());
        const qint64 libre = QFileInfo(e.base.Archivo()).size() + libreMenosTamano;
        dialogo.Copia().setSondeo([=](const QString&) { return DatosVolumen{listo, optico, soloLectura, libre}; });
        QVERIFY(dialogo.ElegirCarpeta(e.destino.path()));
        dialogo.Copiar();
        QCOMPARE(e.dialogos.llamadas.size(), 1);
        QCOMPARE(e.dialogos.Ultima().titulo + QStringLiteral(": ") + e.dialogos.Ultima().texto, mensaje);
        QCOMPARE(QFileInfo::exists(e.Copia()), libreMenosTamano == 0);
        e.SigueTrabajando();
    }

    void carpetaProtegida()
    {
        // The folder's own permissions, where they hold (not for root); the "solo lectura" row above
        // covers the message everywhere.
        Escena e;
        const auto todos = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(e.destino.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool grabable = Escribir(e.Copia(), "x");
        CopiaSeguridad copia(e.base.bd());
        const auto resultado = copia.Copiar(e.destino.path());
        QFile::setPermissions(e.destino.path(), todos);
        if (grabable)
            QSKIP("Los permisos de carpeta no impiden grabar a este usuario (root).");
        QCOMPARE(resultado, CopiaSeguridad::Resultado::Protegido);
        e.SigueTrabajando();
    }

    void destinoBajoUnArchivo()
    {
        // A "folder" that is really a file: the copy fails after the database was closed.
        Escena e;
        const QString archivo = QDir(e.destino.path()).filePath("notas.txt");
        QVERIFY(Escribir(archivo, "no es una carpeta"));
        CopiaSeguridad copia(e.base.bd());
        QCOMPARE(copia.Copiar(archivo), CopiaSeguridad::Resultado::Error);
        QVERIFY(copia.DescripcionError().contains(QDir::toNativeSeparators(archivo)));
        e.SigueTrabajando();
    }

    void desdeLaVentanaPrincipal()
    {
        Escena e;
        frmPadre ventana(e.dialogos);
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
        const QFileInfo respaldo(QDir(e.base.Carpeta()).filePath(QStringLiteral("backkestral")));
        QVERIFY(respaldo.isDir());
        QCOMPARE(QFileInfo(carpetaMostrada).canonicalFilePath(), respaldo.canonicalFilePath());
        QCOMPARE(QDir(respaldo.filePath()).entryList(QDir::Files), QStringList());
        QVERIFY(e.dialogos.llamadas.isEmpty());
        e.SigueTrabajando();
    }
};

QTEST_MAIN(TestCopia)
#include "tst_copia.moc"
