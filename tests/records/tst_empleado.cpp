// SPDX-License-Identifier: GPL-3.0-or-later
// Employee amounts (now and for a period) and storage.
#include "liquidation/Liquidacion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "support/BasePrueba.h"

#include <QTest>

#include <memory>

namespace {
Empleado Miembro()
{
    Empleado e;
    e.setHaberes(10000);
    e.setParam2(0.02);
    e.setParamFCM(0.02);
    e.setParamCuotaSindical(150);
    e.setAfiliado(true);
    return e;
}

std::unique_ptr<Liquidacion> Periodo(int mes, int anio)
{
    auto liq = std::make_unique<Liquidacion>();
    liq->setMes(mes);
    liq->setAnio(anio);
    return liq;
}

QSharedPointer<Empresa> EmpresaGuardada(Conexion& bd, const QString& cuit)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre("Comercio " + cuit);
    emp->setCalle("San Martín");
    emp->setNumero("100");
    emp->setCalleLegal("San Martín");
    emp->setNumeroLegal("100");
    emp->setLocalidad("FLORIDA");
    emp->setCodPost("1602");
    emp->setCodRubro("523110");
    return emp->Grabar(bd) ? emp : nullptr;
}
} // namespace

class TestEmpleado : public QObject
{
    Q_OBJECT
private slots:
    void nuevoTomaLosParametros();
    void importes_data();
    void importes();
    void bajaSegunElPeriodo_data();
    void bajaSegunElPeriodo();
    void cuotaSindicalEnJunioYDiciembre();
    void grabarYLeer();
    void grabarActualizaPorCuilDeLaMismaEmpresa();
    void mismaPersonaEnDosEmpresas();
    void grabarSinEmpresaOInvalidoFalla();
    void clonarCompartelaEmpresa();
    void puedeEliminarse();
};

void TestEmpleado::nuevoTomaLosParametros()
{
    ParamPorcentajeDos = 2;
    ParamPorcentajeFcm = 3;
    ParamImporteCta = 150;
    Empleado e;
    QCOMPARE(e.Param2(), 0.02);
    QCOMPARE(e.ParamFCM(), 0.03);
    QCOMPARE(e.ParamCuotaSindical(), 150.0);
    QCOMPARE(e.FechaBaja(), QDate(2500, 1, 1));
    QCOMPARE(e.FechaIngreso(), QDate::currentDate());
    QVERIFY(e.Nuevo());
    ParamPorcentajeFcm = 9; // existing objects keep what they were created with
    QCOMPARE(e.ParamFCM(), 0.03);
}

void TestEmpleado::importes_data()
{
    QTest::addColumn<bool>("afiliado");
    QTest::addColumn<bool>("media");
    QTest::addColumn<int>("licencia");
    QTest::addColumn<double>("aporte2");
    QTest::addColumn<double>("fcm");
    QTest::addColumn<double>("cuota");
    QTest::newRow("afiliado") << true << false << 0 << 200.0 << 200.0 << 150.0;
    QTest::newRow("media jornada duplica el FCM") << true << true << 0 << 200.0 << 400.0 << 150.0;
    QTest::newRow("no afiliado") << false << false << 0 << 200.0 << 0.0 << 0.0;
    QTest::newRow("no afiliado media jornada") << false << true << 0 << 200.0 << 0.0 << 0.0;
    QTest::newRow("maternidad") << true << false << 2 << 0.0 << 0.0 << 0.0;
    QTest::newRow("suspendido") << true << true << 6 << 0.0 << 0.0 << 0.0;
}

void TestEmpleado::importes()
{
    QFETCH(bool, afiliado);
    QFETCH(bool, media);
    QFETCH(int, licencia);
    QFETCH(double, aporte2);
    QFETCH(double, fcm);
    QFETCH(double, cuota);
    Empleado e = Miembro();
    e.setAfiliado(afiliado);
    e.setMediaJornada(media);
    e.setLicencia(licencia);
    const auto marzoLiq = Periodo(3, 2014);
    const Liquidacion& marzo = *marzoLiq;
    QCOMPARE(e.Aporte2(), aporte2);
    QCOMPARE(e.FCM(), fcm);
    QCOMPARE(e.CuotaSindical(), cuota);
    QCOMPARE(e.TotalAPagar(), aporte2 + fcm);
    QCOMPARE(e.Aporte2L(marzo), aporte2);
    QCOMPARE(e.FCML(marzo), fcm);
    QCOMPARE(e.CuotaSindicalL(marzo), cuota);
    QCOMPARE(e.TotalAPagarL(marzo), aporte2 + fcm);
}

void TestEmpleado::bajaSegunElPeriodo_data()
{
    QTest::addColumn<int>("mes");
    QTest::addColumn<int>("anio");
    QTest::addColumn<double>("aporte2");
    QTest::newRow("mes de la baja") << 3 << 2014 << 200.0;
    QTest::newRow("mes anterior") << 2 << 2014 << 200.0;
    QTest::newRow("año anterior") << 11 << 2013 << 200.0;
    QTest::newRow("mes siguiente") << 4 << 2014 << 0.0;
    QTest::newRow("año siguiente") << 1 << 2015 << 0.0;
}

void TestEmpleado::bajaSegunElPeriodo()
{
    QFETCH(int, mes);
    QFETCH(int, anio);
    QFETCH(double, aporte2);
    Empleado e = Miembro();
    e.setFechaBaja(QDate(2014, 3, 15));
    const auto periodo = Periodo(mes, anio);
    const Liquidacion& liq = *periodo;
    QCOMPARE(e.Aporte2(), 0.0);
    QCOMPARE(e.FCM(), 0.0);
    QCOMPARE(e.CuotaSindical(), 0.0);
    QCOMPARE(e.Aporte2L(liq), aporte2);
    QCOMPARE(e.FCML(liq), aporte2);
    QCOMPARE(e.CuotaSindicalL(liq), aporte2 > 0 ? 150.0 : 0.0);
}

void TestEmpleado::cuotaSindicalEnJunioYDiciembre()
{
    const Empleado e = Miembro();
    for (int mes = 1; mes <= 12; ++mes)
        QCOMPARE(e.CuotaSindicalL(*Periodo(mes, 2014)), (mes == 6 || mes == 12) ? 225.0 : 150.0);
    QCOMPARE(e.CuotaSindical(), 150.0);
}

void TestEmpleado::grabarYLeer()
{
    BasePrueba base;
    auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
    QVERIFY(emp);
    Empleado e;
    e.setEmpresa(emp);
    e.setNombre("O'Brien, María José");
    e.setCUIL("20-12345678-6");
    e.setFechaIngreso(QDate(2014, 3, 7));
    e.setFechaBaja(QDate(2015, 12, 31));
    e.setHaberes(1234.567);
    e.setCategoria(1);
    e.setAfiliado(true);
    e.setMediaJornada(true);
    e.setLicencia(3);
    QVERIFY(e.Grabar(base.bd()));
    QVERIFY(e.IdEmpleado() > 0);
    QVERIFY(e.Nuevo()); // an insert leaves the flag as it was until the row is read

    Empleado leido;
    QVERIFY(leido.Leer(base.bd(), e.IdEmpleado()));
    QVERIFY(!leido.Nuevo());
    QCOMPARE(leido.Nombre(), e.Nombre());
    QCOMPARE(leido.CUIL(), e.CUIL());
    QCOMPARE(leido.FechaIngreso(), QDate(2014, 3, 7));
    QCOMPARE(leido.FechaBaja(), QDate(2015, 12, 31));
    QCOMPARE(leido.Haberes(), 1234.57); // stored with two decimals
    QCOMPARE(leido.Categoria(), 1);
    QCOMPARE(leido.DescripcionCategoria(), QStringLiteral("Jubilado"));
    QVERIFY(leido.Afiliado());
    QVERIFY(leido.MediaJornada());
    QCOMPARE(leido.Licencia(), 3);
    QVERIFY(leido.Empresa().isNull());

    Empleado ausente;
    ausente.setNombre("sin cambios");
    QVERIFY(!ausente.Leer(base.bd(), 9999));
    QCOMPARE(ausente.Nombre(), QStringLiteral("sin cambios"));
}

void TestEmpleado::grabarActualizaPorCuilDeLaMismaEmpresa()
{
    BasePrueba base;
    auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
    Empleado a;
    a.setEmpresa(emp);
    a.setNombre("Primero");
    a.setCUIL("20-12345678-6");
    QVERIFY(a.Grabar(base.bd()));

    Empleado b; // same CUIL typed again: updates that row and takes its id
    b.setEmpresa(emp);
    b.setNombre("Segundo");
    b.setCUIL("20-12345678-6");
    QVERIFY(b.Grabar(base.bd()));
    QCOMPARE(b.IdEmpleado(), a.IdEmpleado());
    QVERIFY(!b.Nuevo());
    QCOMPARE(base.Contar("select count(*) from empleados"), 1);
    QCOMPARE(base.bd().ValorEscalar("select ayn from empleados").toString(), QStringLiteral("Segundo"));

    b.setCUIL("27-12345678-0"); // a new identifier inserts; the old row stays
    QVERIFY(b.Grabar(base.bd()));
    QVERIFY(b.IdEmpleado() != a.IdEmpleado());
    QCOMPARE(base.Contar("select count(*) from empleados"), 2);
}

void TestEmpleado::mismaPersonaEnDosEmpresas()
{
    BasePrueba base;
    auto uno = EmpresaGuardada(base.bd(), "30-12345678-9");
    auto otra = EmpresaGuardada(base.bd(), "30-11111111-9");
    Empleado enUno;
    enUno.setEmpresa(uno);
    enUno.setNombre("Pérez");
    enUno.setCUIL("20-12345678-6");
    enUno.setHaberes(1000);
    QVERIFY(enUno.Grabar(base.bd()));
    Empleado enOtra;
    enOtra.setEmpresa(otra);
    enOtra.setNombre("Pérez");
    enOtra.setCUIL("20-12345678-6");
    enOtra.setHaberes(2000);
    QVERIFY(enOtra.Grabar(base.bd()));
    QVERIFY(enOtra.IdEmpleado() != enUno.IdEmpleado());
    QCOMPARE(base.Contar("select count(*) from empleados"), 2);
    QCOMPARE(base.bd().ValorEscalar(QString("select sueldo from empleados where idempresa = %1").arg(uno->IdEmpresa()))
                 .toDouble(),
             1000.0);
}

void TestEmpleado::grabarSinEmpresaOInvalidoFalla()
{
    BasePrueba base;
    Empleado sinEmpresa;
    sinEmpresa.setNombre("Nadie");
    sinEmpresa.setCUIL("20-12345678-6");
    QVERIFY(!sinEmpresa.Grabar(base.bd()));
    auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
    Empleado sinNombre;
    sinNombre.setEmpresa(emp);
    sinNombre.setCUIL("20-12345678-6");
    QVERIFY(!sinNombre.Validar());
    QVERIFY(!sinNombre.Grabar(base.bd()));
    Empleado largo;
    largo.setEmpresa(emp);
    largo.setCUIL("20-12345678-6");
    largo.setNombre(QString(41, 'x'));
    QVERIFY(!largo.Grabar(base.bd()));
    QCOMPARE(base.Contar("select count(*) from empleados"), 0);
    base.bd().Cerrar();
    largo.setNombre("Ahora bien");
    QVERIFY(!largo.Grabar(base.bd()));
}

void TestEmpleado::clonarCompartelaEmpresa()
{
    auto emp = QSharedPointer<Empresa>::create();
    Empleado e = Miembro();
    e.setEmpresa(emp);
    e.setNombre("Gómez");
    e.setCUIL("20-12345678-6");
    e.setDescripcionCategoria("Cajero A");
    e.setIdEmpleado(7);
    e.setNuevo(false);
    auto copia = e.Clonar();
    QCOMPARE(copia->Empresa(), emp);
    QCOMPARE(copia->Nombre(), e.Nombre());
    QCOMPARE(copia->IdEmpleado(), 7);
    QCOMPARE(copia->Nuevo(), false);
    QCOMPARE(copia->TotalAPagar(), e.TotalAPagar());
    QVERIFY(copia->DescripcionCategoria().isEmpty());
    copia->setHaberes(1);
    QCOMPARE(e.Haberes(), 10000.0);
}

void TestEmpleado::puedeEliminarse()
{
    BasePrueba base;
    auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
    Empleado e;
    e.setEmpresa(emp);
    e.setNombre("Gómez");
    e.setCUIL("20-12345678-6");
    QVERIFY(e.Grabar(base.bd()));
    QVERIFY(e.PuedeEliminarse(base.bd()));
    QVERIFY(base.bd().Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio) values (%1, 3, 2014)")
                                   .arg(emp->IdEmpresa())));
    QVERIFY(base.bd().Ejecutar(QString("insert into liquidaciones_empl (idliquidacion, idempleado) values (%1, %2)")
                                   .arg(base.bd().UltimoId())
                                   .arg(e.IdEmpleado())));
    QVERIFY(!e.PuedeEliminarse(base.bd()));
    QVERIFY(base.bd().Ejecutar(QString("update empleados set bajainformada = -1 where id = %1").arg(e.IdEmpleado())));
    QVERIFY(e.PuedeEliminarse(base.bd()));
}

QTEST_GUILESS_MAIN(TestEmpleado)
#include "tst_empleado.moc"
