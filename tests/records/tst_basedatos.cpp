// SPDX-License-Identifier: GPL-3.0-or-later
// The database file: a fresh copy of the template, the connection layer and the schema's own rules.
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "support/BasePrueba.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBaseDatos : public QObject
{
    Q_OBJECT
private slots:
    void plantillaNueva()
    {
        BasePrueba base;
        QVERIFY(base.Valida());
        const QList<QPair<const char*, int>> filas = {
            {"categorias", 36}, {"rubros", 438}, {"provincias", 25}, {"localidades", 20851}, {"parametros", 1},
            {"empresas", 0}, {"empleados", 0}, {"liquidaciones", 0}, {"liquidaciones_empl", 0}};
        for (const auto& [tabla, cantidad] : filas)
            QCOMPARE(base.Contar(QStringLiteral("select count(*) from ") + tabla), cantidad);
        QCOMPARE(ParamPorcentajeDos, 2.0);
        QCOMPARE(ParamPorcentajeFcm, 2.0);
        QCOMPARE(ParamImporteCta, 2.0);
        Conexion& bd = base.bd();
        QCOMPARE(bd.ValorEscalar("select descripcion from categorias where codigo = '001'").toString(), QStringLiteral("Jubilado"));
        QCOMPARE(bd.ValorEscalar("select descripcion from categorias where codigo = '000'").toString(), QStringLiteral("Sin Categoria"));
        QCOMPARE(bd.ValorEscalar("select provincia from provincias where idprovincia = 4").toString(), QStringLiteral("CÓRDOBA"));
        QCOMPARE(base.Contar("select count(*) from localidades where codigo = '1602' and idprovincia = 2 "
                             "and localidad in ('ARISTOBULO DEL VALLE', 'FLORIDA')"), 2);
        QFile archivo(base.Archivo());
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        QCOMPARE(archivo.readAll(), DatosPlantilla());
    }

    void literalDeFechaSoloFueraDeComillas()
    {
        QCOMPARE(Conexion::TraducirSQL("update t set a = #3-7-2014#, b = 'it''s #3-7-2014#' where c = #12-31-2013#"),
                 QStringLiteral("update t set a = '2014-03-07', b = 'it''s #3-7-2014#' where c = '2013-12-31'"));
        QCOMPARE(Conexion::TraducirSQL("select #13-1-2000#"), QStringLiteral("select #13-1-2000#"));
    }

    void fechasYBooleanosGuardados()
    {
        BasePrueba base;
        Conexion& bd = base.bd();
        QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'A')"));
        const qint64 id = bd.UltimoId();
        QVERIFY(bd.Ejecutar(QString("insert into empleados (idempresa, cuil, ingreso, baja, afiliado, media) "
                                    "values (%1, '20-12345678-6', #3-7-2014#, #1-1-2500#, -1, 0)").arg(id)));
        Consulta c = bd.AbrirConsulta("select * from empleados");
        QVERIFY(c.Valida() && !c.Fin());
        QCOMPARE(c.Fecha("INGRESO"), QDate(2014, 3, 7));
        QCOMPARE(c.Fecha("baja"), FechaSinBaja());
        QVERIFY(c.Booleano("afiliado") && !c.Booleano("media"));
        QCOMPARE(c.Campo(2).toString(), QStringLiteral("20-12345678-6"));
        c.Siguiente();
        QVERIFY(c.Fin());
        QVERIFY(!c.Campo("cuil").isValid());

        // True is stored so that a descending order lists it first, as the slip lists need.
        for (int extra : {0, -1, 0})
            QVERIFY(bd.Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio, extraord) values (%1, 1, 2014, %2)")
                                    .arg(id).arg(extra)));
        QVERIFY(bd.Ejecutar("update liquidaciones set extraord = -1 where id = 1"));
        Consulta orden = bd.AbrirConsulta("select extraord from liquidaciones order by extraord desc, id");
        QList<bool> extra;
        for (; !orden.Fin(); orden.Siguiente())
            extra << orden.Booleano("extraord");
        QCOMPARE(extra, (QList<bool>{true, true, false}));
    }

    void reglasDelEsquema()
    {
        BasePrueba base;
        Conexion& bd = base.bd();
        QVERIFY(!bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-99', 'A')"));
        QVERIFY(!bd.UltimoError().isEmpty());
        QVERIFY(bd.UltimaSentencia().contains("30-12345678-99"));
        QVERIFY(bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', '" + QString(50, QChar(0xD1)) + "')"));
        QVERIFY(!bd.Ejecutar("update empresas set razonsocial = '" + QString(51, 'x') + "'"));
        QVERIFY(!bd.Ejecutar("insert into empresas (cuit, razonsocial) values ('30-12345678-9', 'B')"));
        QVERIFY(!bd.Ejecutar("insert into empleados (idempresa, cuil) values (0, '20-12345678-6')"));
        QCOMPARE(bd.UltimoCodigoError(), QStringLiteral("787"));
        QVERIFY(!bd.Ejecutar("insert into liquidaciones (idmatriz, mes, anio) values (99, 1, 2014)"));
        QCOMPARE(base.Contar("select count(*) from empresas"), 1);
    }

    void borrarEmpresaBorraTodoLoSuyo()
    {
        BasePrueba base;
        Conexion& bd = base.bd();
        QVERIFY(bd.Ejecutar("insert into empresas (cuit) values ('30-12345678-9')"));
        const qint64 a = bd.UltimoId();
        QVERIFY(bd.Ejecutar("insert into empresas (cuit) values ('30-11111111-9')"));
        for (qint64 id : {a, a, bd.UltimoId()})
            QVERIFY(bd.Ejecutar(QString("insert into empleados (idempresa, cuil) values (%1, 'x')").arg(id)));
        QVERIFY(bd.Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio) values (%1, 3, 2014)").arg(a)));
        const qint64 liq = bd.UltimoId();
        for (int i = 0; i < 3; ++i)
            QVERIFY(bd.Ejecutar(QString("insert into liquidaciones_empl (idliquidacion, idempleado) values (%1, 1)").arg(liq)));
        QVERIFY(bd.Ejecutar(QString("delete from empresas where id = %1").arg(a)));
        QCOMPARE(base.Contar("select count(*) from empleados"), 1);
        QCOMPARE(base.Contar("select count(*) from liquidaciones"), 0);
        QCOMPARE(base.Contar("select count(*) from liquidaciones_empl"), 0);
    }

    void baseCerradaInexistenteOIlegible()
    {
        Conexion bd;
        QVERIFY(!bd.Ejecutar("delete from empresas"));
        QVERIFY(!bd.AbrirConsulta("select * from empresas").Valida());
        QVERIFY(!bd.UltimoError().isEmpty());
        QTemporaryDir carpeta;
        QVERIFY(!bd.Abrir(carpeta.filePath("no-existe.fys")));
        QVERIFY(!QFile::exists(carpeta.filePath("no-existe.fys"))); // opening never creates a file

        QFile texto(carpeta.filePath("talvo.fys"));
        QVERIFY(texto.open(QIODevice::WriteOnly));
        texto.write(QByteArray("esto no es una base de datos\n").repeated(200));
        texto.close();
        QVERIFY(!bd.Abrir(texto.fileName()));
        QVERIFY(!bd.EstaAbierta());
        QVERIFY(CrearBaseSiFalta(texto.fileName())); // an existing file is never overwritten
        QCOMPARE(QFileInfo(texto.fileName()).size(), qint64(29 * 200));
    }
};

QTEST_GUILESS_MAIN(TestBaseDatos)
#include "tst_basedatos.moc"
