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

/// Writes `datos` to a new file, then runs `sentencias` on it as SQLite, outside the program's connection.
bool Preparar(const QString& archivo, const QByteArray& datos, const QStringList& sentencias)
{
    QFile f(archivo);
    if (!f.open(QIODevice::WriteOnly) || f.write(datos) != datos.size())
        return false;
    f.close();
    if (sentencias.isEmpty())
        return true;
    Conexion bd;
    bool correcto = bd.Abrir(archivo);
    for (const QString& sql : sentencias)
        correcto = correcto && bd.Ejecutar(sql);
    bd.Cerrar();
    return correcto;
}

/// A backup made by this program: the template with two companies of its own.
QString CopiaBuena(const QString& carpeta)
{
    const QString archivo = QDir(carpeta).filePath(QStringLiteral("copia.fys"));
    const bool ok = Preparar(archivo, DatosPlantilla(),
                             {"insert into empresas (cuit, razonsocial) values ('30-00000007-0', 'Copia A')",
                              "insert into empresas (cuit, razonsocial) values ('30-00000008-0', 'Copia B')"});
    return ok ? archivo : QString();
}
} // namespace

class TestRestauracion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }
    void init();
    void cleanup();

    void sinRestaurar();
    void copiaInvalida_data();
    void copiaInvalida();
    void copiaBuena();

private:
    /// The window works on its own single company, the file is untouched and no temporary is left.
    void SigueConSusDatos();

    std::unique_ptr<BasePrueba> m_base;
    std::unique_ptr<DialogosPrueba> m_dialogos;
    std::unique_ptr<frmPadre> m_ventana;
    QTemporaryDir m_otra;
    QByteArray m_huella;
};

void TestRestauracion::init()
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

void TestRestauracion::cleanup()
{
    m_ventana.reset();
    m_dialogos.reset();
    m_base.reset();
}

void TestRestauracion::SigueConSusDatos()
{
    QCOMPARE(Huella(m_base->Archivo()), m_huella);
    QVERIFY(m_base->bd().EstaAbierta());
    QCOMPARE(BaseDatos, &m_base->bd());
    QCOMPARE(m_ventana->ListaDeEmpresas().Count(), 1);
    QCOMPARE(m_ventana->EmpresaActual()->Nombre(), QStringLiteral("Propia SA"));
    QVERIFY(m_base->bd().Ejecutar(QStringLiteral("update empresas set telefonos = '555' where id > 0")));
    QCOMPARE(QDir(m_base->Carpeta()).entryList(QDir::Files), QStringList{"talvo.fys"});
    m_huella = Huella(m_base->Archivo()); // the write above changed it; later checks start from here
}

void TestRestauracion::sinRestaurar()
{
    // Cancelling the file dialog, which opens on the backup folder.
    m_dialogos->archivos << QString();
    m_ventana->findChild<QAction*>(QStringLiteral("mnuRestaurar"))->trigger();
    QCOMPARE(m_dialogos->llamadas.size(), 1);
    QCOMPARE(m_dialogos->Ultima().tipo, QStringLiteral("abrir"));
    QCOMPARE(m_dialogos->Ultima().extra, QDir(m_base->Carpeta()).filePath("backkestral") + "|Bases de datos KESTRAL (*.fys)");
    SigueConSusDatos();

    // The operating file itself, even written another way.
    m_dialogos->Limpiar();
    m_dialogos->archivos << m_base->Carpeta() + QStringLiteral("/backkestral/../talvo.fys");
    m_ventana->RestaurarCopia();
    QCOMPARE(m_dialogos->llamadas.size(), 2);
    QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("No se puede restaurar desde la base de datos operativa"));
    SigueConSusDatos();

    // A good copy, but the user answers "No".
    m_dialogos->Limpiar();
    const QString copia = CopiaBuena(m_otra.path());
    m_dialogos->archivos << copia;
    m_dialogos->respuestas << false;
    m_ventana->RestaurarCopia();
    QCOMPARE(m_dialogos->llamadas.size(), 2);
    QCOMPARE(m_dialogos->Ultima().texto,
             QStringLiteral("¿Seguro que desea restaurar la base de datos operativa desde %1?").arg(copia));
    SigueConSusDatos();
}

void TestRestauracion::copiaInvalida_data()
{
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QByteArray>("datos");
    QTest::addColumn<QStringList>("sentencias"); // run on the file after writing it
    QTest::addColumn<QString>("mensaje");
    const QString noEsBase = QStringLiteral("El archivo seleccionado no es una base de datos.");
    const QString incorrecta = QStringLiteral("La base de datos seleccionada no es correcta.");
    const QByteArray plantilla = DatosPlantilla();
    QByteArray sobrescrita = plantilla;
    for (qsizetype i = 4096; i < sobrescrita.size(); i += 4096) // a stretch of every page after the first
        sobrescrita.replace(i + 8, 64, QByteArray(64, '\xA5'));
    QTest::newRow("texto con nombre .fys")
        << true << QByteArray("CUIT;RAZON SOCIAL\r\n30-00000001-0;Propia SA\r\n") << QStringList() << noEsBase;
    QTest::newRow("archivo vacío") << true << QByteArray() << QStringList() << noEsBase;
    QTest::newRow("base de otro programa")
        << true << QByteArray()
        << QStringList{"create table clientes (id integer primary key, nombre text)",
                       "insert into clientes (nombre) values ('Juan')"}
        << incorrecta;
    QTest::newRow("le falta una columna")
        << true << plantilla << QStringList{"alter table empleados rename column media to mitad"} << incorrecta;
    QTest::newRow("copia cortada") << true << plantilla.left(plantilla.size() / 2) << QStringList() << incorrecta;
    QTest::newRow("bytes sobrescritos") << true << sobrescrita << QStringList() << incorrecta;
    QTest::newRow("no se puede leer") << false << QByteArray() << QStringList() << "Se ha producido un error.";
}

void TestRestauracion::copiaInvalida()
{
    QFETCH(bool, existe);
    QFETCH(QByteArray, datos);
    QFETCH(QStringList, sentencias);
    QFETCH(QString, mensaje);
    const QString archivo = QDir(m_otra.path()).filePath(QStringLiteral("copia.fys"));
    QFile::remove(archivo);
    if (existe)
        QVERIFY(Preparar(archivo, datos, sentencias));
    m_dialogos->archivos << archivo;
    m_dialogos->respuestas << true;
    m_ventana->RestaurarCopia();
    QCOMPARE(m_dialogos->llamadas.size(), 3);
    QVERIFY2(m_dialogos->Ultima().texto.startsWith(mensaje), qPrintable(m_dialogos->Ultima().texto));
    QCOMPARE(m_dialogos->Ultima().titulo, QStringLiteral("ERROR DE DATOS"));
    QCOMPARE(m_dialogos->Ultima().icono, Icono::Critico);
    if (!existe)
        QVERIFY(m_dialogos->Ultima().texto.contains(QStringLiteral("\nCodigo: ")));
    SigueConSusDatos();
}

void TestRestauracion::copiaBuena()
{
    const QString copia = CopiaBuena(m_otra.path());
    const QByteArray huellaCopia = Huella(copia);
    m_dialogos->archivos << copia;
    m_dialogos->respuestas << true;
    m_ventana->RestaurarCopia();
    QCOMPARE(m_dialogos->llamadas.size(), 3);
    QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("Restauración de la base de datos terminada."));

    // The operating file is now the copy, open, in the same place; the copy itself is untouched.
    QCOMPARE(Huella(copia), huellaCopia);
    QVERIFY(m_base->bd().EstaAbierta());
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
    QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("No hay ninguna empresa registrada."));
    cbo->setCurrentIndex(1);
    QCOMPARE(m_ventana->EmpresaActual()->Nombre(), QStringLiteral("Copia B"));
}

QTEST_MAIN(TestRestauracion)
#include "tst_restauracion.moc"
