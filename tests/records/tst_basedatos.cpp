// SPDX-License-Identifier: GPL-3.0-or-later
// The database file: a fresh copy of the template, the connection layer and the schema's own rules.
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "support/BasePrueba.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBaseDatos : public QObject
{
    Q_OBJECT
private slots:
    void plantillaNueva();
    void categoriasPorCodigo();
    void localidadesPorCodigoPostal();
    void literalDeFechaSoloFueraDeComillas();
    void fechasYBooleanosGuardados();
    void booleanosVerdaderosPrimeroEnOrdenDescendente();
    void textoDemasiadoLargoRechazado();
    void claveForaneaYCuitUnico();
    void borrarEmpresaBorraTodoLoSuyo();
    void baseCerradaOInexistente();
    void archivoQueNoEsBase();
    void archivoExistenteNuncaSeSobrescribe();
};

void TestBaseDatos::plantillaNueva()
{
    BasePrueba base;
    QVERIFY(base.Valida());
    QCOMPARE(base.Contar("select count(*) from categorias"), 36);
    QCOMPARE(base.Contar("select count(*) from rubros"), 438);
    QCOMPARE(base.Contar("select count(*) from provincias"), 25);
    QCOMPARE(base.Contar("select count(*) from localidades"), 20851);
    QCOMPARE(base.Contar("select count(*) from parametros"), 1);
    QCOMPARE(base.Contar("select count(*) from empresas"), 0);
    QCOMPARE(base.Contar("select count(*) from empleados"), 0);
    QCOMPARE(base.Contar("select count(*) from liquidaciones"), 0);
    QCOMPARE(base.Contar("select count(*) from liquidaciones_empl"), 0);
    QCOMPARE(ParamPorcentajeDos, 2.0);
    QCOMPARE(ParamPorcentajeFcm, 2.0);
    QCOMPARE(ParamImporteCta, 2.0);
    QCOMPARE(base.bd().ValorEscalar("select provincia from provincias where idprovincia = 4").toString(),
             QStringLiteral("CÓRDOBA"));
    QCOMPARE(base.bd().ValorEscalar("select provincia from provincias where idprovincia = 25").toString(),
             QStringLiteral("NO ESPECIFICADA"));
    QCOMPARE(base.bd().ValorEscalar("pragma foreign_keys").toInt(), 1);
    QFile archivo(base.Archivo());
    QVERIFY(archivo.open(QIODevice::ReadOnly));
    QCOMPARE(archivo.readAll(), DatosPlantilla());
}

void TestBaseDatos::categoriasPorCodigo()
{
    BasePrueba base;
    QCOMPARE(base.bd().ValorEscalar("select descripcion from categorias where codigo = '001'").toString(),
             QStringLiteral("Jubilado"));
    QCOMPARE(base.bd().ValorEscalar("select descripcion from categorias where codigo = '000'").toString(),
             QStringLiteral("Sin Categoria"));
    QCOMPARE(base.bd().ValorEscalar("select descripcion from categorias where id = 0").toString(),
             QStringLiteral("Administrativo 'B'"));
}

void TestBaseDatos::localidadesPorCodigoPostal()
{
    BasePrueba base;
    Consulta c = base.bd().AbrirConsulta("select localidad from localidades where codigo = '1602' and idprovincia = 2 "
                                         "order by localidad");
    QStringList nombres;
    for (; !c.Fin(); c.Siguiente())
        nombres << c.Texto("Localidad");
    QVERIFY(nombres.contains("ARISTOBULO DEL VALLE"));
    QVERIFY(nombres.contains("FLORIDA"));
}

void TestBaseDatos::literalDeFechaSoloFueraDeComillas()
{
    QCOMPARE(Conexion::TraducirSQL("update t set a = #3-7-2014#, b = '#3-7-2014#' where c = #12-31-2013#"),
             QStringLiteral("update t set a = '2014-03-07', b = '#3-7-2014#' where c = '2013-12-31'"));
    QCOMPARE(Conexion::TraducirSQL("select 'it''s #1-1-2000#', #1-1-2500#"),
             QStringLiteral("select 'it''s #1-1-2000#', '2500-01-01'"));
    // Not a date: left as written, and the engine refuses it.
    QCOMPARE(Conexion::TraducirSQL("select #13-1-2000#"), QStringLiteral("select #13-1-2000#"));
}

void TestBaseDatos::fechasYBooleanosGuardados()
{
    BasePrueba base;
    Conexion& bd = base.bd();
    QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial, fechainicio, fisica) values ('30-12345678-9', 'A', "
                        + FechaSQL(QDate(2014, 3, 7)) + ", -1)"));
    const qint64 id = bd.UltimoId();
    QVERIFY(id > 0);
    QVERIFY(bd.Ejecutar(QString("insert into empleados (idempresa, cuil, ingreso, baja, afiliado, media) "
                                "values (%1, '20-12345678-6', #3-7-2014#, #1-1-2500#, -1, 0)").arg(id)));
    Consulta c = bd.AbrirConsulta("select * from empleados");
    QVERIFY(c.Valida());
    QVERIFY(!c.Fin());
    QCOMPARE(c.Fecha("INGRESO"), QDate(2014, 3, 7));
    QCOMPARE(c.Fecha("baja"), FechaSinBaja());
    QCOMPARE(c.Booleano("afiliado"), true);
    QCOMPARE(c.Booleano("media"), false);
    QCOMPARE(c.Campo(2).toString(), QStringLiteral("20-12345678-6")); // by position
    c.Siguiente();
    QVERIFY(c.Fin());
    QVERIFY(!c.Campo("cuil").isValid());
}

void TestBaseDatos::booleanosVerdaderosPrimeroEnOrdenDescendente()
{
    BasePrueba base;
    Conexion& bd = base.bd();
    QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'A')"));
    const qint64 id = bd.UltimoId();
    for (int extra : {0, -1, 0, -1})
        QVERIFY(bd.Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio, extraord) values (%1, 1, 2014, %2)")
                                .arg(id)
                                .arg(extra)));
    QVERIFY(bd.Ejecutar("update liquidaciones set extraord = -1 where id = 1"));
    Consulta c = bd.AbrirConsulta(QString("select extraord from liquidaciones where idmatriz = %1 "
                                          "order by extraord desc, anio, mes").arg(id));
    QList<bool> orden;
    for (; !c.Fin(); c.Siguiente())
        orden << c.Booleano("extraord");
    QCOMPARE(orden, (QList<bool>{true, true, true, false}));
}

void TestBaseDatos::textoDemasiadoLargoRechazado()
{
    BasePrueba base;
    Conexion& bd = base.bd();
    QVERIFY(!bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-99', 'A')"));
    QVERIFY(!bd.UltimoError().isEmpty());
    QVERIFY(bd.UltimaSentencia().contains("30-12345678-99"));
    QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', '"
                        + QString(50, QChar(0x00D1)) + "')"));
    QVERIFY(!bd.Ejecutar("update empresas set razonsocial = '" + QString(51, 'x') + "'"));
    QCOMPARE(base.Contar("select count(*) from empresas"), 1);
}

void TestBaseDatos::claveForaneaYCuitUnico()
{
    BasePrueba base;
    Conexion& bd = base.bd();
    QVERIFY(!bd.Ejecutar("insert into empleados (idempresa, cuil) values (0, '20-12345678-6')"));
    QCOMPARE(bd.UltimoCodigoError(), QStringLiteral("787"));
    QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'A')"));
    QVERIFY(!bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'B')"));
    QVERIFY(!bd.Ejecutar("insert into liquidaciones (idmatriz, mes, anio) values (99, 1, 2014)"));
}

void TestBaseDatos::borrarEmpresaBorraTodoLoSuyo()
{
    BasePrueba base;
    Conexion& bd = base.bd();
    QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'A')"));
    const qint64 a = bd.UltimoId();
    QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-11111111-9', 'B')"));
    const qint64 b = bd.UltimoId();
    for (qint64 id : {a, a, b})
        QVERIFY(bd.Ejecutar(QString("insert into empleados (idempresa, cuil) values (%1, 'x')").arg(id)));
    QVERIFY(bd.Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio) values (%1, 3, 2014)").arg(a)));
    const qint64 liq = bd.UltimoId();
    for (int i = 0; i < 3; ++i)
        QVERIFY(bd.Ejecutar(QString("insert into liquidaciones_empl (idliquidacion, idempleado) values (%1, 1)").arg(liq)));

    QVERIFY(bd.Ejecutar(QString("delete from empresas where id = %1").arg(a)));
    QCOMPARE(base.Contar(QString("select count(*) from empleados where idempresa = %1").arg(a)), 0);
    QCOMPARE(base.Contar(QString("select count(*) from liquidaciones where idmatriz = %1").arg(a)), 0);
    QCOMPARE(base.Contar("select count(*) from liquidaciones_empl"), 0);
    QCOMPARE(base.Contar("select count(*) from empleados"), 1);
}

void TestBaseDatos::baseCerradaOInexistente()
{
    Conexion bd;
    QVERIFY(!bd.Ejecutar("delete from empresas"));
    QVERIFY(!bd.AbrirConsulta("select * from empresas").Valida());
    QVERIFY(bd.AbrirConsulta("select * from empresas").Fin());
    QVERIFY(!bd.UltimoError().isEmpty());
    QTemporaryDir carpeta;
    QVERIFY(!bd.Abrir(carpeta.filePath("no-existe.fys")));
    QVERIFY(!QFile::exists(carpeta.filePath("no-existe.fys"))); // opening never creates a file
    QVERIFY(!bd.EstaAbierta());
}

void TestBaseDatos::archivoQueNoEsBase()
{
    QTemporaryDir carpeta;
    QFile texto(carpeta.filePath("texto.fys"));
    QVERIFY(texto.open(QIODevice::WriteOnly));
    texto.write(QByteArray("esto no es una base de datos, sino un texto cualquiera\n").repeated(100));
    texto.close();
    Conexion bd;
    QVERIFY(!bd.Abrir(texto.fileName()));
    QVERIFY(!bd.EstaAbierta());
    QVERIFY(!bd.UltimoError().isEmpty());
}

void TestBaseDatos::archivoExistenteNuncaSeSobrescribe()
{
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath("talvo.fys");
    QFile f(archivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("mío");
    f.close();
    QVERIFY(CrearBaseSiFalta(archivo));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("mío"));
}

QTEST_GUILESS_MAIN(TestBaseDatos)
#include "tst_basedatos.moc"
