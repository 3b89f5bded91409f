// SPDX-License-Identifier: GPL-3.0-or-later
// Numbering of stored slips (declarations of a period, extraordinary slips) and the company's
// lists of stored slips.
#include "DatosLiquidacion.h"
#include "records/Liquidaciones.h"

#include <QTest>

class TestNumeracionLiquidacion : public QObject
{
    Q_OBJECT
private slots:
    void numeradorDeExtraordinarias();
    void cantidadHermanas();
    void leerLiquidacionesYMaximosOrdinales();
    void maximosOrdinalesMezclaExtraordinaria();
    void leerLiquidacionesPeriodo();
    void pasarEmpleados();
};

void TestNumeracionLiquidacion::numeradorDeExtraordinarias()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto ordinaria = LiquidacionPrueba(f.emp, 3, 2014);
    QCOMPARE(ordinaria->Numerador(f.base.bd()), 0);
    QVERIFY(ordinaria->Grabar(f.base.bd()));
    auto primera = LiquidacionPrueba(f.emp, 3, 2014, 0, true);
    QCOMPARE(primera->Numerador(f.base.bd()), 1);
    QVERIFY(primera->Grabar(f.base.bd()));
    auto segunda = LiquidacionPrueba(f.emp, 5, 2014, 0, true);
    QVERIFY(segunda->Grabar(f.base.bd()));
    // Another company's extraordinary slips have numbers of their own.
    auto otra = EmpresaPrueba(&f.base.bd(), "30-11111111-1");
    auto deOtra = LiquidacionPrueba(otra, 3, 2014, 0, true);
    QVERIFY(deOtra->Grabar(f.base.bd()));

    auto numero = [&](const QSharedPointer<Liquidacion>& l) {
        return f.Valor(QStringLiteral("select numerador from liquidaciones where id = %1").arg(l->IdLiquidacion()))
            .toInt();
    };
    QCOMPARE(numero(ordinaria), 0);
    QCOMPARE(numero(primera), 1);
    QCOMPARE(numero(segunda), 2);
    QCOMPARE(numero(deOtra), 1);
    // Saving a stored one again keeps its number; reading it gives it back.
    primera->setPagadoReq(10);
    QVERIFY(primera->Grabar(f.base.bd()));
    QCOMPARE(numero(primera), 1);
    Liquidacion leida;
    QVERIFY(leida.Leer(f.base.bd(), segunda->IdLiquidacion()));
    QVERIFY(leida.Extraordinaria());
    QCOMPARE(leida.Numerador(f.base.bd()), 2);
    QCOMPARE(LiquidacionPrueba(f.emp, 7, 2014, 0, true)->Numerador(f.base.bd()), 3);
}

void TestNumeracionLiquidacion::cantidadHermanas()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto ordinaria = LiquidacionPrueba(f.emp, 3, 2014);
    QCOMPARE(ordinaria->CantidadHermanas(f.base.bd()), 0);
    QVERIFY(ordinaria->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(f.emp, 3, 2014, 0, true)->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(f.emp, 3, 2013)->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(EmpresaPrueba(&f.base.bd(), "30-11111111-1"), 3, 2014)->Grabar(f.base.bd()));
    QCOMPARE(LiquidacionPrueba(f.emp, 3, 2014)->CantidadHermanas(f.base.bd()), 2);
    QCOMPARE(ordinaria->CantidadHermanas(f.base.bd()), 1);
}

void TestNumeracionLiquidacion::leerLiquidacionesYMaximosOrdinales()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    // Stored out of order on purpose.
    const QList<QPair<int, int>> guardadas = {{4, 0}, {3, 2}, {3, 0}, {3, 1}};
    for (const auto& par : guardadas)
        QVERIFY(LiquidacionPrueba(f.emp, par.first, 2014, par.second)->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(f.emp, 1, 2015, 0, true)->Grabar(f.base.bd()));
    QVERIFY(f.emp->LeerLiquidaciones(f.base.bd()));
    Liquidaciones& lista = f.emp->Liquidaciones();
    QCOMPARE(lista.Count(), 5);
    QVERIFY(lista.Item(1)->Extraordinaria());
    const QList<QPair<int, int>> esperadas = {{3, 0}, {3, 1}, {3, 2}, {4, 0}};
    for (int i = 0; i < esperadas.size(); ++i) {
        QCOMPARE(lista.Item(i + 2)->Mes(), esperadas[i].first);
        QCOMPARE(lista.Item(i + 2)->Ordinal(), esperadas[i].second);
    }
    const auto porClave = lista.Item(QString::number(lista.Item(3)->IdLiquidacion()));
    QCOMPARE(porClave, lista.Item(3));

    f.emp->MaximosOrdinales();
    Liquidaciones& maximos = f.emp->Liquidaciones();
    QCOMPARE(&maximos, &lista);
    QCOMPARE(maximos.Count(), 3);
    QVERIFY(maximos.Item(1)->Extraordinaria());
    QCOMPARE(maximos.Item(2)->Mes(), 3);
    QCOMPARE(maximos.Item(2)->Ordinal(), 2);
    QCOMPARE(maximos.Item(3)->Mes(), 4);
    QCOMPARE(maximos.Item(3)->Ordinal(), 0);
}

void TestNumeracionLiquidacion::maximosOrdinalesMezclaExtraordinaria()
{
    // Only year and month are compared: an extraordinary slip right before an ordinary one of the
    // same period is dropped as well.
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    QVERIFY(LiquidacionPrueba(f.emp, 3, 2014, 0, true)->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(f.emp, 3, 2014, 0)->Grabar(f.base.bd()));
    QVERIFY(f.emp->LeerLiquidaciones(f.base.bd()));
    f.emp->MaximosOrdinales();
    QCOMPARE(f.emp->Liquidaciones().Count(), 1);
    QVERIFY(!f.emp->Liquidaciones().Item(1)->Extraordinaria());
}

void TestNumeracionLiquidacion::leerLiquidacionesPeriodo()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    QVERIFY(LiquidacionPrueba(f.emp, 3, 2014, 1)->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(f.emp, 4, 2014, 0)->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(f.emp, 3, 2014, 0)->Grabar(f.base.bd()));
    QVERIFY(LiquidacionPrueba(f.emp, 3, 2015, 0)->Grabar(f.base.bd()));
    QVERIFY(f.emp->LeerLiquidacionesPeriodo(f.base.bd(), 3, 2014));
    QCOMPARE(f.emp->Liquidaciones().Count(), 2);
    QCOMPARE(f.emp->Liquidaciones().Item(1)->Ordinal(), 0);
    QCOMPARE(f.emp->Liquidaciones().Item(2)->Ordinal(), 1);
    QVERIFY(f.emp->LeerLiquidacionesPeriodo(f.base.bd(), 8, 2014));
    QCOMPARE(f.emp->Liquidaciones().Count(), 0);
}

void TestNumeracionLiquidacion::pasarEmpleados()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    Liquidacion liq;
    liq.ListaEmpleadosLiquidacion().Add(EmpleadoPrueba(f.emp, "X", "Previo", 1), "X");
    f.emp->PasarEmpleados(liq);
    const ListaEmpleados& lista = liq.ListaEmpleadosLiquidacion();
    QCOMPARE(lista.Count(), 3); // the terminated one and the one on leave included, the previous gone
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(lista.Item(i) != f.empleados.at(i - 1));
        QCOMPARE(lista.Item(i)->CUIL(), f.empleados.at(i - 1)->CUIL());
        QCOMPARE(lista.Item(i)->Empresa(), f.emp);
    }
    lista.Item(1)->setHaberes(1);
    QCOMPARE(f.empleados.at(0)->Haberes(), 10000.0);
}

QTEST_GUILESS_MAIN(TestNumeracionLiquidacion)
#include "tst_numeracion_liquidacion.moc"
