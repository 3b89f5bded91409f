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
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray Huella(const QString& archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

bool Escribir(const QString& archivo, const QByteArray& datos)
{
    QFile f(archivo);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}

/// Runs statements on a new SQLite file (not through the program's connection).
bool BaseAjena(const QString& archivo, const QStringList& sentencias)
{
    bool correcto = true;
    {
        QSqlDatabase bd = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ajena"));
        bd.setDatabaseName(archivo);
        correcto = bd.open();
        QSqlQuery q(bd);
        for (const QString& sql : sentencias)
            correcto = correcto && q.exec(sql);
        bd.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("ajena"));
    return correcto;
}

/// A backup made by this program: the template with two companies of its own.
QString CopiaBuena(const QString& carpeta)
{
    const QString archivo = QDir(carpeta).filePath(QStringLiteral("copia.fys"));
    QFile::remove(archivo);
    if (!CrearBaseSiFalta(archivo))
        return QString();
    Conexion bd;
    const bool ok = bd.Abrir(archivo)
        && bd.Ejecutar(QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-00000007-0', 'Copia A')"))
        && bd.Ejecutar(QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-00000008-0', 'Copia B')"));
    bd.Cerrar();
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

    void cancelar();
    void desdeLaOperativa();
    void responderNo();
    void copiaInvalida_data();
    void copiaInvalida();
    void copiaBuena();

private:
    /// The window works on its own single company and nothing was lost.
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
    QVERIFY(m_base->Valida());
    QVERIFY(m_base->bd().Ejecutar(
        QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-00000001-0', 'Propia SA')")));
    GrabarParametro(QStringLiteral("ULTIMAEMPRESA"), QStringLiteral("0"));
    QVERIFY(QDir(m_base->Carpeta()).mkdir(QStringLiteral("backkestral")));
    m_dialogos = std::make_unique<DialogosPrueba>();
    m_ventana = std::make_unique<frmPadre>(*m_dialogos);
    QVERIFY(m_ventana->EmpresaActual());
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
    QCOMPARE(QDir(m_base->Carpeta()).entryList(QDir::Files), QStringList{"talvo.fys"}); // no temporary left
}

void TestRestauracion::cancelar()
{
    m_dialogos->archivos << QString();
    m_ventana->findChild<QAction*>(QStringLiteral("mnuRestaurar"))->trigger();
    QCOMPARE(m_dialogos->llamadas.size(), 1);
    const auto dialogo = m_dialogos->Ultima();
    QCOMPARE(dialogo.tipo, QStringLiteral("abrir"));
    QCOMPARE(dialogo.titulo, QStringLiteral("Selección de base de datos para restauración."));
    QCOMPARE(dialogo.texto, QStringLiteral("*.fys"));
    QCOMPARE(dialogo.extra, QDir(m_base->Carpeta()).filePath("backkestral") + "|Bases de datos KESTRAL (*.fys)");
    SigueConSusDatos();
}

void TestRestauracion::desdeLaOperativa()
{
    m_dialogos->archivos << m_base->Carpeta() + QStringLiteral("/backkestral/../talvo.fys");
    m_ventana->RestaurarCopia();
    QCOMPARE(m_dialogos->llamadas.size(), 2);
    QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("No se puede restaurar desde la base de datos operativa"));
    QCOMPARE(m_dialogos->Ultima().titulo, QStringLiteral("ERROR"));
    QCOMPARE(m_dialogos->Ultima().icono, Icono::Critico);
    SigueConSusDatos();
}

void TestRestauracion::responderNo()
{
    const QString copia = CopiaBuena(m_otra.path());
    m_dialogos->archivos << copia;
    m_dialogos->respuestas << false;
    m_ventana->RestaurarCopia();
    QCOMPARE(m_dialogos->llamadas.size(), 2);
    QCOMPARE(m_dialogos->Ultima().texto,
             QStringLiteral("¿Seguro que desea restaurar la base de datos operativa desde %1?").arg(copia));
    QCOMPARE(m_dialogos->Ultima().titulo, QStringLiteral("RESTAURAR"));
    QCOMPARE(m_dialogos->Ultima().icono, Icono::Pregunta);
    SigueConSusDatos();
}

void TestRestauracion::copiaInvalida_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("mensaje");
    const QString noEsBase = QStringLiteral("El archivo seleccionado no es una base de datos.");
    const QString incorrecta = QStringLiteral("La base de datos seleccionada no es correcta.");
    QTest::newRow("texto con nombre .fys") << "texto" << noEsBase;
    QTest::newRow("archivo vacío") << "vacio" << noEsBase;
    QTest::newRow("base de otro programa") << "ajena" << incorrecta;
    QTest::newRow("empresas sin las demás tablas") << "solo empresas" << incorrecta;
    QTest::newRow("le falta una columna") << "sin columna" << incorrecta;
    QTest::newRow("copia cortada") << "cortada" << incorrecta;
    QTest::newRow("bytes sobrescritos") << "sobrescrita" << incorrecta;
    QTest::newRow("no se puede leer") << "inexistente" << "Se ha producido un error.";
}

void TestRestauracion::copiaInvalida()
{
    QFETCH(QString, caso);
    QFETCH(QString, mensaje);
    const QString archivo = QDir(m_otra.path()).filePath(caso + QStringLiteral(".fys"));
    QFile::remove(archivo);
    const QByteArray plantilla = DatosPlantilla();
    if (caso == QLatin1String("texto")) {
        QVERIFY(Escribir(archivo, "CUIT;RAZON SOCIAL\r\n30-00000001-0;Propia SA\r\n"));
    } else if (caso == QLatin1String("vacio")) {
        QVERIFY(Escribir(archivo, QByteArray()));
    } else if (caso == QLatin1String("ajena")) {
        QVERIFY(BaseAjena(archivo, {"create table clientes (id integer primary key, nombre text)",
                                    "insert into clientes (nombre) values ('Juan')"}));
    } else if (caso == QLatin1String("solo empresas")) {
        QVERIFY(BaseAjena(archivo, {"create table empresas (cuit text, razonsocial text)"}));
    } else if (caso == QLatin1String("sin columna")) {
        QVERIFY(Escribir(archivo, plantilla));
        QVERIFY(BaseAjena(archivo, {"alter table empleados rename column media to mitad"}));
    } else if (caso == QLatin1String("cortada")) {
        QVERIFY(Escribir(archivo, plantilla.left(plantilla.size() / 2)));
    } else if (caso == QLatin1String("sobrescrita")) {
        QByteArray danada = plantilla;
        for (qsizetype i = 4096; i < danada.size(); i += 4096) // a stretch of every page after the first
            danada.replace(i + 8, 64, QByteArray(64, '\xA5'));
        QVERIFY(Escribir(archivo, danada));
    }
    m_dialogos->archivos << archivo;
    m_dialogos->respuestas << true;
    m_ventana->RestaurarCopia();
    QCOMPARE(m_dialogos->llamadas.size(), 3);
    QVERIFY2(m_dialogos->Ultima().texto.startsWith(mensaje), qPrintable(m_dialogos->Ultima().texto));
    QCOMPARE(m_dialogos->Ultima().titulo, QStringLiteral("ERROR DE DATOS"));
    QCOMPARE(m_dialogos->Ultima().icono, Icono::Critico);
    if (caso == QLatin1String("inexistente"))
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
    QCOMPARE(m_dialogos->Ultima().titulo, QStringLiteral("INFORMACION"));
    QCOMPARE(m_dialogos->Ultima().icono, Icono::Informacion);

    // The operating file is now the copy, open, in the same place; the copy itself is untouched.
    QCOMPARE(Huella(copia), huellaCopia);
    QVERIFY(m_base->bd().EstaAbierta());
    QCOMPARE(m_base->bd().Archivo(), m_base->Archivo());
    QCOMPARE(m_base->Contar(QStringLiteral("select count(*) from empresas")), qint64(2));
    QCOMPARE(QDir(m_base->Carpeta()).entryList(QDir::Files), QStringList{"talvo.fys"});
    QCOMPARE(ParamPorcentajeDos, 2.0);

    // The window shows the restored companies, with none chosen.
    auto* cbo = m_ventana->findChild<QComboBox*>(QStringLiteral("cboEmpresas"));
    QCOMPARE(cbo->count(), 2);
    QCOMPARE(cbo->itemText(0), QStringLiteral("Copia A"));
    QCOMPARE(cbo->currentIndex(), -1);
    QVERIFY(m_ventana->EmpresaActual().isNull());
    m_ventana->NuevaBoletaNormal();
    QCOMPARE(m_dialogos->Ultima().texto, QStringLiteral("No hay ninguna empresa registrada."));
    cbo->setCurrentIndex(1);
    QCOMPARE(m_ventana->EmpresaActual()->Nombre(), QStringLiteral("Copia B"));
}

QTEST_MAIN(TestRestauracion)
#include "tst_restauracion.moc"
