// SPDX-License-Identifier: GPL-3.0-or-later
// Backup of the operating database: the dialog, its checks and messages, and the copy itself.
#include "records/Global.h"
#include "shell/CopiaSeguridad.h"
#include "shell/frmBackUp.h"
#include "shell/frmPadre.h"
#include "support/Archivos.h"
#include "support/BasePrueba.h"
#include "support/DialogoModal.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
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

Q_DECLARE_METATYPE(DatosVolumen)

class TestCopia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void copiar_data()
    {
        QTest::addColumn<DatosVolumen>("volumen"); // ready, optical, read-only, free bytes beyond the file's size
        QTest::addColumn<QString>("mensaje"); // "TITLE: text"
        const QString copiada = QStringLiteral("INFORMACION: Base de datos copiada.");
        QTest::newRow("carpeta buena") << DatosVolumen{} << copiada; // on the real volume
        QTest::newRow("justo el tamaño") << DatosVolumen{true, false, false, 0} << copiada;
        QTest::newRow("carpeta del programa") << DatosVolumen{true, false, false, 1000}
                                              << "ERROR: El origen y destino no pueden ser iguales.";
        QTest::newRow("CD o DVD") << DatosVolumen{true, true, true, 1000} << "INFORMACION: No se puede grabar en un CD ROM";
        QTest::newRow("no está lista") << DatosVolumen{false, false, false, 1000}
                                       << "INFORMACION: El dispositivo no está listo.";
        QTest::newRow("un byte menos") << DatosVolumen{true, false, false, -1}
                                       << "INFORMACION: No hay espacio suficiente en la unidad seleccionada para "
                                          "guardar la base de datos.";
        QTest::newRow("solo lectura") << DatosVolumen{true, false, true, 1000}
                                      << "ERROR: No se puede grabar en un dispositivo protegido contra escritura. "
                                         "Quite la protección y vuelva a intentarlo.";
    }
    void copiar()
    {
        QFETCH(DatosVolumen, volumen);
        QFETCH(QString, mensaje);
        Escena e;
        QVERIFY(Escribir(e.Copia(), "una copia vieja")); // replaced only by a good copy
        const QByteArray vieja = Huella(e.Copia());
        frmBackUp dialogo(e.dialogos, e.base.bd());
        volumen.libre += QFileInfo(e.base.Archivo()).size();
        if (QTest::currentDataTag() != QLatin1String("carpeta buena"))
            dialogo.Copia().setSondeo([=](const QString&) { return volumen; });
        dialogo.show();
        const bool propia = QTest::currentDataTag() == QLatin1String("carpeta del programa");
        QVERIFY(dialogo.ElegirCarpeta(propia ? e.base.Carpeta() : e.destino.path()));
        dialogo.findChild<QPushButton*>(QStringLiteral("cmdCopiar"))->click();
        QCOMPARE(e.dialogos.llamadas.size(), 1);
        QCOMPARE(e.dialogos.Ultima().titulo + QStringLiteral(": ") + e.dialogos.Ultima().texto, mensaje);
        const bool copia = mensaje.endsWith(QStringLiteral("copiada."));
        QCOMPARE(dialogo.isVisible(), !copia);
        QCOMPARE(Huella(e.Copia()), copia ? Huella(e.base.Archivo()) : vieja);
        QCOMPARE(QDir(e.destino.path()).entryList(QDir::Files), QStringList{"talvo.fys"}); // nothing left behind
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
        // The program's folder written another way is still the same; no folder at all is not the current one.
        QCOMPARE(copia.Copiar(e.base.Carpeta() + "/backkestral/..//"), CopiaSeguridad::Resultado::MismaCarpeta);
        QCOMPARE(copia.Copiar(QString()), CopiaSeguridad::Resultado::SinCarpeta);
        e.SigueTrabajando();
    }

    void desdeLaVentanaPrincipal()
    {
        Escena e;
        frmPadre ventana(e.dialogos);
        ventana.show();
        QString carpetaMostrada;
        RESPONDER_MODAL([&] { ventana.findChild<QAction*>(QStringLiteral("mnuCopiaSeguridad"))->trigger(); },
                        [&](frmBackUp* dialogo) {
                            carpetaMostrada = dialogo->CarpetaElegida();
                            dialogo->findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
                        });
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
