// SPDX-License-Identifier: GPL-3.0-or-later
// The 60-digit payment code, its check digit, the slips it refuses, and the size of its symbol.
#include "liquidation/Liquidacion.h"
#include "printing/CodigoBarras.h"
#include "printing/CodigoPago.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/ListaEmpleados.h"

#include <QTest>

#include <memory>

namespace {

/// A slip of March 2012 for CUIT 30-12345678-1 with `empleados` employees earning `haberes` each,
/// the first two union members; 2 % and FCM at 2 %, no dues.
std::unique_ptr<Liquidacion> Boleta(int empleados = 3, double haberes = 100000)
{
    auto empresa = QSharedPointer<Empresa>::create();
    empresa->setCUIT(QStringLiteral("30-12345678-1"));
    auto liq = std::make_unique<Liquidacion>();
    liq->setEmpresa(empresa);
    liq->setMes(3);
    liq->setAnio(2012);
    for (int i = 0; i < empleados; ++i) {
        auto e = QSharedPointer<Empleado>::create();
        e->setCUIL(QString::number(i));
        e->setHaberes(haberes);
        e->setParam2(0.02);
        e->setParamFCM(0.02);
        e->setParamCuotaSindical(0);
        e->setAfiliado(i < 2);
        liq->ListaEmpleadosLiquidacion().Add(e, e->CUIL());
    }
    return liq;
}

/// Deposits 2 % 6000, FCM 4000 and a 10 % surcharge of 1000.
std::unique_ptr<Liquidacion> BoletaPagada()
{
    auto liq = Boleta();
    liq->setPagado2(6000);
    liq->setPagadoFCM(4000);
    liq->setCoeficiente(10);
    liq->setPagadoRecargo(1000);
    return liq;
}

} // namespace

class TestCodigoPago : public QObject
{
    Q_OBJECT
private slots:
    void digitoVerificador_data();
    void digitoVerificador();
    void codigos_data();
    void codigos();
    void limites_data();
    void limites();
    void simbolo_data();
    void simbolo();
};

void TestCodigoPago::digitoVerificador_data()
{
    QTest::addColumn<QString>("digitos");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("EAN-13") << "400638133393" << "1";
    QTest::newRow("sum 30 gives 0, never 10") << "55" << "0";
    QTest::newRow("all zeros") << "000" << "0";
    QTest::newRow("not a digit") << "12a4" << "";
}

void TestCodigoPago::digitoVerificador()
{
    QFETCH(QString, digitos);
    QFETCH(QString, esperado);
    const QChar d = DigitoVerificadorGS1(digitos);
    QCOMPARE(d.isNull() ? QString() : QString(d), esperado);
}

void TestCodigoPago::codigos_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("ordinary") << "ordinaria" << "826030123456781001100000032012000030060000000400000010000013";
    QTest::newRow("requirement") << "acta" << "826030123456781000223450999999000030000456700123450010000014";
    QTest::newRow("zero") << "cero" << "826030123456781000000000032012000000000000000000000000000019";
    QTest::newRow("0.05") << "cinco" << "826030123456781000000005032012000000000000000000000000000014";
    QTest::newRow("check sum divisible by 10") << "suma10"
                                               << "826020123456780000000005032012000000000000000000000000000010";
    QTest::newRow("cents rounded half away from zero") << "redondeo"
                                                       << "826030123456781000001300032012000000000000000000000000000013";
}

void TestCodigoPago::codigos()
{
    QFETCH(QString, caso);
    QFETCH(QString, esperado);
    std::unique_ptr<Liquidacion> liq;
    if (caso == QLatin1String("ordinaria")) {
        liq = BoletaPagada();
    } else if (caso == QLatin1String("acta")) {
        liq = Boleta();
        liq->setCoeficiente(10);
        liq->setPagadoRecargo(1000);
        liq->setNroReq(QStringLiteral("4567"));
        liq->setPagadoReq(1234.5);
    } else {
        liq = Boleta(0);
        if (caso == QLatin1String("cinco"))
            liq->setPagadoOtros(0.05);
        else if (caso == QLatin1String("suma10")) {
            liq->Empresa()->setCUIT(QStringLiteral("20-12345678-0"));
            liq->setPagadoOtros(0.05);
        } else if (caso == QLatin1String("redondeo"))
            liq->setPagadoOtros(12.996);
    }
    QString error;
    const QString codigo = CodigoPago(*liq, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(codigo.size(), 60);
    QCOMPARE(codigo, esperado);
    QCOMPARE(codigo.at(58), QLatin1Char('1'));
}

void TestCodigoPago::limites_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("motivo"); // empty when the code is built
    QTest::newRow("total 9999999.99 fits") << "total-maximo" << "";
    QTest::newRow("total 10000000.00") << "total-excedido" << "total a depositar";
    QTest::newRow("negative total") << "total-negativo" << "negativo";
    QTest::newRow("99999 employees fit") << "empleados-maximo" << "";
    QTest::newRow("100000 employees") << "empleados-excedido" << "cantidad de empleados";
    QTest::newRow("2 % of 1000000.00") << "dos-excedido" << "2 %";
    QTest::newRow("surcharge of 100000.00") << "recargo-excedido" << "recargo";
    QTest::newRow("requirement amount of 1000000.00") << "acta-importe" << "importe del acta";
    QTest::newRow("incomplete CUIT") << "cuit-incompleto" << "CUIT";
    QTest::newRow("empty CUIT") << "cuit-vacio" << "CUIT";
    QTest::newRow("requirement with a letter") << "acta-letra" << "número de acta";
    QTest::newRow("requirement of 8 digits fits") << "acta-8" << "";
    QTest::newRow("requirement of 9 digits") << "acta-9" << "número de acta";
}

void TestCodigoPago::limites()
{
    QFETCH(QString, caso);
    QFETCH(QString, motivo);
    std::unique_ptr<Liquidacion> liq;
    if (caso.startsWith(QLatin1String("empleados")))
        liq = Boleta(caso.endsWith(QLatin1String("maximo")) ? 99999 : 100000, 1);
    else if (caso == QLatin1String("dos-excedido"))
        liq = Boleta(1, 50000000);
    else
        liq = Boleta(caso == QLatin1String("recargo-excedido") ? 1 : 0, 5000000);

    if (caso == QLatin1String("total-maximo"))
        liq->setPagadoOtros(9999999.99);
    else if (caso == QLatin1String("total-excedido"))
        liq->setPagadoOtros(10000000.00);
    else if (caso == QLatin1String("total-negativo"))
        liq->setPagadoOtros(-5);
    else if (caso == QLatin1String("dos-excedido"))
        liq->setPagado2(1000000);
    else if (caso == QLatin1String("recargo-excedido")) {
        liq->setCoeficiente(100);
        liq->setPagadoRecargo(100000);
    } else if (caso == QLatin1String("acta-importe")) {
        liq->setNroReq(QStringLiteral("1"));
        liq->setPagadoReq(1000000);
    } else if (caso == QLatin1String("cuit-incompleto"))
        liq->Empresa()->setCUIT(QStringLiteral("30-1234____-_"));
    else if (caso == QLatin1String("cuit-vacio"))
        liq->Empresa()->setCUIT(QString());
    else if (caso == QLatin1String("acta-letra"))
        liq->setNroReq(QStringLiteral("12A4"));
    else if (caso == QLatin1String("acta-8"))
        liq->setNroReq(QStringLiteral("12345678"));
    else if (caso == QLatin1String("acta-9"))
        liq->setNroReq(QStringLiteral("123456789"));

    QString error;
    const QString codigo = CodigoPago(*liq, &error);
    if (motivo.isEmpty()) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(codigo.size(), 60);
    } else {
        QVERIFY(codigo.isEmpty());
        QVERIFY2(error.contains(motivo, Qt::CaseInsensitive), qPrintable(error));
    }
}

void TestCodigoPago::simbolo_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("tamano");
    // Start C, 30 digit pairs, check character and stop: 365 modules of 4/300 inch, 0.4 inch high.
    QTest::newRow("300 dpi") << 300 << QSize(365 * 4, 120);
    QTest::newRow("1200 dpi") << 1200 << QSize(365 * 16, 480);
    QTest::newRow("600 dpi") << 600 << QSize(365 * 8, 240);
    QTest::newRow("below 300 dpi: one pixel") << 200 << QSize(365, 80);
}

void TestCodigoPago::simbolo()
{
    QFETCH(int, dpi);
    QFETCH(QSize, tamano);
    CodigoBarras simbolo(ParametrosCodigoBarras::ParaSlip(dpi));
    QCOMPARE(simbolo.Tamano(CodigoPago(*BoletaPagada())), tamano);

    ParametrosCodigoBarras soloC = ParametrosCodigoBarras::ParaSlip(dpi);
    soloC.Simbologia = ParametrosCodigoBarras::Code128C;
    CodigoBarras impar(soloC);
    QVERIFY(impar.Tamano(QStringLiteral("12345")).isEmpty());
    QVERIFY(!impar.UltimoError().isEmpty());
}

QTEST_GUILESS_MAIN(TestCodigoPago)
#include "tst_codigopago.moc"
