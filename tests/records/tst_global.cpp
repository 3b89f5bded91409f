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

    void textoSQLDuplicaApostrofes()
    {
        QCOMPARE(TextoSQL(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
        QCOMPARE(TextoSQL(QStringLiteral("x'); delete from empresas; --")),
                 QStringLiteral("'x''); delete from empresas; --'"));
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
