// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers: SQL text of amounts, dates and texts, money and date notation, identifier check, key filter.
#include "records/Global.h"
#include "support/Entorno.h"

#include <QTest>

class TestGlobal : public QObject
{
    Q_OBJECT
private slots:
    void notacionDelLocal_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QChar>("separador");
        QTest::newRow("es_AR") << LocalArgentina() << QChar(',');
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << QChar('.');
    }

    void notacionDelLocal()
    {
        QFETCH(QLocale, local);
        QFETCH(QChar, separador);
        LocalPrueba fijo(local);
        QCOMPARE(SeparadorDecimal(), separador);
        // SQL text is locale-free; the shown amount never groups thousands nor reads "-0.00".
        QCOMPARE(ImporteSQL(1500), QStringLiteral("1500.00"));
        QCOMPARE(ImporteSQL(1234.5), QStringLiteral("1234.50"));
        QCOMPARE(FormatoImporte(1234567.891), QStringLiteral("1234567") + separador + QStringLiteral("89"));
        QCOMPARE(FormatoImporte(-0.001), QStringLiteral("0") + separador + QStringLiteral("00"));
        QCOMPARE(FechaSQL(QDate(2013, 12, 31)), QStringLiteral("#12-31-2013#"));
        QCOMPARE(FechaSQL(QDate(2014, 1, 5)), QStringLiteral("#1-5-2014#"));
        // Dates are read day first whatever the locale says.
        QCOMPARE(FechaDeTexto(QStringLiteral("05/03/2014")), QDate(2014, 3, 5));
        QCOMPARE(FechaDeTexto(QStringLiteral("2014-03-05")), QDate(2014, 3, 5));
        QVERIFY(!FechaDeTexto(QStringLiteral("31/02/2014")).isValid());
        QCOMPARE(FormatoFecha(QDate(2014, 3, 5)), QStringLiteral("05/03/2014"));
        // Either key types the locale's separator; digits and backspace pass, anything else is swallowed.
        QCOMPARE(FiltrarTeclaNumerica('.'), int(separador.unicode()));
        QCOMPARE(FiltrarTeclaNumerica(','), int(separador.unicode()));
        QCOMPARE(FiltrarTeclaNumerica('7'), int('7'));
        QCOMPARE(FiltrarTeclaNumerica(8), 8);
        QCOMPARE(FiltrarTeclaNumerica('a'), 0);
        QCOMPARE(FiltrarTeclaNumerica('-'), 0);
    }

    void centavos_data()
    {
        QTest::addColumn<double>("importe");
        QTest::addColumn<qint64>("centavos");
        QTest::addColumn<QString>("sql");
        // Doubles just below a half cent round up once taken to four decimals, as the currency type did.
        QTest::newRow("0.575") << 0.575 << qint64(58) << "0.58";
        QTest::newRow("9683.095") << 9683.095 << qint64(968310) << "9683.10";
        QTest::newRow("2 % of 12801.25") << 12801.25 * 2.0 / 100.0 << qint64(25603) << "256.03";
        QTest::newRow("1.005") << 1.005 << qint64(101) << "1.01";
        QTest::newRow("under half a cent at four decimals") << 0.00494 << qint64(0) << "0.00";
        QTest::newRow("half a cent at four decimals") << 0.00495 << qint64(1) << "0.01";
        QTest::newRow("half away from zero") << -0.005 << qint64(-1) << "-0.01";
        QTest::newRow("no minus zero") << -0.001 << qint64(0) << "0.00";
        QTest::newRow("large") << 999999999.995 << qint64(100000000000) << "1000000000.00";
    }

    void centavos()
    {
        QFETCH(double, importe);
        QFETCH(qint64, centavos);
        QFETCH(QString, sql);
        QCOMPARE(Centavos(importe), centavos);
        // Every rendering of the amount says the same cents.
        QCOMPARE(ImporteSQL(importe), sql);
        LocalPrueba fijo(LocalArgentina());
        QCOMPARE(FormatoImporte(importe), QString(sql).replace(QLatin1Char('.'), QLatin1Char(',')));
    }

    void sqlSinLocal_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("fa_IR") << QLocale(QLocale::Persian, QLocale::Iran);
    }

    void sqlSinLocal()
    {
        QFETCH(QLocale, local);
        LocalPrueba fijo(local);
        // Digits 0-9 and a point, whatever digits and separator the user's locale writes.
        QCOMPARE(ImporteSQL(1000), QStringLiteral("1000.00"));
        QCOMPARE(ImporteSQL(1234567.891), QStringLiteral("1234567.89"));
        QCOMPARE(FechaSQL(QDate(2014, 3, 7)), QStringLiteral("#3-7-2014#"));
        // The figure shown keeps the locale's separator but never its digits or grouping.
        QCOMPARE(FormatoImporte(1234.5), QStringLiteral("1234") + SeparadorDecimal() + QStringLiteral("50"));
    }

    void importeDeTexto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("importe");
        QTest::newRow("coma") << "1234,5" << true << 1234.5;
        QTest::newRow("punto") << "1234.5" << true << 1234.5;
        QTest::newRow("entero") << "700" << true << 700.0;
        QTest::newRow("dos separadores") << "1,2,3" << false << 0.0;
        QTest::newRow("letras") << "12a" << false << 0.0;
        QTest::newRow("vacío") << "" << false << 0.0;
        QTest::newRow("solo separador") << "," << false << 0.0;
    }

    void importeDeTexto()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(double, importe);
        LocalPrueba fijo(LocalArgentina());
        double leido = -1;
        QCOMPARE(ImporteDeTexto(texto, leido), valido);
        if (valido)
            QCOMPARE(leido, importe);
    }

    void fechaFaltanteEsNulo()
    {
        QCOMPARE(FechaSQL(QDate()), QStringLiteral("null"));
    }

    void textoSQLDuplicaApostrofes()
    {
        QCOMPARE(TextoSQL(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
        QCOMPARE(TextoSQL(QStringLiteral("x'); delete from empresas; --")),
                 QStringLiteral("'x''); delete from empresas; --'"));
        // SQLite stops reading a statement at a NUL: it is spliced in, so the text is stored as given.
        QCOMPARE(TextoSQL(QStringLiteral("a") + QChar(0) + QStringLiteral("b")), QStringLiteral("'a' || char(0) || 'b'"));
    }

    void cuit_data()
    {
        QTest::addColumn<QString>("identificador");
        QTest::addColumn<bool>("valido");
        QTest::newRow("suma 148") << "20-12345678-6" << true;
        QTest::newRow("suma 148, dígito errado") << "20-12345678-5" << false;
        QTest::newRow("múltiplo de 11") << "27-12345678-0" << true;
        QTest::newRow("30-00000000-0") << "30-00000000-0" << false;
        QTest::newRow("resto 1 con 9") << "20-00000001-9" << true;
        QTest::newRow("resto 1 con 0") << "20-00000001-0" << false;
        QTest::newRow("sin guiones, con espacios") << " 20123456786 " << true;
        QTest::newRow("máscara incompleta") << "20-1234567_-6" << false;
        QTest::newRow("vacío") << "" << false;
        QTest::newRow("con letras") << "2A-12345678-6" << false;
        QTest::newRow("diez dígitos") << "20-1234567-6" << false;
    }

    void cuit()
    {
        QFETCH(QString, identificador);
        QFETCH(bool, valido);
        QCOMPARE(CuitValido(identificador), valido);
    }
};

QTEST_GUILESS_MAIN(TestGlobal)
#include "tst_global.moc"
