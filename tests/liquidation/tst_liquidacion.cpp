// SPDX-License-Identifier: GPL-3.0-or-later
// Slip amounts: the counting rule at month boundaries, the caps of the deposits, the credit bound,
// the period signal, the default period, and what the whole period has deposited.
#include "DatosLiquidacion.h"
#include "support/BasePrueba.h"

#include <QSignalSpy>
#include <QTest>

class TestLiquidacion : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void sinEmpleados();
    void cuentaEnElPeriodo_data();
    void cuentaEnElPeriodo();
    void topesDeLoDepositado_data();
    void topesDeLoDepositado();
    void recargoNoSigueAlCoeficiente();
    void creditoDejaUnPeso_data();
    void creditoDejaUnPeso();
    void cambioPeriodoSoloAlCambiar();
    void periodoPorDefecto_data();
    void periodoPorDefecto();
    void pagadoTodasSumaLasDelPeriodo();
};

void TestLiquidacion::init()
{
    ParamPorcentajeDos = 2;
    ParamPorcentajeFcm = 2;
    ParamImporteCta = 150;
}

void TestLiquidacion::sinEmpleados()
{
    Liquidacion liq;
    liq.setPagadoOtros(30);
    liq.setPagadoReq(20);
    liq.setCredito(5);
    QCOMPARE(liq.APagar2(), 0.0);
    QCOMPARE(liq.APagarFCM(), 0.0);
    QCOMPARE(liq.APagarCuota(), 0.0);
    QCOMPARE(liq.APagarRecargo(), 0.0);
    QCOMPARE(liq.CantEmpleados(), 0);
    QCOMPARE(liq.CantAfiliados(), 0);
    QCOMPARE(liq.TotalEmpleados(), 0.0);
    QCOMPARE(liq.PagadoTotal(), 45.0);
    QCOMPARE(liq.APagarTotal(), 45.0);
}

void TestLiquidacion::cuentaEnElPeriodo_data()
{
    QTest::addColumn<int>("mes");
    QTest::addColumn<int>("anio");
    QTest::addColumn<QDate>("baja");
    QTest::addColumn<int>("licencia");
    QTest::addColumn<bool>("cuenta");
    const QDate sinBaja = FechaSinBaja();
    QTest::newRow("sin baja") << 3 << 2014 << sinBaja << 0 << true;
    QTest::newRow("baja el 1 del mes") << 3 << 2014 << QDate(2014, 3, 1) << 0 << true;
    QTest::newRow("baja el último día del mes") << 3 << 2014 << QDate(2014, 3, 31) << 0 << true;
    QTest::newRow("baja el último día del mes anterior") << 3 << 2014 << QDate(2014, 2, 28) << 0 << false;
    QTest::newRow("baja en un mes posterior") << 3 << 2014 << QDate(2014, 4, 1) << 0 << true;
    QTest::newRow("baja en diciembre, período enero") << 1 << 2014 << QDate(2013, 12, 31) << 0 << false;
    QTest::newRow("baja en enero, período diciembre anterior") << 12 << 2013 << QDate(2014, 1, 2) << 0 << true;
    QTest::newRow("licencia por maternidad") << 3 << 2014 << sinBaja << 2 << false;
    QTest::newRow("suspendido") << 3 << 2014 << sinBaja << 6 << false;
}

void TestLiquidacion::cuentaEnElPeriodo()
{
    QFETCH(int, mes);
    QFETCH(int, anio);
    QFETCH(QDate, baja);
    QFETCH(int, licencia);
    QFETCH(bool, cuenta);
    auto emp = EmpresaPrueba();
    Liquidacion liq;
    liq.setEmpresa(emp);
    liq.setMes(mes);
    liq.setAnio(anio);
    // A member earning 10000 and, always counted, a non-member earning 5000.
    liq.ListaEmpleadosLiquidacion().Add(
        EmpleadoPrueba(emp, QStringLiteral("A"), QStringLiteral("A"), 10000, true, baja, licencia), QStringLiteral("A"));
    liq.ListaEmpleadosLiquidacion().Add(EmpleadoPrueba(emp, QStringLiteral("B"), QStringLiteral("B"), 5000),
                                        QStringLiteral("B"));
    const double cuota = (mes == 6 || mes == 12) ? 225 : 150;
    QCOMPARE(liq.CantEmpleados(), cuenta ? 2 : 1);
    QCOMPARE(liq.CantAfiliados(), cuenta ? 1 : 0);
    QCOMPARE(liq.TotalEmpleados(), cuenta ? 15000.0 : 5000.0);
    QCOMPARE(liq.TotalAfiliados(), cuenta ? 10000.0 : 0.0);
    QCOMPARE(liq.APagar2(), cuenta ? 300.0 : 100.0);
    QCOMPARE(liq.APagarFCM(), cuenta ? 200.0 : 0.0);
    QCOMPARE(liq.FCM(), liq.APagarFCM());
    QCOMPARE(liq.APagarCuota(), cuenta ? cuota : 0.0);
}

void TestLiquidacion::topesDeLoDepositado_data()
{
    QTest::addColumn<QString>("concepto");
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("guardado");
    // Due with one member earning 40000 in March, coefficient 10: 2 % 800, FCM 800, dues 150,
    // surcharge 175.
    for (const char* c : {"dos", "fcm", "cuota", "recargo"}) {
        const double debido = QByteArray(c) == "cuota" ? 150 : QByteArray(c) == "recargo" ? 175 : 800;
        QTest::addRow("%s mayor", c) << QString::fromLatin1(c) << debido + 200 << debido;
        QTest::addRow("%s igual", c) << QString::fromLatin1(c) << debido << debido;
        QTest::addRow("%s menor", c) << QString::fromLatin1(c) << debido - 50 << debido - 50;
        QTest::addRow("%s negativo", c) << QString::fromLatin1(c) << -5.0 << -5.0;
    }
}

void TestLiquidacion::topesDeLoDepositado()
{
    QFETCH(QString, concepto);
    QFETCH(double, valor);
    QFETCH(double, guardado);
    auto emp = EmpresaPrueba();
    Liquidacion liq;
    liq.setMes(3);
    liq.setAnio(2014);
    liq.setCoeficiente(10);
    liq.ListaEmpleadosLiquidacion().Add(EmpleadoPrueba(emp, "A", "A", 40000, true), "A");
    if (concepto == QLatin1String("dos")) {
        liq.setPagado2(valor);
        QCOMPARE(liq.Pagado2(), guardado);
    } else if (concepto == QLatin1String("fcm")) {
        liq.setPagadoFCM(valor);
        QCOMPARE(liq.PagadoFCM(), guardado);
    } else if (concepto == QLatin1String("cuota")) {
        liq.setPagadoCuota(valor);
        QCOMPARE(liq.PagadoCuota(), guardado);
    } else {
        liq.setPagadoRecargo(valor);
        QCOMPARE(liq.PagadoRecargo(), guardado);
    }
    // The free concepts are never capped.
    liq.setPagadoOtros(99999);
    liq.setPagadoReq(88888);
    QCOMPARE(liq.PagadoOtros(), 99999.0);
    QCOMPARE(liq.PagadoReq(), 88888.0);
}

void TestLiquidacion::recargoNoSigueAlCoeficiente()
{
    auto emp = EmpresaPrueba();
    Liquidacion liq;
    liq.setMes(3);
    liq.setAnio(2014);
    liq.ListaEmpleadosLiquidacion().Add(EmpleadoPrueba(emp, "A", "A", 40000, true), "A");
    liq.setCoeficiente(10);
    liq.setPagadoRecargo(175);
    liq.setCoeficiente(20);
    QCOMPARE(liq.APagarRecargo(), 350.0);
    QCOMPARE(liq.PagadoRecargo(), 175.0);
    liq.setCoeficiente(1);
    QCOMPARE(liq.PagadoRecargo(), 175.0);
    // Free concepts and the credit take no surcharge.
    liq.setPagadoOtros(1000);
    liq.setPagadoReq(1000);
    QCOMPARE(liq.APagarRecargo(), 17.5);
}

void TestLiquidacion::creditoDejaUnPeso_data()
{
    QTest::addColumn<double>("depositado");
    QTest::addColumn<double>("creditoPrevio");
    QTest::addColumn<double>("credito");
    QTest::addColumn<double>("guardado");
    QTest::newRow("crédito mayor que lo depositado") << 100.0 << 0.0 << 150.0 << 99.0;
    QTest::newRow("crédito que deja justo un peso") << 100.0 << 0.0 << 99.0 << 99.0;
    QTest::newRow("crédito que deja más de un peso") << 100.0 << 0.0 << 50.0 << 50.0;
    QTest::newRow("depositado menor que un peso") << 0.5 << 0.0 << 10.0 << 0.0;
    QTest::newRow("crédito previo se suma a lo depositado") << 100.0 << 40.0 << 99.0 << 99.0;
    QTest::newRow("crédito previo, nuevo excesivo") << 100.0 << 40.0 << 120.0 << 99.0;
    // 2.3 - 1.3 is 0.9999999999999998 in binary: still exactly one peso left.
    QTest::newRow("centavos sin error binario") << 2.3 << 0.0 << 1.3 << 1.3;
}

void TestLiquidacion::creditoDejaUnPeso()
{
    QFETCH(double, depositado);
    QFETCH(double, creditoPrevio);
    QFETCH(double, credito);
    QFETCH(double, guardado);
    Liquidacion liq;
    liq.setPagadoOtros(depositado);
    liq.setCredito(creditoPrevio);
    QCOMPARE(liq.Credito(), creditoPrevio);
    liq.setCredito(credito);
    QCOMPARE(liq.Credito(), guardado);
    if (depositado >= 1.0)
        QVERIFY(liq.PagadoTotal() >= 1.0 - 1e-9);
}

void TestLiquidacion::cambioPeriodoSoloAlCambiar()
{
    Liquidacion liq;
    liq.setMes(12);
    liq.setAnio(2013);
    QSignalSpy espia(&liq, &Liquidacion::CambioPeriodo);
    liq.setMes(12);
    liq.setAnio(2013);
    QCOMPARE(espia.count(), 0);
    liq.setMes(1);
    QCOMPARE(espia.count(), 1);
    QCOMPARE(liq.Mes(), 1); // stored before the signal is raised
    liq.setAnio(2014);
    QCOMPARE(espia.count(), 2);
    liq.setAnio(2014);
    QCOMPARE(espia.count(), 2);
}

void TestLiquidacion::periodoPorDefecto_data()
{
    QTest::addColumn<QDate>("hoy");
    QTest::addColumn<int>("mes");
    QTest::addColumn<int>("anio");
    QTest::newRow("enero") << QDate(2014, 1, 15) << 12 << 2013;
    QTest::newRow("1 de enero") << QDate(2015, 1, 1) << 12 << 2014;
    QTest::newRow("marzo") << QDate(2014, 3, 31) << 2 << 2014;
    QTest::newRow("diciembre") << QDate(2014, 12, 1) << 11 << 2014;
}

void TestLiquidacion::periodoPorDefecto()
{
    QFETCH(QDate, hoy);
    QFETCH(int, mes);
    QFETCH(int, anio);
    int m = 0, a = 0;
    Liquidacion::PeriodoPorDefecto(hoy, m, a);
    QCOMPARE(m, mes);
    QCOMPARE(a, anio);

    // A new slip takes that period for today, and the current parameters.
    Liquidacion liq;
    Liquidacion::PeriodoPorDefecto(QDate::currentDate(), m, a);
    QCOMPARE(liq.Mes(), m);
    QCOMPARE(liq.Anio(), a);
    QCOMPARE(liq.Porcentaje2(), 2.0);
    QCOMPARE(liq.ImporteCuota(), 150.0);
    QVERIFY(liq.Nueva());
    QCOMPARE(liq.BoletasAImprimir(), 1);
}

void TestLiquidacion::pagadoTodasSumaLasDelPeriodo()
{
    BasePrueba base;
    QVERIFY(base.Valida());
    init(); // the file's parameters were just loaded
    auto emp = EmpresaPrueba(&base.bd());
    auto otra = EmpresaPrueba(&base.bd(), QStringLiteral("30-11111111-1"));
    QVERIFY(emp && otra);
    auto grabar = [&](const QSharedPointer<Empresa>& e, int mes, bool extra, double otros) {
        auto l = LiquidacionPrueba(e, mes, 2014, 0, extra);
        l->setPagadoOtros(otros);
        return l->Grabar(base.bd()) ? l : QSharedPointer<Liquidacion>();
    };
    auto marzo = grabar(emp, 3, false, 100);
    QVERIFY(marzo);
    QVERIFY(grabar(emp, 3, true, 50));
    QVERIFY(grabar(emp, 4, false, 70));   // another period
    QVERIFY(grabar(otra, 3, false, 1000)); // another company

    auto nueva = LiquidacionPrueba(emp, 3, 2014, 2);
    nueva->setPagadoOtros(10);
    bool ok = false;
    QCOMPARE(nueva->PagadoTodas(base.bd(), &ok), 160.0);
    QVERIFY(ok);
    // A stored slip is not counted twice.
    QCOMPARE(marzo->PagadoTodas(base.bd(), &ok), 150.0);
    QVERIFY(ok);
}

QTEST_GUILESS_MAIN(TestLiquidacion)
#include "tst_liquidacion.moc"
