// SPDX-License-Identifier: GPL-3.0-or-later
// Stored slips: header and employee snapshot, the two-decimal rule, and a failed save that leaves
// the file exactly as it was.
#include "DatosLiquidacion.h"
#include "records/Consulta.h"
#include "support/BasePrueba.h"

#include <QSignalSpy>
#include <QTest>


class TestAlmacenLiquidacion : public QObject
{
    Q_OBJECT
private slots:
    void grabarNuevaYRegrabar();
    void leerDevuelveLoGrabado();
    void coeficienteConDosDecimales();
    void leerInexistenteNoCambiaNada();
    void instantaneaSobreviveAlMaestro();
    void bajaInformada();
    void grabarFallidoNoDejaNada();
    void regrabarFallidoConservaLoGuardado();
    void regrabarBoletaBorradaFalla();
};

void TestAlmacenLiquidacion::grabarNuevaYRegrabar()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto otra = EmpresaPrueba(&f.base.bd(), "30-11111111-1");
    QVERIFY(LiquidacionPrueba(otra, 3, 2014)->Grabar(f.base.bd()));

    auto liq = LiquidacionPrueba(f.emp, 3, 2014);
    QVERIFY(liq->Grabar(f.base.bd()));
    QVERIFY(!liq->Nueva());
    const qint64 id = liq->IdLiquidacion();
    QVERIFY(id > 0);
    QCOMPARE(f.Valor(QStringLiteral("select idmatriz from liquidaciones where id = %1").arg(id)).toLongLong(),
             f.emp->IdEmpresa());
    QCOMPARE(f.Valor(QStringLiteral("select version from liquidaciones where id = %1").arg(id)).toString(),
             QStringLiteral("1.0"));
    QCOMPARE(f.Contar(QStringLiteral("select count(*) from liquidaciones_empl where idliquidacion = %1").arg(id)), 3);
    // Computed columns: March 2014, the one on leave does not count.
    QCOMPARE(f.Valor(QStringLiteral("select cantempleados from liquidaciones where id = %1").arg(id)).toInt(), 2);
    QCOMPARE(f.Valor(QStringLiteral("select apagar2 from liquidaciones where id = %1").arg(id)).toDouble(), 300.0);

    // Saving again rewrites the same header and a fresh snapshot; the version stays as created.
    QVERIFY(f.base.bd().Ejecutar(QStringLiteral("update liquidaciones set version = '0.9' where id = %1").arg(id)));
    liq->setPagado2(123.456);
    QVERIFY(liq->Grabar(f.base.bd()));
    QCOMPARE(liq->IdLiquidacion(), id);
    QCOMPARE(f.Contar(QStringLiteral("select count(*) from liquidaciones where idmatriz = %1").arg(f.emp->IdEmpresa())), 1);
    QCOMPARE(f.Contar(QStringLiteral("select count(*) from liquidaciones_empl where idliquidacion = %1").arg(id)), 3);
    QCOMPARE(f.Valor(QStringLiteral("select version from liquidaciones where id = %1").arg(id)).toString(),
             QStringLiteral("0.9"));
    QCOMPARE(f.Valor(QStringLiteral("select pagado2 from liquidaciones where id = %1").arg(id)).toDouble(), 123.46);
}

void TestAlmacenLiquidacion::leerDevuelveLoGrabado()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto liq = LiquidacionPrueba(f.emp, 6, 2014, 1);
    liq->setPagado2(150.5);
    liq->setPagadoFCM(100);
    liq->setPagadoCuota(150);
    liq->setCoeficiente(3);
    liq->setPagadoRecargo(10);
    liq->setOtrosConceptos("Intereses d'Alessio");
    liq->setPagadoOtros(12.34);
    liq->setNroReq("A-77");
    liq->setPagadoReq(40);
    liq->setInspector("Núñez");
    liq->setFormaPago(1);
    liq->setBanco("Banco Nación");
    liq->setNroCheque("000123");
    liq->setCuota("2");
    liq->setConceptoCredito("Saldo a favor");
    liq->setCredito(5);
    liq->setPorcentaje2(2.5);
    liq->setPorcentajeFCM(3);
    liq->setImporteCuota(175);
    QVERIFY(liq->Grabar(f.base.bd()));
    // A deposit above what is due, written straight into the file, is read as it stands.
    QVERIFY(f.base.bd().Ejecutar(
        QStringLiteral("update liquidaciones set pagadofcm = 9999 where id = %1").arg(liq->IdLiquidacion())));

    Liquidacion leida;
    QSignalSpy espia(&leida, &Liquidacion::CambioPeriodo);
    QVERIFY(leida.Leer(f.base.bd(), liq->IdLiquidacion()));
    QCOMPARE(espia.count(), 0);
    QVERIFY(!leida.Nueva());
    QCOMPARE(leida.IdLiquidacion(), liq->IdLiquidacion());
    QCOMPARE(leida.Mes(), 6);
    QCOMPARE(leida.Anio(), 2014);
    QCOMPARE(leida.Ordinal(), 1);
    QCOMPARE(leida.Pagado2(), 150.5);
    QCOMPARE(leida.PagadoFCM(), 9999.0);
    QCOMPARE(leida.PagadoCuota(), 150.0);
    QCOMPARE(leida.Coeficiente(), 3.0);
    QCOMPARE(leida.PagadoRecargo(), 10.0);
    QCOMPARE(leida.OtrosConceptos(), QStringLiteral("Intereses d'Alessio"));
    QCOMPARE(leida.PagadoOtros(), 12.34);
    QCOMPARE(leida.NroReq(), QStringLiteral("A-77"));
    QCOMPARE(leida.PagadoReq(), 40.0);
    QCOMPARE(leida.Inspector(), QStringLiteral("Núñez"));
    QCOMPARE(leida.FormaPago(), 1);
    QCOMPARE(leida.Banco(), QStringLiteral("Banco Nación"));
    QCOMPARE(leida.NroCheque(), QStringLiteral("000123"));
    QCOMPARE(leida.Cuota(), QStringLiteral("2"));
    QCOMPARE(leida.ConceptoCredito(), QStringLiteral("Saldo a favor"));
    QCOMPARE(leida.Credito(), 5.0);
    QCOMPARE(leida.Porcentaje2(), 2.5);
    QCOMPARE(leida.PorcentajeFCM(), 3.0);
    QCOMPARE(leida.ImporteCuota(), 175.0);
    QVERIFY(!leida.Extraordinaria());
    QVERIFY(leida.Empresa());
    QCOMPARE(leida.Empresa()->IdEmpresa(), f.emp->IdEmpresa());
    QCOMPARE(leida.Empresa()->CUIT(), f.emp->CUIT());

    // The employees come back in list order, with the category of their master row.
    const ListaEmpleados& lista = leida.ListaEmpleadosLiquidacion();
    QCOMPARE(lista.Count(), 3);
    for (int i = 1; i <= 3; ++i) {
        const auto& original = f.empleados.at(i - 1);
        const auto e = lista.Item(i);
        QCOMPARE(e->CUIL(), original->CUIL());
        QCOMPARE(e->Nombre(), original->Nombre());
        QCOMPARE(e->Haberes(), original->Haberes());
        QCOMPARE(e->Afiliado(), original->Afiliado());
        QCOMPARE(e->FechaBaja(), original->FechaBaja());
        QCOMPARE(e->FechaIngreso(), original->FechaIngreso());
        QCOMPARE(e->Licencia(), original->Licencia());
        QCOMPARE(e->IdEmpleado(), original->IdEmpleado());
        QCOMPARE(e->Categoria(), original->Categoria());
        QVERIFY(!e->Nuevo());
    }
    QCOMPARE(lista.Item(1)->DescripcionCategoria(), QStringLiteral("Jubilado"));
    QCOMPARE(lista.Item(2)->DescripcionCategoria(), QStringLiteral("Administrativo 'B'"));
    QCOMPARE(leida.APagar2(), liq->APagar2());
    QCOMPARE(leida.APagarCuota(), 225.0); // June
}

void TestAlmacenLiquidacion::coeficienteConDosDecimales()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto liq = LiquidacionPrueba(f.emp, 3, 2014);
    liq->setCoeficiente(2.3456);
    liq->setPorcentaje2(1.005001);
    QVERIFY(liq->Grabar(f.base.bd()));
    const QString donde = QStringLiteral(" from liquidaciones where id = %1").arg(liq->IdLiquidacion());
    QCOMPARE(f.Valor(QStringLiteral("select coeficiente") + donde).toDouble(), 2.35);
    QCOMPARE(f.Valor(QStringLiteral("select porcentajedos") + donde).toDouble(), 1.01);
    Liquidacion leida;
    QVERIFY(leida.Leer(f.base.bd(), liq->IdLiquidacion()));
    QCOMPARE(leida.Coeficiente(), 2.35);
}

void TestAlmacenLiquidacion::leerInexistenteNoCambiaNada()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto liq = LiquidacionPrueba(f.emp, 3, 2014);
    QVERIFY(!liq->Leer(f.base.bd(), 4242));
    QVERIFY(liq->Nueva());
    QCOMPARE(liq->IdLiquidacion(), 0);
    QCOMPARE(liq->Mes(), 3);
    QCOMPARE(liq->ListaEmpleadosLiquidacion().Count(), 3);
    QCOMPARE(liq->Empresa(), f.emp);
}

void TestAlmacenLiquidacion::instantaneaSobreviveAlMaestro()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto liq = LiquidacionPrueba(f.emp, 3, 2014);
    QVERIFY(liq->Grabar(f.base.bd()));
    const auto perez = f.empleados.at(0);
    // Later changes to the master rows do not reach the declared snapshot.
    perez->setNombre("Pérez Otero, Juan");
    perez->setHaberes(99999);
    QVERIFY(perez->Grabar(f.base.bd()));
    const auto obrien = f.empleados.at(1);
    QVERIFY(f.base.bd().Ejecutar(QStringLiteral("delete from empleados where id = %1").arg(obrien->IdEmpleado())));

    Liquidacion leida;
    QVERIFY(leida.Leer(f.base.bd(), liq->IdLiquidacion()));
    QCOMPARE(leida.ListaEmpleadosLiquidacion().Count(), 3);
    const auto a = leida.ListaEmpleadosLiquidacion().Item(perez->CUIL());
    QCOMPARE(a->Nombre(), QStringLiteral("Pérez, Juan"));
    QCOMPARE(a->Haberes(), 10000.0);
    const auto b = leida.ListaEmpleadosLiquidacion().Item(obrien->CUIL());
    QVERIFY(b);
    QCOMPARE(b->Nombre(), QStringLiteral("O'Brien, Ana"));
    QCOMPARE(b->Haberes(), 5000.0);
    QCOMPARE(b->FechaBaja(), QDate(2014, 3, 15));
    QCOMPARE(b->IdEmpleado(), obrien->IdEmpleado());
    QCOMPARE(b->Categoria(), 0); // no master row to take it from
    QCOMPARE(leida.TotalEmpleados(), 15000.0);
}

void TestAlmacenLiquidacion::bajaInformada()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    QVERIFY(f.base.bd().Ejecutar(QStringLiteral("update empleados set bajainformada = 1")));
    auto liq = LiquidacionPrueba(f.emp, 3, 2014);
    QVERIFY(liq->Grabar(f.base.bd()));
    auto marca = [&](int i) {
        return f.Valor(QStringLiteral("select bajainformada from empleados where id = %1")
                           .arg(f.empleados.at(i)->IdEmpleado()))
            .toInt();
    };
    QCOMPARE(marca(0), 0);
    QCOMPARE(marca(1), 1);
    QCOMPARE(marca(2), 0);
    QVERIFY(f.empleados.at(1)->PuedeEliminarse(f.base.bd()));
    QVERIFY(!f.empleados.at(0)->PuedeEliminarse(f.base.bd()));
}

void TestAlmacenLiquidacion::grabarFallidoNoDejaNada()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    QVERIFY(f.base.bd().Ejecutar(QStringLiteral("update empleados set bajainformada = 1")));
    QVERIFY(LiquidacionPrueba(f.emp, 2, 2014)->Grabar(f.base.bd()));
    const QString antes = f.Huella();

    // The second employee's name is too long for the file: the save fails half-way, after the
    // header and the first employee were written.
    auto liq = LiquidacionPrueba(f.emp, 3, 2014);
    liq->ListaEmpleadosLiquidacion().Item(2)->setNombre(QString(41, QLatin1Char('X')));
    QVERIFY(!liq->Grabar(f.base.bd()));
    QCOMPARE(f.Huella(), antes);
    QVERIFY(liq->Nueva());
    QCOMPARE(liq->IdLiquidacion(), 0);

    // Corrected, the same save goes through whole.
    liq->ListaEmpleadosLiquidacion().Item(2)->setNombre("O'Brien, Ana");
    QVERIFY(liq->Grabar(f.base.bd()));
    QVERIFY(!liq->Nueva());
    QCOMPARE(f.Contar(QStringLiteral("select count(*) from liquidaciones")), 2);
    QCOMPARE(f.Contar(QStringLiteral("select count(*) from liquidaciones_empl where idliquidacion = %1")
                          .arg(liq->IdLiquidacion())),
             3);
}

void TestAlmacenLiquidacion::regrabarFallidoConservaLoGuardado()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto liq = LiquidacionPrueba(f.emp, 3, 2014, 0, true);
    liq->setPagado2(100);
    QVERIFY(liq->Grabar(f.base.bd()));
    const qint64 id = liq->IdLiquidacion();
    const QString antes = f.Huella();

    liq->setPagado2(200);
    liq->ListaEmpleadosLiquidacion().Item(3)->setCUIL(QStringLiteral("20-000000001-99"));
    QVERIFY(!liq->Grabar(f.base.bd()));
    QCOMPARE(f.Huella(), antes);
    QVERIFY(!liq->Nueva());
    QCOMPARE(liq->IdLiquidacion(), id);
    QCOMPARE(liq->Numerador(f.base.bd()), 1);
}

void TestAlmacenLiquidacion::regrabarBoletaBorradaFalla()
{
    BaseConEmpleados f;
    QVERIFY(f.Valida());
    auto liq = LiquidacionPrueba(f.emp, 3, 2014);
    QVERIFY(liq->Grabar(f.base.bd()));
    QVERIFY(f.base.bd().Ejecutar(QStringLiteral("delete from liquidaciones where id = %1").arg(liq->IdLiquidacion())));
    QVERIFY(!liq->Grabar(f.base.bd()));
    QCOMPARE(f.Contar(QStringLiteral("select count(*) from liquidaciones_empl")), 0);
    // Made new again, it is stored as a new declaration.
    liq->SetNueva(true);
    liq->setIdLiquidacion(0);
    QVERIFY(liq->Grabar(f.base.bd()));
    QCOMPARE(f.Contar(QStringLiteral("select count(*) from liquidaciones")), 1);
}

QTEST_GUILESS_MAIN(TestAlmacenLiquidacion)
#include "tst_almacen_liquidacion.moc"
