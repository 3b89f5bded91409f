// SPDX-License-Identifier: GPL-3.0-or-later
// Slips: the counting rule, the caps, the credit bound and the period; storing, reading and
// numbering them, and a failed save that leaves the file exactly as it was.
#include "support/DatosLiquidacion.h"
#include "liquidation/Liquidaciones.h"

#include <QPoint>
#include <QSignalSpy>
#include <QTest>

class TestLiquidacion : public QObject
{
    Q_OBJECT
private slots:
    void init() { ParametrosPrueba(); }
    void cuentaEnElPeriodo_data()
    {
        QTest::addColumn<QDate>("periodo");
        QTest::addColumn<QDate>("baja");
        QTest::addColumn<int>("licencia");
        QTest::addColumn<bool>("cuenta");
        QTest::newRow("sin baja") << QDate(2014, 3, 1) << FechaSinBaja() << 0 << true;
        QTest::newRow("baja el 1 del mes") << QDate(2014, 3, 1) << QDate(2014, 3, 1) << 0 << true;
        QTest::newRow("baja el último día del mes anterior") << QDate(2014, 3, 1) << QDate(2014, 2, 28) << 0 << false;
        QTest::newRow("baja en diciembre, período enero") << QDate(2014, 1, 1) << QDate(2013, 12, 31) << 0 << false;
        QTest::newRow("baja en enero, período diciembre") << QDate(2013, 12, 1) << QDate(2014, 1, 2) << 0 << true;
        QTest::newRow("licencia por maternidad") << QDate(2014, 3, 1) << FechaSinBaja() << 2 << false;
    }

    void cuentaEnElPeriodo()
    {
        QFETCH(QDate, periodo);
        QFETCH(QDate, baja);
        QFETCH(int, licencia);
        QFETCH(bool, cuenta);
        // A member earning 10000 and, always counted, a non-member earning 5000.
        auto emp = EmpresaPrueba();
        EmpleadoPrueba(emp, "A", "A", 10000, true, baja, licencia);
        EmpleadoPrueba(emp, "B", "B", 5000);
        const auto liq = LiquidacionPrueba(emp, periodo.month(), periodo.year());
        QCOMPARE(liq->CantEmpleados(), cuenta ? 2 : 1);
        QCOMPARE(liq->APagar2(), cuenta ? 300.0 : 100.0);
        QCOMPARE(liq->APagarFCM(), cuenta ? 200.0 : 0.0);
        QCOMPARE(liq->APagarCuota(), cuenta ? (periodo.month() == 12 ? 225.0 : 150.0) : 0.0);
    }

    void topesDeLoDepositado_data()
    {
        QTest::addColumn<double>("diferencia");
        QTest::addColumn<double>("guardada");
        QTest::newRow("mayor que lo debido") << 200.0 << 0.0;
        QTest::newRow("menor") << -50.0 << -50.0;
    }

    void topesDeLoDepositado()
    {
        QFETCH(double, diferencia);
        QFETCH(double, guardada);
        // One member earning 40000 in March, coefficient 10: due 2 % 800, FCM 800, dues 150, surcharge 175.
        auto emp = EmpresaPrueba();
        EmpleadoPrueba(emp, "A", "A", 40000, true);
        const auto liq = LiquidacionPrueba(emp, 3, 2014);
        liq->setCoeficiente(10);
        liq->setPagado2(800 + diferencia);
        liq->setPagadoFCM(800 + diferencia);
        liq->setPagadoCuota(150 + diferencia);
        liq->setPagadoRecargo(175 + diferencia);
        liq->setPagadoOtros(99999); // free concepts are never capped
        QCOMPARE(liq->Pagado2(), 800 + guardada);
        QCOMPARE(liq->PagadoFCM(), 800 + guardada);
        QCOMPARE(liq->PagadoCuota(), 150 + guardada);
        QCOMPARE(liq->PagadoOtros(), 99999.0);
        // What was deposited stays when the coefficient changes afterwards.
        liq->setCoeficiente(1);
        QCOMPARE(liq->PagadoRecargo(), 175 + guardada);
    }

    void creditoDejaUnPeso_data()
    {
        QTest::addColumn<double>("depositado");
        QTest::addColumn<double>("creditoPrevio");
        QTest::addColumn<double>("credito");
        QTest::addColumn<double>("guardado");
        QTest::newRow("crédito mayor que lo depositado") << 100.0 << 0.0 << 150.0 << 99.0;
        QTest::newRow("depositado menor que un peso") << 0.5 << 0.0 << 10.0 << 0.0;
        QTest::newRow("el crédito previo no se descuenta dos veces") << 100.0 << 40.0 << 99.0 << 99.0;
        // 2.3 - 1.3 is 0.9999999999999998 in binary: still exactly one peso left.
        QTest::newRow("centavos sin error binario") << 2.3 << 0.0 << 1.3 << 1.3;
    }

    void creditoDejaUnPeso()
    {
        QFETCH(double, depositado);
        QFETCH(double, creditoPrevio);
        QFETCH(double, credito);
        QFETCH(double, guardado);
        Liquidacion liq;
        liq.setPagadoOtros(depositado);
        liq.setCredito(creditoPrevio);
        liq.setCredito(credito);
        QCOMPARE(liq.Credito(), guardado);
    }

    void periodo()
    {
        const auto porDefecto = [](const QDate& hoy) {
            int mes = 0, anio = 0;
            Liquidacion::PeriodoPorDefecto(hoy, mes, anio);
            return QPoint(mes, anio);
        };
        QCOMPARE(porDefecto(QDate(2015, 1, 1)), QPoint(12, 2014));
        // CambioPeriodo only when the period really changes, with the new value already stored.
        Liquidacion liq;
        liq.setMes(3);
        liq.setAnio(2014);
        QSignalSpy espia(&liq, &Liquidacion::CambioPeriodo);
        liq.setMes(3);
        liq.setAnio(2014);
        QCOMPARE(espia.count(), 0);
        connect(&liq, &Liquidacion::CambioPeriodo, this, [&] { QCOMPARE(liq.Anio(), 2015); });
        liq.setAnio(2015);
        QCOMPARE(espia.count(), 1);
    }

    void vidaDeUnaBoleta()
    {
        BaseConEmpleados f;
        QVERIFY(f.Valida());
        QVERIFY(f.bd().Ejecutar(QStringLiteral("update empleados set bajainformada = 1")));
        QVERIFY(f.Grabada(3, 2014, 0, false, EmpresaPrueba(&f.bd(), "30-11111111-1"))); // ids start past 1
        auto liq = LiquidacionPrueba(f.emp, 3, 2014, 1);
        // Changes to the master rows after the slip was made reach neither it nor its stored copy.
        const auto perez = f.empleados.at(0), obrien = f.empleados.at(1);
        perez->setNombre("Pérez Otero, Juan");
        QVERIFY(perez->Grabar(f.bd()));
        liq->setCoeficiente(2.3456);
        liq->setPagado2(150.5);
        liq->setOtrosConceptos("Intereses d'Alessio");
        liq->setInspector("Núñez");
        liq->setCredito(5);
        liq->setImporteCuota(175);
        // A name too long for the file makes the save fail half-way, after the header and the first
        // employee were written: the file is left exactly as it was, and the same slip saves once corrected.
        const auto grabarFallido = [&f, &liq] {
            const QByteArray antes = f.Huella();
            const auto obrienLiq = liq->ListaEmpleadosLiquidacion().Item(2);
            obrienLiq->setNombre(QString(41, QLatin1Char('X')));
            const bool grabo = liq->Grabar(f.bd());
            obrienLiq->setNombre(QStringLiteral("O'Brien, Ana"));
            return !grabo && f.Huella() == antes;
        };
        QVERIFY(grabarFallido());
        QVERIFY(liq->Nueva());
        QVERIFY(liq->Grabar(f.bd()));
        const qint64 id = liq->IdLiquidacion();
        const QString donde = QStringLiteral(" from liquidaciones where id = %1").arg(id);
        QCOMPARE(f.Valor("select idmatriz" + donde).toLongLong(), f.emp->IdEmpresa());
        QCOMPARE(f.Valor("select version" + donde).toString(), QStringLiteral("1.0"));
        QCOMPARE(f.Valor("select coeficiente" + donde).toDouble(), 2.35);
        // Only the employee terminated within the period keeps the mark.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.Valor(QStringLiteral("select bajainformada from empleados where id = %1")
                                 .arg(f.empleados.at(i)->IdEmpleado())).toInt(), i == 1 ? 1 : 0);
        QVERIFY(obrien->PuedeEliminarse(f.bd()));
        QVERIFY(!perez->PuedeEliminarse(f.bd()));

        // Saving again rewrites the same header and the employee rows; the version stays as created.
        QVERIFY(f.bd().Ejecutar("update liquidaciones set version = '0.9' where id = " + QString::number(id)));
        liq->ListaEmpleadosLiquidacion().Item(3)->setHaberes(1000);
        QVERIFY(grabarFallido());
        QVERIFY(liq->Grabar(f.bd()));
        QCOMPARE(liq->IdLiquidacion(), id);
        QCOMPARE(f.base.Contar("select count(*) from liquidaciones"), 2);
        QCOMPARE(f.base.Contar("select count(*) from liquidaciones_empl where idliquidacion = " + QString::number(id)), 3);
        QCOMPARE(f.Valor("select sum(remuneracion) from liquidaciones_empl where idliquidacion = " + QString::number(id))
                     .toDouble(), 16000.0);
        QCOMPARE(f.Valor("select version" + donde).toString(), QStringLiteral("0.9"));

        // Read back, even after the terminated employee's master row is gone.
        QVERIFY(f.bd().Ejecutar(QStringLiteral("delete from empleados where id = %1").arg(obrien->IdEmpleado())));
        Liquidacion leida;
        QVERIFY(leida.Leer(f.bd(), id));
        const auto campos = [](const Liquidacion& l) {
            return QVariantList{l.IdLiquidacion(), l.Mes(), l.Anio(), l.Ordinal(), l.Pagado2(),
                                l.OtrosConceptos(), l.Inspector(), l.Credito(), l.ImporteCuota(),
                                l.Empresa()->IdEmpresa(), l.TotalEmpleados()};
        };
        QCOMPARE(campos(leida), campos(*liq));
        const ListaEmpleados& empleados = leida.ListaEmpleadosLiquidacion();
        QCOMPARE(empleados.Item(perez->CUIL())->Nombre(), QStringLiteral("Pérez, Juan"));
        QCOMPARE(empleados.Item(perez->CUIL())->Categoria(), 1); // from the master row
        QCOMPARE(empleados.Item(obrien->CUIL())->Nombre(), QStringLiteral("O'Brien, Ana"));
        QCOMPARE(empleados.Item(obrien->CUIL())->IdEmpleado(), obrien->IdEmpleado());
    }

    void boletasDeLaEmpresa()
    {
        BaseConEmpleados f;
        QVERIFY(f.Valida());
        // The other company's slips never count.
        auto otra = EmpresaPrueba(&f.bd(), "30-11111111-1");
        QVERIFY(f.Grabada(3, 2014, 0, false, otra));
        QVERIFY(f.Grabada(3, 2014, 0, true, otra));
        auto marzo = LiquidacionPrueba(f.emp, 3, 2014);
        QCOMPARE(marzo->CantidadHermanas(f.bd()), 0);
        QVERIFY(marzo->Grabar(f.bd()));
        // Extraordinary slips are numbered per company, ordinary ones aside.
        QCOMPARE(LiquidacionPrueba(f.emp, 3, 2014, 0, true)->Numerador(f.bd()), 1);
        // Stored out of order on purpose.
        QVERIFY(f.Grabada(3, 2014, 2));
        QVERIFY(f.Grabada(3, 2014, 1));
        auto abril = LiquidacionPrueba(f.emp, 4, 2014);
        abril->ListaEmpleadosLiquidacion().Remove(1); // stored with one employee less, another pay
        abril->ListaEmpleadosLiquidacion().Item(1)->setHaberes(4321);
        QVERIFY(abril->Grabar(f.bd()));
        QVERIFY(f.Grabada(3, 2013));
        QVERIFY(f.Grabada(1, 2015, 0, true));
        QVERIFY(f.Grabada(5, 2014, 0, true));
        QCOMPARE(LiquidacionPrueba(f.emp, 7, 2014, 0, true)->Numerador(f.bd()), 3);
        QCOMPARE(LiquidacionPrueba(f.emp, 3, 2014, 3)->CantidadHermanas(f.bd()), 3);
        QCOMPARE(marzo->CantidadHermanas(f.bd()), 2); // not itself

        QVERIFY(f.emp->LeerLiquidaciones(f.bd()));
        const auto periodos = [&f] {
            QStringList l;
            for (const auto& liq : f.emp->Liquidaciones())
                l << QStringLiteral("%1/%2/%3%4").arg(liq->Mes()).arg(liq->Anio() % 100).arg(liq->Ordinal())
                        .arg(liq->Extraordinaria() ? "E" : "");
            return l.join(' ');
        };
        QCOMPARE(periodos(), QStringLiteral("5/14/0E 1/15/0E 3/13/0 3/14/0 3/14/1 3/14/2 4/14/0"));
        // Read all at once, each slip keeps its own snapshot; the company is read once and shared.
        for (const auto& liq : f.emp->Liquidaciones()) {
            const bool esAbril = liq->Mes() == 4;
            QCOMPARE(liq->ListaEmpleadosLiquidacion().Count(), esAbril ? 2 : 3);
            QCOMPARE(liq->ListaEmpleadosLiquidacion().Item(1)->Haberes(), esAbril ? 4321.0 : 10000.0);
            QCOMPARE(liq->Empresa(), f.emp->Liquidaciones().Item(1)->Empresa());
            for (const auto& e : liq->ListaEmpleadosLiquidacion())
                QCOMPARE(e->Empresa(), liq->Empresa());
        }
        f.emp->MaximosOrdinales();
        QCOMPARE(periodos(), QStringLiteral("5/14/0E 1/15/0E 3/13/0 3/14/2 4/14/0"));
    }

    void borrarUnaBoleta()
    {
        BaseConEmpleados f;
        QVERIFY(f.Valida());
        const auto queda = f.Grabada(3, 2014);
        const auto borrada = f.Grabada(3, 2014, 1);
        QVERIFY(queda && borrada);
        const QString filas = QStringLiteral("select count(*) from liquidaciones_empl where idliquidacion = %1");
        // A refusal inside the cascade undoes the whole statement: header and rows stay.
        QVERIFY(f.bd().Ejecutar("create trigger no_borrar before delete on liquidaciones_empl "
                                "begin select raise(abort, 'filas protegidas'); end"));
        const QByteArray antes = f.Huella();
        QVERIFY(!borrada->Borrar(f.bd()));
        QVERIFY(f.bd().UltimoError().contains(QStringLiteral("filas protegidas")));
        QCOMPARE(f.Huella(), antes);
        QVERIFY(f.bd().Ejecutar("drop trigger no_borrar"));

        QVERIFY(borrada->Borrar(f.bd()));
        QCOMPARE(f.base.Contar("select count(*) from liquidaciones"), 1);
        QCOMPARE(f.base.Contar(filas.arg(borrada->IdLiquidacion())), 0);
        QCOMPARE(f.base.Contar(filas.arg(queda->IdLiquidacion())), 3);
        // Gone means gone: neither a second delete nor a save of the same object succeeds.
        QVERIFY(!borrada->Borrar(f.bd()));
        QCOMPARE(f.bd().UltimoError(), QStringLiteral("La boleta ya no está grabada."));
        QVERIFY(!borrada->Grabar(f.bd()));
        QVERIFY(!LiquidacionPrueba(f.emp, 3, 2014)->Borrar(f.bd())); // never stored
        QCOMPARE(f.base.Contar("select count(*) from liquidaciones"), 1);
    }
};

QTEST_GUILESS_MAIN(TestLiquidacion)
#include "tst_liquidacion.moc"
