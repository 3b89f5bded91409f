// SPDX-License-Identifier: GPL-3.0-or-later
// The 60-digit payment code and the slips it refuses.
#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "printing/MontoEnLetras.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "support/BasePrueba.h"
#include "support/Entorno.h"

#include <QTest>

class TestCodigoPago : public QObject
{
    Q_OBJECT
private slots:
    void codigo_data()
    {
        using Pagos = QList<double>; // other payments, requirement, surcharge, 2 %, FCM
        QTest::addColumn<QString>("cuit");
        QTest::addColumn<int>("empleados"); // earning 100000 each, the first two union members
        QTest::addColumn<QString>("acta");
        QTest::addColumn<Pagos>("pagos");
        QTest::addColumn<QString>("esperado"); // the code, or part of the reason it is refused
        const QString cuit = QStringLiteral("30-12345678-1");
        QTest::newRow("ordinary") << cuit << 3 << "" << Pagos{0, 0, 1000, 6000, 4000}
                                  << "826030123456781001100000032012000030060000000400000010000013";
        QTest::newRow("requirement") << cuit << 3 << "4567" << Pagos{0, 1234.5, 1000}
                                     << "826030123456781000223450999999000030000456700123450010000014";
        QTest::newRow("zero") << cuit << 0 << "" << Pagos{} << "826030123456781000000000032012000000000000000000000000000019";
        QTest::newRow("0.05") << cuit << 0 << "" << Pagos{0.05} << "826030123456781000000005032012000000000000000000000000000014";
        QTest::newRow("check sum divisible by 10") << "20-12345678-0" << 0 << "" << Pagos{0.05}
                                                   << "826020123456780000000005032012000000000000000000000000000010";
        QTest::newRow("cents rounded half away from zero") << cuit << 0 << "" << Pagos{12.996}
                                                           << "826030123456781000001300032012000000000000000000000000000013";
        QTest::newRow("total 9999999.99 fits") << cuit << 0 << "" << Pagos{9999999.99}
                                               << "826030123456781999999999032012000000000000000000000000000016";
        QTest::newRow("requirement of 8 digits fits") << cuit << 0 << "12345678" << Pagos{}
                                                      << "826030123456781000000000999999000001234567800000000000000019";
        QTest::newRow("total 10000000.00") << cuit << 0 << "" << Pagos{10000000} << "total a depositar";
        QTest::newRow("negative total") << cuit << 0 << "" << Pagos{-5} << "negativo";
        QTest::newRow("incomplete CUIT") << "30-1234____-_" << 0 << "" << Pagos{} << "CUIT";
        QTest::newRow("requirement with a letter") << cuit << 0 << "12A4" << Pagos{} << "número de acta";
        QTest::newRow("requirement of 9 digits") << cuit << 0 << "123456789" << Pagos{} << "número de acta";
        QTest::newRow("requirement amount of 1000000.00") << cuit << 0 << "1" << Pagos{0, 1000000} << "importe del acta";
    }
    void codigo()
    {
        QFETCH(QString, cuit);
        QFETCH(int, empleados);
        QFETCH(QString, acta);
        QFETCH(QList<double>, pagos);
        QFETCH(QString, esperado);
        // March 2012, 2 % and FCM at 2 %, no dues, surcharges of up to 100 %.
        Liquidacion liq;
        auto empresa = QSharedPointer<Empresa>::create();
        empresa->setCUIT(cuit);
        liq.setEmpresa(empresa);
        liq.setMes(3);
        liq.setAnio(2012);
        liq.setCoeficiente(100);
        for (int i = 0; i < empleados; ++i) {
            auto e = QSharedPointer<Empleado>::create();
            e->setCUIL(QString::number(i));
            e->setHaberes(100000);
            e->setParam2(0.02);
            e->setParamFCM(0.02);
            e->setParamCuotaSindical(0);
            e->setAfiliado(i < 2);
            liq.ListaEmpleadosLiquidacion().Add(e, e->CUIL());
        }
        pagos.resize(5);
        liq.setPagadoOtros(pagos[0]);
        liq.setNroReq(acta);
        liq.setPagadoReq(pagos[1]);
        liq.setPagadoRecargo(pagos[2]);
        liq.setPagado2(pagos[3]);
        liq.setPagadoFCM(pagos[4]);
        QString error;
        const QString codigo = CodigoPago(liq, &error);
        QCOMPARE(codigo, esperado.size() == 60 ? esperado : QString());
        QVERIFY2(esperado.size() == 60 ? error.isEmpty() : error.contains(esperado, Qt::CaseInsensitive), qPrintable(error));
    }

    void medioCentavoIgualEnTodasPartes()
    {
        // 2 % of 12,801.25 is 256.025: the figure, the words, the code and the stored value say 256,03.
        BasePrueba base;
        LocalPrueba local(LocalArgentina());
        auto empresa = QSharedPointer<Empresa>::create();
        empresa->setCUIT(QStringLiteral("30-12345678-1"));
        empresa->setNombre(QStringLiteral("Medio Centavo"));
        empresa->setCalle(QStringLiteral("C"));
        empresa->setNumero(QStringLiteral("1"));
        empresa->setCalleLegal(QStringLiteral("C"));
        empresa->setNumeroLegal(QStringLiteral("1"));
        empresa->setCodPost(QStringLiteral("1602"));
        empresa->setLocalidad(QStringLiteral("FLORIDA"));
        empresa->setCodRubro(QStringLiteral("523110"));
        QVERIFY(empresa->Grabar(base.bd()));
        Liquidacion liq;
        liq.setEmpresa(empresa);
        liq.setMes(3);
        liq.setAnio(2012);
        auto e = QSharedPointer<Empleado>::create();
        e->setCUIL(QStringLiteral("20-12345678-6"));
        e->setNombre(QStringLiteral("X"));
        e->setHaberes(12801.25);
        liq.ListaEmpleadosLiquidacion().Add(e, e->CUIL());
        liq.setPagado2(liq.APagar2());
        QCOMPARE(FormatoImporte(liq.PagadoTotal()), QStringLiteral("256,03"));
        QVERIFY(MontoEnLetras(liq.PagadoTotal()).endsWith(QStringLiteral("( 3/100)")));
        QCOMPARE(CodigoPago(liq).mid(15, 9), QStringLiteral("000025603"));
        QCOMPARE(CodigoPago(liq).mid(35, 8), QStringLiteral("00025603"));
        QVERIFY(liq.TextoEnvio().contains(QStringLiteral("\r\n256,03\r\n")));
        QVERIFY2(liq.Grabar(base.bd()), qPrintable(base.bd().UltimoError()));
        QCOMPARE(base.bd().ValorEscalar("select pagado2 from liquidaciones").toDouble(), 256.03);
        QCOMPARE(base.bd().ValorEscalar("select apagar2 from liquidaciones").toDouble(), 256.03);
        QCOMPARE(base.bd().ValorEscalar("select pagadototal from liquidaciones").toDouble(), 256.03);
    }
};

QTEST_GUILESS_MAIN(TestCodigoPago)
#include "tst_codigopago.moc"
