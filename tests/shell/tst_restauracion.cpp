// SPDX-License-Identifier: GPL-3.0-or-later
// Restoring the operating database from a copy, through the main window's command.
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "shell/frmPadre.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
QByteArray Huella(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

/// Writes `datos` to a new file, then runs `sentencia` (if any) on it, outside the program's connection.
bool Preparar(const QString& archivo, const QByteArray& datos, const QString& sentencia = QString())
{
    {
        QFile f(archivo);
        if (!f.open(QIODevice::WriteOnly) || f.write(datos) != datos.size())
            return false;
    }
    Conexion bd;
    return sentencia.isEmpty() || (bd.Abrir(archivo) && bd.Ejecutar(sentencia));
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
        QTest::addColumn<QString>("sentencia"); // run on the file after writing it
        QTest::addColumn<QString>("mensaje");
        const QString noEsBase = QStringLiteral("El archivo seleccionado no es una base de datos.");
        const QString incorrecta = QStringLiteral("La base de datos seleccionada no es correcta.");
        const QByteArray plantilla = DatosPlantilla();
        QByteArray sobrescrita = plantilla;
        for (qsizetype i = 4096; i < sobrescrita.size(); i += 4096) // a stretch of every page after the first
            sobrescrita.replace(i + 8, 64, QByteArray(64, '\xA5'));
        QTest::newRow("texto con nombre .fys") << QByteArray("CUIT;RAZON SOCIAL\r\n30-00000001-0;Propia SA\r\n")
                                               << "" << noEsBase;
        QTest::newRow("base de otro programa") << QByteArray()
                                               << "create table clientes (id integer primary key, nombre text)"
                                               << incorrecta;
        QTest::newRow("copia cortada") << plantilla.left(plantilla.size() / 2) << "" << incorrecta;
        QTest::newRow("bytes sobrescritos") << sobrescrita << "" << incorrecta;
    }
    void copiaInvalida()
    {
        QFETCH(QByteArray, datos);
        QFETCH(QString, sentencia);
        QFETCH(QString, mensaje);
        const QString archivo = QDir(m_otra.path()).filePath(QStringLiteral("copia.fys"));
        QVERIFY(Preparar(archivo, datos, sentencia));
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
                         "insert into empresas (cuit, razonsocial) values "
                         "('30-00000007-0', 'Copia A'), ('30-00000008-0', 'Copia B')"));
        const QByteArray huellaCopia = Huella(copia);
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

        // The operating file is now the copy, open, in the same place; the copy itself is untouched.
        QCOMPARE(Huella(copia), huellaCopia);
        QCOMPARE(m_base->bd().Archivo(), m_base->Archivo());
        QCOMPARE(m_base->Contar(QStringLiteral("select count(*) from empresas")), qint64(2));
        QCOMPARE(QDir(m_base->Carpeta()).entryList(QDir::Files), QStringList{"talvo.fys"});
        QCOMPARE(ParamPorcentajeDos, 2.0);
        // The window shows the restored companies, none chosen, so slips are refused until one is.
        auto* cbo = m_ventana->findChild<QComboBox*>(QStringLiteral("cboEmpresas"));
        QCOMPARE(cbo->count(), 2);
        QCOMPARE(cbo->currentIndex(), -1);
        m_ventana->NuevaBoletaNormal();
        QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("No hay ninguna empresa registrada."));
        cbo->setCurrentIndex(1);
        QCOMPARE(m_ventana->EmpresaActual()->Nombre(), QStringLiteral("Copia B"));
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
