// SPDX-License-Identifier: GPL-3.0-or-later
// Employee amounts (now and for a period) and storage.
#include "liquidation/Liquidacion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "support/BasePrueba.h"
#include "support/Entorno.h"

#include <QTest>

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

QSharedPointer<Empresa> EmpresaGuardada(Conexion& bd, const QString& cuit)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    for (auto set : {&Empresa::setNombre, &Empresa::setCalle, &Empresa::setNumero, &Empresa::setCalleLegal,
                     &Empresa::setNumeroLegal, &Empresa::setLocalidad, &Empresa::setCodPost, &Empresa::setCodRubro})
        (emp.data()->*set)(cuit.left(10));
    return emp->Grabar(bd) ? emp : nullptr;
}

Empleado Nuevo(const QSharedPointer<Empresa>& emp, const QString& nombre, const QString& cuil)
{
    Empleado e;
    e.setEmpresa(emp);
    e.setNombre(nombre);
    e.setCUIL(cuil);
    return e;
}
} // namespace

class TestEmpleado : public QObject
{
    Q_OBJECT
private slots:
    void importes_data()
    {
        QTest::addColumn<bool>("afiliado");
        QTest::addColumn<bool>("media");
        QTest::addColumn<int>("licencia");
        QTest::addColumn<QDate>("baja");
        QTest::addColumn<int>("mes");
        QTest::addColumn<QList<double>>("ahora"); // Aporte2, FCM, CuotaSindical
        QTest::addColumn<QList<double>>("periodo"); // the same for the period's month of 2014
        const QDate sinBaja(2500, 1, 1), marzo15(2014, 3, 15);
        using L = QList<double>;
        QTest::newRow("afiliado") << true << false << 0 << sinBaja << 3 << L{200, 200, 150} << L{200, 200, 150};
        QTest::newRow("media jornada duplica el FCM") << true << true << 0 << sinBaja << 3 << L{200, 400, 150} << L{200, 400, 150};
        QTest::newRow("no afiliado") << false << true << 0 << sinBaja << 3 << L{200, 0, 0} << L{200, 0, 0};
        QTest::newRow("maternidad") << true << false << 2 << sinBaja << 3 << L{0, 0, 0} << L{0, 0, 0};
        QTest::newRow("baja en el mes") << true << false << 0 << marzo15 << 3 << L{0, 0, 0} << L{200, 200, 150};
        QTest::newRow("baja posterior") << true << false << 0 << marzo15 << 2 << L{0, 0, 0} << L{200, 200, 150};
        QTest::newRow("baja anterior") << true << false << 0 << marzo15 << 4 << L{0, 0, 0} << L{0, 0, 0};
        QTest::newRow("baja el último día del mes anterior") << true << false << 0 << QDate(2014, 3, 31) << 4
                                                              << L{0, 0, 0} << L{0, 0, 0};
    }

    void importes()
    {
        QFETCH(bool, afiliado);
        QFETCH(bool, media);
        QFETCH(int, licencia);
        QFETCH(QDate, baja);
        QFETCH(int, mes);
        QFETCH(QList<double>, ahora);
        QFETCH(QList<double>, periodo);
        Empleado e = Miembro();
        e.setAfiliado(afiliado);
        e.setMediaJornada(media);
        e.setLicencia(licencia);
        e.setFechaBaja(baja);
        Liquidacion liq;
        liq.setMes(mes);
        liq.setAnio(2014);
        QCOMPARE((QList<double>{e.Aporte2(), e.FCM(), e.CuotaSindical()}), ahora);
        QCOMPARE((QList<double>{e.Aporte2L(liq), e.FCML(liq), e.CuotaSindicalL(liq)}), periodo);
        QCOMPARE(e.TotalAPagar(), ahora[0] + ahora[1]);
        QCOMPARE(e.TotalAPagarL(liq), periodo[0] + periodo[1]);
    }

    void cuotaSindicalEnJunioYDiciembre()
    {
        const Empleado e = Miembro();
        Liquidacion liq;
        liq.setAnio(2014);
        for (int mes = 1; mes <= 12; ++mes) {
            liq.setMes(mes);
            QCOMPARE(e.CuotaSindicalL(liq), (mes == 6 || mes == 12) ? 225.0 : 150.0);
        }
    }

    void grabarYLeer()
    {
        BasePrueba base;
        auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
        Empleado e = Nuevo(emp, "O'Brien, María José", "20-12345678-6");
        e.setFechaIngreso(QDate(2014, 3, 7));
        e.setFechaBaja(QDate(2015, 12, 31));
        e.setHaberes(1234.567);
        e.setCategoria(1);
        e.setAfiliado(true);
        e.setMediaJornada(true);
        e.setLicencia(3);
        QVERIFY2(e.Grabar(base.bd()), qPrintable(base.bd().UltimoError()));
        QVERIFY(e.IdEmpleado() > 0);

        Empleado leido;
        QVERIFY(leido.Leer(base.bd(), e.IdEmpleado()));
        QVERIFY(!leido.Nuevo());
        QCOMPARE(leido.Nombre(), e.Nombre());
        QCOMPARE(leido.CUIL(), e.CUIL());
        QCOMPARE(leido.FechaIngreso(), QDate(2014, 3, 7));
        QCOMPARE(leido.FechaBaja(), QDate(2015, 12, 31));
        QCOMPARE(leido.Haberes(), 1234.57); // stored with two decimals
        QCOMPARE(leido.DescripcionCategoria(), QStringLiteral("Jubilado"));
        QVERIFY(leido.Afiliado() && leido.MediaJornada());
        QCOMPARE(leido.Licencia(), 3);
        QVERIFY(!leido.Leer(base.bd(), 9999));
        QCOMPARE(leido.Nombre(), e.Nombre()); // unchanged by a missing id
    }

    void fechasFaltantesYFilaBorrada()
    {
        BasePrueba base;
        LocalPrueba arabe(QLocale(QLocale::Arabic, QLocale::Egypt));
        auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
        Empleado e = Nuevo(emp, "Sin Fechas", "20-12345678-6");
        e.setFechaIngreso(QDate());
        e.setFechaBaja(QDate());
        e.setHaberes(1000);
        QVERIFY2(e.Grabar(base.bd()), qPrintable(base.bd().UltimoError()));
        QCOMPARE(base.bd().ValorEscalar("select sueldo from empleados").toDouble(), 1000.0);
        Empleado leido;
        QVERIFY(leido.Leer(base.bd(), e.IdEmpleado()));
        QVERIFY(!leido.FechaIngreso().isValid());
        QVERIFY(!leido.DeBaja()); // no termination date is no termination
        leido.setEmpresa(emp);
        QVERIFY(leido.Grabar(base.bd()));

        // An update that reaches no row (here skipped by a trigger) is a failed save, not a success.
        QVERIFY(base.bd().Ejecutar("create trigger ignorar before update on empleados begin "
                                   "select raise(ignore); end"));
        leido.setNombre("Cambiado");
        QVERIFY(!leido.Grabar(base.bd()));
        QCOMPARE(base.bd().ValorEscalar("select ayn from empleados").toString(), QStringLiteral("Sin Fechas"));
    }

    void grabarBuscaElCuilSoloEnSuEmpresa()
    {
        BasePrueba base;
        auto uno = EmpresaGuardada(base.bd(), "30-12345678-9");
        auto otra = EmpresaGuardada(base.bd(), "30-11111111-9");
        Empleado a = Nuevo(uno, "Primero", "20-12345678-6");
        QVERIFY(a.Grabar(base.bd()));
        Empleado b = Nuevo(uno, "Segundo", "20-12345678-6"); // typed again: updates that row, takes its id
        QVERIFY(b.Grabar(base.bd()));
        QCOMPARE(b.IdEmpleado(), a.IdEmpleado());
        QVERIFY(!b.Nuevo());
        QCOMPARE(base.bd().ValorEscalar("select ayn from empleados").toString(), QStringLiteral("Segundo"));

        Empleado enOtra = Nuevo(otra, "Segundo", "20-12345678-6"); // same person, another employer
        QVERIFY(enOtra.Grabar(base.bd()));
        QVERIFY(enOtra.IdEmpleado() != a.IdEmpleado());
        b.setCUIL("27-12345678-0"); // a new identifier inserts; the old row stays
        QVERIFY(b.Grabar(base.bd()));
        QCOMPARE(base.Contar(QString("select count(*) from empleados where idempresa = %1").arg(uno->IdEmpresa())), 2);
        QCOMPARE(base.Contar("select count(*) from empleados"), 3);
    }

    void grabarInvalidoOSinEmpresaFalla()
    {
        BasePrueba base;
        auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
        QVERIFY(!Nuevo(nullptr, "Nadie", "20-12345678-6").Grabar(base.bd()));
        QVERIFY(!Nuevo(emp, QString(), "20-12345678-6").Grabar(base.bd()));
        QVERIFY(!Nuevo(emp, QString(41, 'x'), "20-12345678-6").Grabar(base.bd()));
        QCOMPARE(base.Contar("select count(*) from empleados"), 0);
        base.bd().Cerrar();
        QVERIFY(!Nuevo(emp, "Ahora bien", "20-12345678-6").Grabar(base.bd()));
    }

    void clonarYPuedeEliminarse()
    {
        BasePrueba base;
        auto emp = EmpresaGuardada(base.bd(), "30-12345678-9");
        Empleado e = Nuevo(emp, "Gómez", "20-12345678-6");
        e.setDescripcionCategoria("Cajero A");
        QVERIFY(e.Grabar(base.bd()));
        auto copia = e.Clonar();
        QCOMPARE(copia->Empresa(), emp);
        QCOMPARE(copia->IdEmpleado(), e.IdEmpleado());
        QVERIFY(copia->DescripcionCategoria().isEmpty());
        copia->setHaberes(1);
        QCOMPARE(e.Haberes(), 0.0);

        QVERIFY(e.PuedeEliminarse(base.bd()));
        QVERIFY(base.bd().Ejecutar(QString("insert into liquidaciones (idmatriz, mes, anio) values (%1, 3, 2014)").arg(emp->IdEmpresa())));
        QVERIFY(base.bd().Ejecutar(QString("insert into liquidaciones_empl (idliquidacion, idempleado) values (%1, %2)")
                                       .arg(base.bd().UltimoId()).arg(e.IdEmpleado())));
        QVERIFY(!e.PuedeEliminarse(base.bd()));
        QVERIFY(base.bd().Ejecutar(QString("update empleados set bajainformada = -1 where id = %1").arg(e.IdEmpleado())));
        QVERIFY(e.PuedeEliminarse(base.bd()));
    }
};

QTEST_GUILESS_MAIN(TestEmpleado)
#include "tst_empleado.moc"
