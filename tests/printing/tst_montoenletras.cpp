// SPDX-License-Identifier: GPL-3.0-or-later
// The amount in words exactly as the bank teller reads it, double blanks included.
#include "printing/MontoEnLetras.h"

#include <QTest>

class TestMontoEnLetras : public QObject
{
    Q_OBJECT
private slots:
    void texto_data()
    {
        QTest::addColumn<double>("importe");
        QTest::addColumn<QString>("esperado");
        // The union's own worked examples.
        QTest::newRow("0") << 0.0 << "CERO";
        QTest::newRow("0.50") << 0.50 << "CON ( 50/100)";
        QTest::newRow("1") << 1.0 << " UNO CON ( 0/100)";
        QTest::newRow("21.10") << 21.10 << "VEINTIUN  CON ( 10/100)";
        QTest::newRow("31") << 31.0 << "TREINTA  Y UN  CON ( 0/100)";
        QTest::newRow("100") << 100.0 << "CIEN CON ( 0/100)";
        QTest::newRow("1000") << 1000.0 << " MIL CON ( 0/100)";
        QTest::newRow("1031.05") << 1031.05 << " MIL TREINTA  Y UNO CON ( 5/100)";
        QTest::newRow("2500") << 2500.0 << "DOS  MIL QUINIENTOS  CON ( 0/100)";
        QTest::newRow("1000000") << 1000000.0 << " UN MILLON CON ( 0/100)";
        // The words follow the rounded figure, even across a group.
        QTest::newRow("12.996") << 12.996 << "TRECE  CON ( 0/100)";
        QTest::newRow("999.995") << 999.995 << " MIL CON ( 0/100)";
        QTest::newRow("0.004") << 0.004 << "CERO";
        // Exact half cents sit just below the half as doubles: four decimals first, then cents.
        QTest::newRow("0.575") << 0.575 << "CON ( 58/100)";
        QTest::newRow("9683.095") << 9683.095 << "NUEVE  MIL SEISCIENTOS OCHENTA  Y TRES  CON ( 10/100)";
        QTest::newRow("2 % of 12801.25") << 12801.25 * 0.02 << "DOSCIENTOS CINCUENTA  Y SEIS  CON ( 3/100)";
        QTest::newRow("30: no Y") << 30.0 << "TREINTA  CON ( 0/100)";
        // UN before a noun, UNO after a thousands group; CIEN in each group.
        QTest::newRow("101") << 101.0 << "CIENTO UN  CON ( 0/100)";
        QTest::newRow("1101") << 1101.0 << " MIL CIENTO UNO CON ( 0/100)";
        QTest::newRow("31031") << 31031.0 << "TREINTA  Y UN  MIL TREINTA  Y UNO CON ( 0/100)";
        QTest::newRow("1001001") << 1001001.0 << " UN MILLON  MIL  UNO CON ( 0/100)";
        QTest::newRow("100100100") << 100100100.0 << " CIEN MILLONES CIEN  MIL CIEN CON ( 0/100)";
        QTest::newRow("largest") << 999999999.99
                                 << "NOVECIENTOS NOVENTA  Y NUEVE  MILLONES NOVECIENTOS NOVENTA  Y NUEVE  MIL "
                                    "NOVECIENTOS NOVENTA  Y NUEVE  CON ( 99/100)";
        // Outside the range: nothing rather than wrong words.
        QTest::newRow("billion") << 1000000000.0 << "";
        QTest::newRow("negative") << -5.0 << "";
    }

    void texto()
    {
        QFETCH(double, importe);
        QFETCH(QString, esperado);
        QCOMPARE(MontoEnLetras(importe), esperado);
    }
};

QTEST_GUILESS_MAIN(TestMontoEnLetras)
#include "tst_montoenletras.moc"
