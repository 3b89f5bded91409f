// SPDX-License-Identifier: GPL-3.0-or-later
// Keyed collections: positions, keys, duplicates, totals, loading and deleting companies.
#include "liquidation/Liquidacion.h"
#include "records/Empleado.h"
#include "records/ListaEmpleados.h"
#include "records/ListaEmpresas.h"
#include "records/Liquidaciones.h"
#include "support/BasePrueba.h"

#include <QTest>

namespace {
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

QSharedPointer<Empresa> Guardada(Conexion& bd, const QString& cuit, const QString& nombre)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre(nombre);
    emp->setCalle("Calle");
    emp->setNumero("1");
    emp->setCalleLegal("Calle");
    emp->setNumeroLegal("1");
    emp->setLocalidad("FLORIDA");
    emp->setCodPost("1602");
    emp->setCodRubro("523110");
    return emp->Grabar(bd) ? emp : nullptr;
}
} // namespace

class TestColecciones : public QObject
{
    Q_OBJECT
private slots:
    void clavesYPosiciones();
    void quitarYVaciar();
    void totalesDeEmpleados();
    void liquidacionesPorId();
    void leerYBorrarEmpresas();
};

void TestColecciones::clavesYPosiciones()
{
    ListaEmpleados lista;
    auto a = Persona("A", 1, false);
    auto b = Persona("B", 2, false);
    auto otraA = Persona("a", 3, false);
    QCOMPARE(lista.Add(a, "A"), a);
    lista.Add(b, "B");
    lista.Add(otraA, "a"); // same key in other letter case: ignored, no error
    QCOMPARE(lista.Count(), 2);
    QCOMPARE(lista.Item("A"), a);
    QCOMPARE(lista.Item("a"), a);
    QCOMPARE(lista.Item(1), a);
    QCOMPARE(lista[2], b);
    QVERIFY(lista.Item(0).isNull());
    QVERIFY(lista.Item(3).isNull());
    QVERIFY(lista.Item("Z").isNull());
    lista.Add(Persona("sin clave", 4, false)); // no key: always added
    QCOMPARE(lista.Count(), 3);
    QStringList orden;
    for (const auto& e : lista)
        orden << e->CUIL();
    QCOMPARE(orden, (QStringList{"A", "B", "sin clave"}));
}

void TestColecciones::quitarYVaciar()
{
    ListaEmpleados lista;
    for (const char* c : {"A", "B", "C"})
        lista.Add(Persona(c, 1, false), c);
    QVERIFY(lista.Remove("b"));
    QVERIFY(!lista.Contiene("B"));
    QCOMPARE(lista.Item(2)->CUIL(), QStringLiteral("C"));
    QVERIFY(!lista.Remove(5));
    QVERIFY(!lista.Remove("B"));
    QVERIFY(lista.Remove(1));
    QCOMPARE(lista.Item("C"), lista.Item(1));
    lista.Add(Persona("B", 1, false), "B"); // the key is free again
    QCOMPARE(lista.Count(), 2);
    lista.Clear();
    QCOMPARE(lista.Count(), 0);
    QVERIFY(lista.Item("C").isNull());
}

void TestColecciones::totalesDeEmpleados()
{
    ListaEmpleados lista;
    QCOMPARE(lista.TotalAPagar(), 0.0);
    lista.Add(Persona("20-12345678-6", 10000, true), "20-12345678-6");
    lista.Add(Persona("27-12345678-0", 5000, false), "27-12345678-0");
    QCOMPARE(lista.Aporte2(), 300.0);
    QCOMPARE(lista.FCM(), 200.0);
    QCOMPARE(lista.CuotaSindical(), 150.0);
    QCOMPARE(lista.TotalAPagar(), 500.0);
    Liquidacion junio;
    junio.setMes(6);
    junio.setAnio(2014);
    QCOMPARE(lista.CuotaSindicalL(junio), 225.0);
    QCOMPARE(lista.Aporte2L(junio), 300.0);
    QCOMPARE(lista.FCML(junio), 200.0);
}

void TestColecciones::liquidacionesPorId()
{
    Liquidaciones lista;
    auto uno = QSharedPointer<Liquidacion>::create();
    uno->setIdLiquidacion(12);
    lista.Add(uno, QString::number(uno->IdLiquidacion()));
    lista.Add(QSharedPointer<Liquidacion>::create(), "12");
    QCOMPARE(lista.Count(), 1);
    QCOMPARE(lista.Item("12"), uno);
}

void TestColecciones::leerYBorrarEmpresas()
{
    BasePrueba base;
    ListaEmpresas empresas;
    QVERIFY(empresas.LeerEmpresas(base.bd()));
    QCOMPARE(empresas.Count(), 0);

    auto a = Guardada(base.bd(), "30-12345678-9", "Primera");
    auto b = Guardada(base.bd(), "30-11111111-9", "Segunda");
    QVERIFY(a && b);
    Empleado e;
    e.setEmpresa(a);
    e.setNombre("Gómez");
    e.setCUIL("20-12345678-6");
    QVERIFY(e.Grabar(base.bd()));
    QVERIFY(base.bd().Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio) values (%1, 3, 2014)").arg(a->IdEmpresa())));
    QVERIFY(base.bd().Ejecutar(QString("insert into liquidaciones_empl (idliquidacion, idempleado) values (%1, %2)")
                                   .arg(base.bd().UltimoId())
                                   .arg(e.IdEmpleado())));

    QVERIFY(empresas.LeerEmpresas(base.bd()));
    QCOMPARE(empresas.Count(), 2);
    QCOMPARE(empresas.Item(1)->Nombre(), QStringLiteral("Primera"));
    QCOMPARE(empresas.Item(2)->Nombre(), QStringLiteral("Segunda"));
    QCOMPARE(empresas.Item("30-11111111-9")->IdEmpresa(), b->IdEmpresa());

    QVERIFY(empresas.BorrarEmpresa(base.bd(), *empresas.Item(1)));
    QCOMPARE(empresas.Count(), 1);
    QCOMPARE(empresas.Item(1)->Nombre(), QStringLiteral("Segunda"));
    QCOMPARE(base.Contar("select count(*) from empresas"), 1);
    QCOMPARE(base.Contar("select count(*) from empleados"), 0);
    QCOMPARE(base.Contar("select count(*) from liquidaciones"), 0);
    QCOMPARE(base.Contar("select count(*) from liquidaciones_empl"), 0);
}

QTEST_GUILESS_MAIN(TestColecciones)
#include "tst_colecciones.moc"
