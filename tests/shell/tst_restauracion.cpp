// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring the operating database from a copy, through the main window's command, and a restore
// cut short at every step by a helper process that kills itself.
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "shell/InstanciaUnica.h"
#include "shell/Principal.h"
#include "shell/frmPadre.h"
#include "support/Archivos.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
/// Writes `datos` to a new file, then runs `sentencias` on it, outside the program's connection.
bool Preparar(const QString& archivo, const QByteArray& datos, const QStringList& sentencias = {})
{
    {
        QFile f(archivo);
        if (!f.open(QIODevice::WriteOnly) || f.write(datos) != datos.size())
            return false;
    }
    if (sentencias.isEmpty())
        return true;
    Conexion bd;
    if (!bd.Abrir(archivo))
        return false;
    for (const QString& sentencia : sentencias) {
        if (!bd.Ejecutar(sentencia))
            return false;
    }
    return true;
}

/// Edits a table's CREATE statement in place, as a hand-altered copy would have it.
QStringList CambiarTabla(const QString& tabla, const QString& de, const QString& a)
{
    return {QStringLiteral("pragma writable_schema = on"),
            QStringLiteral("update sqlite_master set sql = replace(sql, '%1', '%2') where name = '%3'").arg(de, a, tabla)};
}

QFile::Permissions Permisos(const QString& archivo)
{
    // Owner, group and others; the "user" bits only repeat the owner's for the file's owner.
    return QFileInfo(archivo).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}
} // namespace

class TestRestauracion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }
    void init()
    {
        m_base = std::make_unique<BasePrueba>();
        QVERIFY(m_base->bd().Ejecutar(
            QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-00000001-0', 'Propia SA')")));
        GrabarParametro(QStringLiteral("ULTIMAEMPRESA"), QStringLiteral("0"));
        QVERIFY(QDir(m_base->Carpeta()).mkdir(QStringLiteral("backkestral")));
        m_dialogos = std::make_unique<DialogosPrueba>();
        m_ventana = std::make_unique<frmPadre>(*m_dialogos);
        m_huella = Huella(m_base->Archivo());
    }
    void cleanup() { m_ventana.reset(); m_dialogos.reset(); m_base.reset(); }

    void cancelarODesdeLaOperativa()
    {
        // The file dialog opens on the backup folder; cancelling it changes nothing.
        m_dialogos->archivos << QString();
        m_ventana->findChild<QAction*>(QStringLiteral("mnuRestaurar"))->trigger();
        QCOMPARE(m_dialogos->llamadas.size(), 1);
        QCOMPARE(m_dialogos->Ultima().extra, m_base->Carpeta() + "/backkestral|Bases de datos KESTRAL (*.fys)");
        SigueConSusDatos();
        // The operating file itself, even written another way, is refused.
        m_dialogos->archivos << m_base->Carpeta() + QStringLiteral("/backkestral/../talvo.fys");
        m_ventana->RestaurarCopia();
        QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("No se puede restaurar desde la base de datos operativa"));
        SigueConSusDatos();
    }

    void copiaInvalida_data()
    {
        QTest::addColumn<QByteArray>("datos");
        QTest::addColumn<QStringList>("sentencias"); // run on the file after writing it
        QTest::addColumn<QString>("mensaje");
        const QString noEsBase = QStringLiteral("El archivo seleccionado no es una base de datos.");
        const QString incorrecta = QStringLiteral("La base de datos seleccionada no es correcta.");
        const QByteArray plantilla = DatosPlantilla();
        QByteArray sobrescrita = plantilla;
        for (qsizetype i = 4096; i < sobrescrita.size(); i += 4096) // a stretch of every page after the first
            sobrescrita.replace(i + 8, 64, QByteArray(64, '\xA5'));
        QTest::newRow("texto con nombre .fys") << QByteArray("CUIT;RAZON SOCIAL\r\n30-00000001-0;Propia SA\r\n")
                                               << QStringList() << noEsBase;
        QTest::newRow("base de otro programa")
            << QByteArray() << QStringList{"create table clientes (id integer primary key, nombre text)"} << incorrecta;
        QTest::newRow("copia cortada") << plantilla.left(plantilla.size() / 2) << QStringList() << incorrecta;
        QTest::newRow("bytes sobrescritos") << sobrescrita << QStringList() << incorrecta;
        // Copies that hold every table and column and would still lose or refuse later saves.
        QTest::newRow("disparador que borra")
            << plantilla
            << QStringList{"create trigger Vaciar after insert on liquidaciones_empl "
                           "begin delete from liquidaciones_empl where id = new.id; end"}
            << incorrecta;
        QTest::newRow("columna NOT NULL sin valor por omisión")
            << plantilla
            << CambiarTabla("Liquidaciones_Empl", "INGRESO TEXT CHECK (length(INGRESO) <= 10)",
                            "INGRESO TEXT CHECK (length(INGRESO) <= 10), EXTRA TEXT NOT NULL")
            << incorrecta;
        QTest::newRow("sin los CHECK de longitud")
            << plantilla << CambiarTabla("Liquidaciones_Empl", " CHECK (length(AYN) <= 40)", "") << incorrecta;
        QTest::newRow("sin el índice único de CUIT") << plantilla << QStringList{"drop index CUIT"} << incorrecta;
        QTest::newRow("vista agregada") << plantilla << QStringList{"create view Todo as select * from empresas"}
                                        << incorrecta;
        QTest::newRow("otra versión del esquema") << plantilla << QStringList{"pragma user_version = 2"}
                                                  << incorrecta;
        QTest::newRow("sin fila de parámetros") << plantilla << QStringList{"delete from parametros"} << incorrecta;
    }
    void copiaInvalida()
    {
        QFETCH(QByteArray, datos);
        QFETCH(QStringList, sentencias);
        QFETCH(QString, mensaje);
        const QString archivo = QDir(m_otra.path()).filePath(QStringLiteral("copia.fys"));
        QVERIFY(Preparar(archivo, datos, sentencias));
        m_dialogos->archivos << archivo;
        m_dialogos->respuestas << true;
        m_ventana->RestaurarCopia();
        QCOMPARE(m_dialogos->llamadas.size(), 3);
        QVERIFY2(m_dialogos->Ultima().texto.startsWith(mensaje), qPrintable(m_dialogos->Ultima().texto));
        QCOMPARE(m_dialogos->Ultima().titulo, QStringLiteral("ERROR DE DATOS"));
        SigueConSusDatos();
    }

    void copiaBuena()
    {
        // A backup made by this program, with two companies of its own.
        const QString copia = QDir(m_otra.path()).filePath(QStringLiteral("copia.fys"));
        QVERIFY(Preparar(copia, DatosPlantilla(),
                         {"insert into empresas (cuit, razonsocial) values "
                          "('30-00000007-0', 'Copia A'), ('30-00000008-0', 'Copia B')"}));
        const QByteArray huellaCopia = Huella(copia);
        const QFile::Permissions permisos = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(m_base->Archivo(), permisos));
        m_dialogos->archivos << copia;
        m_dialogos->respuestas << false;
        m_ventana->RestaurarCopia(); // answered "No"
        QCOMPARE(m_dialogos->Ultima().texto,
                 QStringLiteral("¿Seguro que desea restaurar la base de datos operativa desde %1?").arg(copia));
        SigueConSusDatos();
        m_dialogos->Limpiar();
        m_dialogos->archivos << copia;
        m_dialogos->respuestas << true;
        m_ventana->RestaurarCopia();
        QCOMPARE(m_dialogos->llamadas.size(), 3);
        QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("Restauración de la base de datos terminada."));

        // The operating file is now the copy, open, in the same place, with the operating file's
        // permissions; the copy itself is untouched.
        QCOMPARE(Huella(copia), huellaCopia);
        QCOMPARE(Huella(m_base->Archivo()), huellaCopia);
        QCOMPARE(Permisos(m_base->Archivo()), permisos);
        QCOMPARE(m_base->bd().Archivo(), m_base->Archivo());
        QCOMPARE(m_base->Contar(QStringLiteral("select count(*) from empresas")), qint64(2));
        QCOMPARE(QDir(m_base->Carpeta()).entryList(QDir::Files), QStringList{"talvo.fys"});
        QCOMPARE(ParamPorcentajeDos, 2.0);
        // The window shows the restored companies, none chosen, so slips are refused until one is.
        auto* cbo = m_ventana->findChild<QComboBox*>(QStringLiteral("cboEmpresas"));
        QCOMPARE(cbo->count(), 2);
        QCOMPARE(cbo->currentIndex(), -1);
        QVERIFY(m_ventana->EmpresaActual().isNull());
        m_ventana->NuevaBoletaNormal();
        QCOMPARE(m_dialogos->Ultima().titulo, QStringLiteral("CARGA DE DATOS"));
        cbo->setCurrentIndex(1);
        QCOMPARE(m_ventana->EmpresaActual()->Nombre(), QStringLiteral("Copia B"));
    }

    void interrumpidaEnCadaPaso()
    {
        // A helper process restores and dies right after step N, for N = 1, 2, … until a restore
        // ends whole: after each death talvo.fys is the whole old file or the whole new one, and
        // the program's start-up opens it as usual.
        const QString copia = QDir(m_otra.path()).filePath(QStringLiteral("copia.fys"));
        QVERIFY(Preparar(copia, DatosPlantilla(),
                         {"insert into empresas (cuit, razonsocial) values "
                          "('30-00000007-0', 'Copia A'), ('30-00000008-0', 'Copia B')"}));
        QFile original(m_base->Archivo());
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray datosViejos = original.readAll();
        const QByteArray vieja = QCryptographicHash::hash(datosViejos, QCryptographicHash::Sha256);
        const QByteArray nueva = Huella(copia);
        const QFile::Permissions permisos = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        const QStringList restos{"talvo.fys", "talvo.fys.anterior", "talvo.lock"};
        int muertes = 0;
        int conLaNueva = 0;
        for (bool terminada = false; !terminada;) {
            QVERIFY2(muertes < 50, "la restauración nunca termina");
            QTemporaryDir carpeta;
            const QString archivo = carpeta.filePath(QStringLiteral("talvo.fys"));
            QVERIFY(Preparar(archivo, datosViejos));
            QVERIFY(QFile::setPermissions(archivo, permisos));
            QProcess ayudante;
            ayudante.start(QStringLiteral(TALVO_AYUDANTE_RESTAURACION),
                           {carpeta.path(), copia, QString::number(muertes + 1)});
            QVERIFY(ayudante.waitForFinished(60000));
            terminada = ayudante.exitStatus() == QProcess::NormalExit;
            if (terminada)
                QVERIFY2(ayudante.exitCode() == 0, ayudante.readAllStandardError().constData());
            else
                ++muertes;

            // Whole old file until the rename, whole new one from then on; permissions kept.
            const QByteArray huella = Huella(archivo);
            QVERIFY2(huella == vieja || huella == nueva, qPrintable(QStringLiteral("paso %1").arg(muertes)));
            if (huella == nueva)
                ++conLaNueva;
            else
                QCOMPARE(conLaNueva, 0);
            QCOMPARE(Permisos(archivo), permisos);

            DialogosPrueba dialogos;
            InstanciaUnica instancia;
            Conexion bd;
            QCOMPARE(PrepararArranque(dialogos, carpeta.path(), instancia, bd), Arranque::Listo);
            QCOMPARE(dialogos.llamadas.size(), 0);
            QCOMPARE(bd.ValorEscalar(QStringLiteral("select count(*) from empresas")).toInt(), huella == nueva ? 2 : 1);
            // Start-up clears the temporary copy; the old file may keep its second name.
            for (const QString& entrada : QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden))
                QVERIFY2(restos.contains(entrada), qPrintable(entrada));
            if (terminada)
                QVERIFY(!QFileInfo::exists(archivo + QStringLiteral(".anterior")));
        }
        QCOMPARE(Huella(copia), nueva);
        QVERIFY(muertes >= 6);
        QVERIFY(conLaNueva >= 3); // after the rename, after opening the new file, after clearing up
    }

private:
    /// The window works on its own single company, the file is untouched and no temporary is left.
    void SigueConSusDatos()
    {
        QCOMPARE(Huella(m_base->Archivo()), m_huella);
        QCOMPARE(BaseDatos, &m_base->bd());
        QCOMPARE(m_ventana->ListaDeEmpresas().Count(), 1);
        QCOMPARE(m_ventana->EmpresaActual()->Nombre(), QStringLiteral("Propia SA"));
        QCOMPARE(QDir(m_base->Carpeta()).entryList(QDir::Files), QStringList{"talvo.fys"});
        QVERIFY(m_base->bd().Ejecutar(QStringLiteral("update empresas set telefonos = '555' where id > 0")));
        m_huella = Huella(m_base->Archivo()); // changed by the write above: later checks start from here
    }

    std::unique_ptr<BasePrueba> m_base;
    std::unique_ptr<DialogosPrueba> m_dialogos;
    std::unique_ptr<frmPadre> m_ventana;
    QTemporaryDir m_otra;
    QByteArray m_huella;
};

QTEST_MAIN(TestRestauracion)
#include "tst_restauracion.moc"
