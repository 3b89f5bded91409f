// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers: SQL text of amounts, dates and texts, money and date notation, identifier check, key filter.
#include "records/Global.h"
#include "support/Entorno.h"

#include <QTest>

class TestGlobal : public QObject
{
    Q_OBJECT
private slots:
    void fechaSQL_data();
    void fechaSQL();
    void importesConComaDecimal();
    void importesConPuntoDecimal();
    void textoSQLDuplicaApostrofes();
    void fechasDiaPrimeroEnCualquierLocal_data();
    void fechasDiaPrimeroEnCualquierLocal();
    void cuit_data();
    void cuit();
    void filtroDeTeclas();
};

void TestGlobal::fechaSQL_data()
{
    QTest::addColumn<QDate>("fecha");
    QTest::addColumn<QString>("texto");
    QTest::newRow("fin de año") << QDate(2013, 12, 31) << "#12-31-2013#";
    QTest::newRow("sin ceros") << QDate(2014, 1, 5) << "#1-5-2014#";
    QTest::newRow("7 de marzo") << QDate(2014, 3, 7) << "#3-7-2014#";
    QTest::newRow("sin baja") << QDate(2500, 1, 1) << "#1-1-2500#";
}

void TestGlobal::fechaSQL()
{
    QFETCH(QDate, fecha);
    QFETCH(QString, texto);
    LocalPrueba local(LocalArgentina());
    QCOMPARE(FechaSQL(fecha), texto);
}

void TestGlobal::importesConComaDecimal()
{
    LocalPrueba local(LocalArgentina());
    QCOMPARE(SeparadorDecimal(), QChar(','));
    QCOMPARE(ImporteSQL(1500), QStringLiteral("1500.00"));
    QCOMPARE(ImporteSQL(1234.5), QStringLiteral("1234.50"));
    QCOMPARE(NumeroSQL(QStringLiteral("12,5")), QStringLiteral("12.5"));
    // No thousands separator, even where the locale groups digits.
    QCOMPARE(FormatoImporte(1234567.891), QStringLiteral("1234567,89"));
    QCOMPARE(FormatoImporte(-0.001), QStringLiteral("0,00"));
    QCOMPARE(FormatoImporte(2.345), QStringLiteral("2,35"));
    QCOMPARE(FiltrarTeclaNumerica('.'), int(','));
}

void TestGlobal::importesConPuntoDecimal()
{
    LocalPrueba local(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(SeparadorDecimal(), QChar('.'));
    QCOMPARE(FormatoImporte(1234567.5), QStringLiteral("1234567.50"));
    QCOMPARE(ImporteSQL(1500), QStringLiteral("1500.00"));
    QCOMPARE(FiltrarTeclaNumerica(','), int('.'));
}

void TestGlobal::textoSQLDuplicaApostrofes()
{
    QCOMPARE(TextoSQL(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    QCOMPARE(TextoSQL(QStringLiteral("x'); delete from empresas; --")),
             QStringLiteral("'x''); delete from empresas; --'"));
    QCOMPARE(TextoSQL(QString()), QStringLiteral("''"));
    QCOMPARE(BooleanoSQL(true), QStringLiteral("-1"));
    QCOMPARE(BooleanoSQL(false), QStringLiteral("0"));
}

void TestGlobal::fechasDiaPrimeroEnCualquierLocal_data()
{
    QTest::addColumn<QLocale>("local");
    QTest::newRow("es_AR") << LocalArgentina();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
}

void TestGlobal::fechasDiaPrimeroEnCualquierLocal()
{
    QFETCH(QLocale, local);
    LocalPrueba fijo(local);
    QCOMPARE(FechaDeTexto(QStringLiteral("05/03/2014")), QDate(2014, 3, 5));
    QCOMPARE(FechaDeTexto(QStringLiteral("5/3/2014")), QDate(2014, 3, 5));
    QCOMPARE(FechaDeTexto(QStringLiteral("2014-03-05")), QDate(2014, 3, 5));
    QCOMPARE(FechaDeTexto(QStringLiteral("01/01/2500")), FechaSinBaja());
    QVERIFY(!FechaDeTexto(QStringLiteral("31/02/2014")).isValid());
    QVERIFY(!FechaDeTexto(QString()).isValid());
    QCOMPARE(FormatoFecha(QDate(2014, 3, 5)), QStringLiteral("05/03/2014"));
}

void TestGlobal::cuit_data()
{
    QTest::addColumn<QString>("identificador");
    QTest::addColumn<bool>("valido");
    QTest::newRow("suma 148") << "20-12345678-6" << true;
    QTest::newRow("suma 148, dígito errado") << "20-12345678-5" << false;
    QTest::newRow("múltiplo de 11") << "27-12345678-0" << true;
    QTest::newRow("30-00000000-0") << "30-00000000-0" << false;
    QTest::newRow("resto 1 con 9") << "20-00000001-9" << true;
    QTest::newRow("resto 1 con 0") << "20-00000001-0" << false;
    QTest::newRow("sin guiones") << "20123456786" << true;
    QTest::newRow("espacios alrededor") << "  20-12345678-6 " << true;
    QTest::newRow("máscara incompleta") << "20-1234567_-6" << false;
    QTest::newRow("máscara vacía") << "__-________-_" << false;
    QTest::newRow("vacío") << "" << false;
    QTest::newRow("con letras") << "2A-12345678-6" << false;
    QTest::newRow("diez dígitos") << "20-1234567-6" << false;
    QTest::newRow("doce dígitos") << "20-123456789-6" << false;
}

void TestGlobal::cuit()
{
    QFETCH(QString, identificador);
    QFETCH(bool, valido);
    QCOMPARE(CuitValido(identificador), valido);
}

void TestGlobal::filtroDeTeclas()
{
    LocalPrueba local(LocalArgentina());
    QCOMPARE(FiltrarTeclaNumerica(','), int(','));
    QCOMPARE(FiltrarTeclaNumerica('7'), int('7'));
    QCOMPARE(FiltrarTeclaNumerica(8), 8);
    QCOMPARE(FiltrarTeclaNumerica('a'), 0);
    QCOMPARE(FiltrarTeclaNumerica('-'), 0);
    QCOMPARE(FiltrarTeclaNumerica(' '), 0);
}

QTEST_GUILESS_MAIN(TestGlobal)
#include "tst_global.moc"
