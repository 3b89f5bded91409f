// SPDX-License-Identifier: GPL-3.0-or-later
// Companies and the keyed collections: validation, storage, employee lists, loading and deleting.
#include "liquidation/Liquidacion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/ListaEmpleados.h"
#include "records/ListaEmpresas.h"
#include "support/BasePrueba.h"
#include "support/Entorno.h"

#include <QTest>

namespace {
QSharedPointer<Empresa> Completa(const QString& cuit = QStringLiteral("30-12345678-9"))
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre("D'Angelo S.A.");
    emp->setCalle("Av. de Mayo");
    emp->setNumero("1234");
    emp->setCalleLegal("Rivadavia");
    emp->setNumeroLegal("55");
    emp->setCodPost("1602");
    emp->setLocalidad("FLORIDA");
    emp->setCodRubro("523110");
    emp->setSocio2("Ana Núñez");
    emp->setFechaInicio(QDate(2001, 5, 17));
    emp->setFisica(true);
    emp->setSucursales(3);
    return emp;
}

QSharedPointer<Empleado> Persona(const QString& cuil, double haberes, bool afiliado)
{
    auto e = QSharedPointer<Empleado>::create();
    e->setCUIL(cuil);
    e->setNombre(cuil);
    e->setHaberes(haberes);
    e->setAfiliado(afiliado);
    e->setParam2(0.02);
    e->setParamFCM(0.02);
    e->setParamCuotaSindical(150);
    return e;
}
} // namespace

class TestEmpresa : public QObject
{
    Q_OBJECT
private slots:
    void validarExigeLosCamposObligatorios()
    {
        BasePrueba base;
        const QList<void (Empresa::*)(const QString&)> obligatorios = {
            &Empresa::setLocalidad, &Empresa::setNombre, &Empresa::setCalle, &Empresa::setNumero,
            &Empresa::setCalleLegal, &Empresa::setNumeroLegal, &Empresa::setCUIT, &Empresa::setCodPost,
            &Empresa::setCodRubro};
        for (auto vaciar : obligatorios) {
            auto emp = Completa();
            (emp.data()->*vaciar)(QString());
            QVERIFY(!emp->Validar());
            QVERIFY(!emp->Grabar(base.bd()));
            QVERIFY(emp->Nueva());
        }
        QCOMPARE(base.Contar("select count(*) from empresas"), 0);
    }

    void grabarLeerYVolverAGrabar()
    {
        BasePrueba base;
        auto emp = Completa();
        QVERIFY(emp->Grabar(base.bd()));
        QVERIFY(!emp->Nueva());
        const qint64 id = emp->IdEmpresa();
        QVERIFY(id > 0); // learnt on insert, so the next save updates this row
        emp->setNombreComercial("Almacén D'Angelo");
        QVERIFY(emp->Grabar(base.bd()));
        QCOMPARE(emp->IdEmpresa(), id);
        QCOMPARE(base.Contar("select count(*) from empresas"), 1);

        Empresa leida;
        QVERIFY(leida.Leer(base.bd(), id));
        QCOMPARE(leida.Nombre(), QStringLiteral("D'Angelo S.A."));
        QCOMPARE(leida.NombreComercial(), QStringLiteral("Almacén D'Angelo"));
        QCOMPARE(leida.Socio2(), QStringLiteral("Ana Núñez"));
        QCOMPARE(leida.CalleLegal(), emp->CalleLegal());
        QCOMPARE(leida.FechaInicio(), QDate(2001, 5, 17));
        QVERIFY(leida.Fisica());
        QCOMPARE(leida.Sucursales(), 3);
        QVERIFY(!leida.Leer(base.bd(), 42));
        QCOMPARE(leida.IdEmpresa(), id);

        QVERIFY(!Completa()->Grabar(base.bd())); // duplicate CUIT
        auto larga = Completa("30-11111111-9");
        larga->setNombre(QString(51, 'x'));
        QVERIFY(!larga->Grabar(base.bd()));
        QCOMPARE(base.Contar("select count(*) from empresas"), 1);
    }

    void fechaFaltanteYFilaBorrada()
    {
        BasePrueba base;
        LocalPrueba arabe(QLocale(QLocale::Arabic, QLocale::Egypt)); // SQL text never takes the locale's digits
        QVERIFY(base.bd().Ejecutar("insert into empresas (cuit, razonsocial, calle, numero, callel, numerol, "
                                   "codpost, localidad, codrubro) values ('30-12345678-9', 'Sin Fecha', 'C', '1', "
                                   "'C', '1', '1602', 'FLORIDA', '523110')"));
        // A company stored without a start date reads it as missing and can be saved again.
        Empresa leida;
        QVERIFY(leida.Leer(base.bd(), base.bd().UltimoId()));
        QVERIFY(!leida.FechaInicio().isValid());
        leida.setTelefonos("4555-1234");
        QVERIFY2(leida.Grabar(base.bd()), qPrintable(base.bd().UltimoError()));
        QVERIFY(base.bd().ValorEscalar("select fechainicio from empresas").isNull());

        // A save of a company deleted meanwhile fails instead of reporting success for nothing.
        QVERIFY(base.bd().Ejecutar("delete from empresas"));
        QVERIFY(!leida.Grabar(base.bd()));
        QVERIFY(!base.bd().UltimoError().isEmpty());
        QCOMPARE(base.Contar("select count(*) from empresas"), 0);
    }

    void clavesPosicionesYTotales()
    {
        ListaEmpleados lista;
        QCOMPARE(lista.TotalAPagar(), 0.0);
        auto a = Persona("A", 10000, true);
        lista.Add(a, "A");
        lista.Add(Persona("B", 5000, false), "B");
        lista.Add(Persona("a", 1, true), "a"); // same key in other letter case: ignored, no error
        QCOMPARE(lista.Count(), 2);
        QCOMPARE(lista.Item("a"), a);
        QCOMPARE(lista.Item(1), a);
        QVERIFY(lista.Item(3).isNull() && lista.Item("Z").isNull());
        QCOMPARE(lista.Aporte2(), 300.0);
        QCOMPARE(lista.FCM(), 200.0);
        QCOMPARE(lista.CuotaSindical(), 150.0);
        QCOMPARE(lista.TotalAPagar(), 500.0);
        Liquidacion junio;
        junio.setMes(6);
        junio.setAnio(2014);
        QCOMPARE(lista.CuotaSindicalL(junio), 225.0);

        QVERIFY(lista.Remove("A"));
        QVERIFY(!lista.Remove("A"));
        QCOMPARE(lista.Item(1)->CUIL(), QStringLiteral("B"));
        lista.Add(a, "A"); // the key is free again
        QStringList orden;
        for (const auto& e : lista)
            orden << e->CUIL();
        QCOMPARE(orden, (QStringList{"B", "A"}));
        lista.Clear();
        QCOMPARE(lista.Count(), 0);
    }

    void leerCargarYBorrarEmpresas()
    {
        BasePrueba base;
        ListaEmpresas empresas;
        QVERIFY(empresas.LeerEmpresas(base.bd()));
        QCOMPARE(empresas.Count(), 0);
        auto a = Completa();
        auto b = Completa("30-11111111-9");
        b->setNombre("Segunda");
        QVERIFY(a->Grabar(base.bd()) && b->Grabar(base.bd()));
        Empleado e;
        e.setEmpresa(a);
        e.setNombre("Gómez");
        e.setCUIL("20-12345678-6");
        QVERIFY(e.Grabar(base.bd()));
        QVERIFY(a->CargarListaEmpleados(base.bd()));
        QVERIFY(a->CargarListaEmpleados(base.bd())); // reloading empties the list first
        QCOMPARE(a->ListaBaseEmpleados().Count(), 1);
        QCOMPARE(a->ListaBaseEmpleados().Item(QStringLiteral("20-12345678-6"))->Empresa(), a);
        QVERIFY(base.bd().Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio) values (%1, 3, 2014)").arg(a->IdEmpresa())));

        QVERIFY(empresas.LeerEmpresas(base.bd()));
        QCOMPARE(empresas.Count(), 2);
        QCOMPARE(empresas.Item(2)->Nombre(), QStringLiteral("Segunda"));
        QVERIFY(empresas.BorrarEmpresa(base.bd(), *empresas.Item("30-12345678-9")));
        QCOMPARE(empresas.Count(), 1);
        QCOMPARE(base.Contar("select count(*) from empleados"), 0);
        QCOMPARE(base.Contar("select count(*) from liquidaciones"), 0);
    }
};

QTEST_GUILESS_MAIN(TestEmpresa)
#include "tst_empresa.moc"
