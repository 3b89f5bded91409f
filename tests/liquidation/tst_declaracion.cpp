// SPDX-License-Identifier: GPL-3.0-or-later
// The sworn declaration: its text line by line, its name, and the file in Windows-1252.
#include "DatosLiquidacion.h"
#include "liquidation/ArchivoDeclaracion.h"
#include "support/Entorno.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Raya(80, QLatin1Char('-'));

QString Unir(const QStringList& lineas)
{
    return lineas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

/// March 2014: Pérez (member, category 7), a 35-character name terminated on 5 March (category
/// 1234, half-time) and Gómez on leave (category 120).
QSharedPointer<Liquidacion> Declaracion()
{
    ParamPorcentajeDos = 2;
    ParamPorcentajeFcm = 2;
    ParamImporteCta = 150;
    auto emp = EmpresaPrueba();
    auto perez = EmpleadoPrueba(emp, "20-12345678-6", QStringLiteral("Pérez, Juan"), 1234.5, true);
    perez->setCategoria(7);
    auto larga = EmpleadoPrueba(emp, "27-12345678-0", QStringLiteral("Fernández de la Cruz, María Eugenia"), 2000,
                                false, QDate(2014, 3, 5));
    larga->setCategoria(1234);
    larga->setMediaJornada(true);
    auto gomez = EmpleadoPrueba(emp, "20-00000001-9", QStringLiteral("Gómez, Ana"), 800, true, FechaSinBaja(), 3);
    gomez->setCategoria(120);
    gomez->setFechaIngreso(QDate(2012, 6, 15));
    for (const auto& e : {perez, larga, gomez})
        emp->ListaBaseEmpleados().Add(e, e->CUIL());
    auto liq = LiquidacionPrueba(emp, 3, 2014);
    liq->setPagado2(64.69);
    liq->setPagadoFCM(20);
    liq->setPagadoCuota(150);
    liq->setPagadoOtros(10.5);
    return liq;
}

const QStringList Cabecera = {
    "30-12345678-9",
    QStringLiteral("Almacén Núñez S.R.L."),
    QStringLiteral("El Ñandú"),
    "Av. de Mayo 1234  3",
    "Rivadavia 55  PB",
    "4444-5555",
    "1602  FLORIDA",
    QStringLiteral("Juan Núñez"),
    "DNI 12.345.678",
    "",
    "",
    "info@nunez.example",
    "523110",
    "17/05/2001",
    "03/2014",
};

const QString Titulos = QStringLiteral("CUIL         |APELLIDO Y NOMBRE|INGRESO|HABERES|CATEG.|AFIL.|M.JOR.|BAJA  |LICENCIA");

} // namespace

class TestDeclaracion : public QObject
{
    Q_OBJECT
private slots:
    void textoCompleto();
    void sinEmpleados();
    void importesEnLaNotacionDelUsuario();
    void asunto();
    void archivoEnWindows1252();
    void archivoNoGrabable();
    void codificacion_data();
    void codificacion();
    void bytesIndefinidos();
};

void TestDeclaracion::textoCompleto()
{
    LocalPrueba local(LocalArgentina());
    const auto liq = Declaracion();
    QStringList esperado = Cabecera;
    esperado << "2" << "1" << "3234,50" << "1234,50" << "64,69" << "20,00" << "0,00" << "245,19" << "" << Raya
             << Titulos << Raya
             << QStringLiteral("20-12345678-6|PÉREZ, JUAN                   |01/02/2010|1234,50|007|SI|NO|00/00/0000|NO|")
             << QStringLiteral("27-12345678-0|FERNÁNDEZ DE LA CRUZ, MARÍA EU|01/02/2010|2000,00|1234|NO|SI|05/03/2014|NO|")
             << QStringLiteral("20-00000001-9|GÓMEZ, ANA                    |15/06/2012|800,00|120|SI|NO|00/00/0000|SI|")
             << Raya;
    QCOMPARE(liq->TextoEnvio(), Unir(esperado));
}

void TestDeclaracion::sinEmpleados()
{
    LocalPrueba local(LocalArgentina());
    Liquidacion liq;
    liq.setEmpresa(EmpresaPrueba());
    liq.setMes(11);
    liq.setAnio(2013);
    const QStringList lineas = liq.TextoEnvio().split(QStringLiteral("\r\n"));
    QCOMPARE(lineas.size(), 29); // 28 lines and what follows the last CR LF
    QCOMPARE(lineas.at(14), QStringLiteral("11/2013"));
    QCOMPARE(lineas.at(22), QStringLiteral("0,00"));
    QCOMPARE(lineas.at(25), Titulos);
    QCOMPARE(lineas.at(26), Raya);
    QCOMPARE(lineas.at(27), Raya);
    QCOMPARE(lineas.at(28), QString());
}

void TestDeclaracion::importesEnLaNotacionDelUsuario()
{
    LocalPrueba local(QLocale::c());
    const QStringList lineas = Declaracion()->TextoEnvio().split(QStringLiteral("\r\n"));
    QCOMPARE(lineas.at(17), QStringLiteral("3234.50"));
    QCOMPARE(lineas.at(22), QStringLiteral("245.19"));
    QVERIFY(lineas.at(27).contains(QStringLiteral("|1234.50|")));
}

void TestDeclaracion::asunto()
{
    const auto liq = Declaracion();
    QCOMPARE(liq->Subject(), QStringLiteral("DDJJ-OBRIX - 30123456789  03-2014"));
    liq->setMes(11);
    QCOMPARE(liq->Subject(), QStringLiteral("DDJJ-OBRIX - 30123456789  11-2014"));
}

void TestDeclaracion::archivoEnWindows1252()
{
    LocalPrueba local(LocalArgentina());
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath(QStringLiteral("ddjj.txt"));
    {
        QFile previo(archivo);
        QVERIFY(previo.open(QIODevice::WriteOnly));
        previo.write(QByteArray(100000, 'x')); // an older, longer file is replaced whole
    }
    const auto liq = Declaracion();
    const QString texto = liq->TextoEnvio();
    int numero = 0;
    QString error;
    QVERIFY(GrabarArchivoDeclaracion(archivo, texto, numero, error));
    QFile leido(archivo);
    QVERIFY(leido.open(QIODevice::ReadOnly));
    const QByteArray bytes = leido.readAll();
    QCOMPARE(bytes.size(), texto.size() + 2); // one byte per character, plus the final CR LF
    QVERIFY(bytes.endsWith("|\r\n" + Raya.toLatin1() + "\r\n\r\n"));
    QVERIFY(bytes.contains("Almac\xE9n N\xFA\xF1" "ez S.R.L.\r\nEl \xD1" "and\xFA\r\n"));
    QVERIFY(bytes.contains("|P\xC9REZ, JUAN                   |"));
    QVERIFY(bytes.contains("|FERN\xC1NDEZ DE LA CRUZ, MAR\xCD" "A EU|"));
    QVERIFY(!bytes.contains("\xC3")); // nothing written as UTF-8
    QCOMPARE(DecodificarWindows1252(bytes), texto + QStringLiteral("\r\n"));
}

void TestDeclaracion::archivoNoGrabable()
{
    QTemporaryDir carpeta;
    int numero = 0;
    QString error;
    QVERIFY(!GrabarArchivoDeclaracion(carpeta.filePath(QStringLiteral("no/existe/ddjj.txt")), "x", numero, error));
    QVERIFY(numero != 0);
    QVERIFY(!error.isEmpty());
}

void TestDeclaracion::codificacion_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("CUIL |-") << QByteArray("CUIL |-");
    QTest::newRow("latin-1") << QStringLiteral("áéíóúüñÑ¿¡º") << QByteArray("\xE1\xE9\xED\xF3\xFA\xFC\xF1\xD1\xBF\xA1\xBA");
    QTest::newRow("euro y comillas") << QStringLiteral("€ “x” – …") << QByteArray("\x80 \x93x\x94 \x96 \x85");
    QTest::newRow("š œ Ÿ ™") << QStringLiteral("šœŸ™") << QByteArray("\x9A\x9C\x9F\x99");
    QTest::newRow("fuera del código") << QStringLiteral("中") << QByteArray("?");
    QTest::newRow("fuera del plano básico") << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::newRow("control C1") << QString(QChar(0x81)) << QByteArray("?");
}

void TestDeclaracion::codificacion()
{
    QFETCH(QString, texto);
    QFETCH(QByteArray, bytes);
    QCOMPARE(CodificarWindows1252(texto), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(DecodificarWindows1252(bytes), texto);
}

void TestDeclaracion::bytesIndefinidos()
{
    QCOMPARE(DecodificarWindows1252(QByteArray("\x81\x8D\x8F\x90\x9D")), QString(5, QChar::ReplacementCharacter));
}

QTEST_GUILESS_MAIN(TestDeclaracion)
#include "tst_declaracion.moc"
