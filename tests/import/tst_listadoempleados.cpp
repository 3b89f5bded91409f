// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet listing read back, the two format documents the program carries, and the field
// rules every reader shares.
#include "ApoyoImportacion.h"
#include "import/CeldaImportacion.h"
#include "import/FuenteXlsx.h"
#include "import/ListadoEmpleados.h"
#include "import/ReglasImportacion.h"
#include "liquidation/ArchivoDeclaracion.h"
#include "records/Global.h"
#include "support/BasePrueba.h"
#include "support/DatosLiquidacion.h"
#include "support/Entorno.h"

#include <QDir>

#include <freexl.h>
#include <zip.h>

namespace {
QString Recurso(const QString& nombre)
{
    return QFINDTESTDATA(QStringLiteral("../../resources/ui/formatos/") + nombre);
}

QByteArray ParteDelLibro(const QString& archivo, const char* entrada)
{
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(archivo).constData(), ZIP_RDONLY, &error);
    if (!z)
        return {};
    QByteArray datos;
    zip_stat_t estado;
    if (zip_stat(z, entrada, 0, &estado) == 0) {
        zip_file_t* f = zip_fopen(z, entrada, 0);
        datos.resize(int(estado.size));
        if (!f || zip_fread(f, datos.data(), estado.size) != zip_int64_t(estado.size))
            datos.clear();
        if (f)
            zip_fclose(f);
    }
    zip_discard(z);
    return datos;
}

/// Every text cell of the active sheet of an .xls, as FreeXL reads it.
QStringList TextosXls(const QString& archivo)
{
    QStringList textos;
    const void* libro = nullptr;
    if (freexl_open(QFile::encodeName(archivo).constData(), &libro) == FREEXL_OK
        && freexl_select_active_worksheet(libro, 0) == FREEXL_OK) {
        unsigned int filas = 0;
        unsigned short columnas = 0;
        freexl_worksheet_dimensions(libro, &filas, &columnas);
        for (unsigned int f = 0; f < filas; ++f)
            for (unsigned short c = 0; c < columnas; ++c) {
                FreeXL_CellValue v;
                if (freexl_get_cell_value(libro, f, c, &v) == FREEXL_OK
                    && (v.type == FREEXL_CELL_TEXT || v.type == FREEXL_CELL_SST_TEXT))
                    textos << QString::fromUtf8(v.value.text_value);
            }
    }
    freexl_close(libro);
    return textos;
}

/// A text as the RTF document writes it: ASCII, other characters as \'hh of Windows-1252.
QByteArray EnRtf(const QString& texto)
{
    QByteArray salida;
    for (char c : CodificarWindows1252(texto))
        salida += uchar(c) < 0x80 ? QByteArray(1, c) : "\\'" + QByteArray::number(uchar(c), 16);
    return salida;
}
} // namespace

class TestListadoEmpleados : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void listadoLeidoDeNuevo()
    {
        BasePrueba base;
        auto emp = EmpresaGrabada(base.bd());
        QVERIFY(emp);
        auto a = EmpleadoPrueba(emp, "20-12345678-6", QStringLiteral("Núñez, José Ignacio de la Trinidad"), 1234.5, true);
        a->setCategoria(1);
        auto b = EmpleadoPrueba(emp, "27-12345678-0", QStringLiteral("Peña, Ana"), 99.995, false, QDate(2020, 6, 30), 3);
        b->setFechaIngreso(QDate(2014, 3, 15));
        b->setMediaJornada(true);
        QVERIFY(a->Grabar(base.bd()) && b->Grabar(base.bd()));
        QVERIFY(emp->CargarListaEmpleados(base.bd()));

        const QString archivo = QDir(base.Carpeta()).filePath(QStringLiteral("listado.xlsx"));
        QString motivo;
        QVERIFY2(GrabarListadoEmpleados(*emp, archivo, motivo), qPrintable(motivo));

        // Rows 2 onwards through the program's own reader: the titles, then one row per employee.
        FuenteXlsx libro;
        QVERIFY2(libro.Abrir(archivo, motivo), qPrintable(motivo));
        FilaImportacion fila;
        QList<QStringList> filas;
        while (libro.Siguiente(fila, motivo) == FuenteFilas::Resultado::Fila) {
            QStringList celdas;
            for (const CeldaImportacion& c : fila.celdas)
                celdas << (c.tipo == CeldaImportacion::Tipo::Numero ? QString::number(c.numero) : c.texto);
            filas << celdas;
        }
        QCOMPARE(filas.size(), 3);
        QCOMPARE(filas.at(0), (QStringList{"CUIL", "Apellido y Nombre", "Fecha Ingreso", "Haberes", "Categoría",
                                           "Cond. Afiliado", "Fecha Baja", "Licencia", "Cond. Media Jornada"}));
        QCOMPARE(filas.at(1), (QStringList{"20-12345678-6", a->Nombre(), "01/02/2010", "1234.5", "Jubilado", "Sí",
                                           "", "Ninguna", "No"}));
        QCOMPARE(filas.at(2), (QStringList{"27-12345678-0", "Peña, Ana", "15/03/2014", "100", "Sin Categoria", "No",
                                           "30/06/2020", "Fam. Enfermo", "Sí"}));

        // B1 holds the company; the name column fits the longest name.
        const QByteArray hoja = ParteDelLibro(archivo, "xl/worksheets/sheet1.xml");
        QVERIFY(hoja.contains("<c r=\"B1\" s=\"1\" t=\"s\">"));
        QVERIFY(ParteDelLibro(archivo, "xl/sharedStrings.xml").contains("EMPRESA: 30-12345678-9 - El Almacén"));
        const QString anchoNombre = QStringLiteral("<col min=\"2\" max=\"2\" width=\"%1.7109375\"");
        QVERIFY(hoja.contains(anchoNombre.arg(a->Nombre().size() + 2).toLatin1()));
    }

    void listadoEnCarpetaInexistente()
    {
        BasePrueba base;
        auto emp = EmpresaGrabada(base.bd());
        QString motivo;
        QVERIFY(!GrabarListadoEmpleados(*emp, QDir(base.Carpeta()).filePath(QStringLiteral("no/hay/listado.xlsx")),
                                        motivo));
        QVERIFY(motivo.startsWith(QStringLiteral("No se pudo")));
    }

    void plantillaSinEmpleados()
    {
        BasePrueba base;
        auto emp = EmpresaGrabada(base.bd());
        AvisosPrueba avisos;
        QVERIFY2(emp->LeerEmpleadosDeExcel(base.bd(), Recurso(QStringLiteral("Texto.xls")), &avisos),
                 qPrintable(base.bd().UltimoError()));
        QCOMPARE(base.Contar(QStringLiteral("select count(*) from empleados")), 0);
        QVERIFY(avisos.nombres.isEmpty());

        const QStringList textos = TextosXls(Recurso(QStringLiteral("Texto.xls")));
        for (const char* titulo : {"CUIL", "APELLIDO Y NOMBRE", "FECHA DE INGRESO", "HABERES C/APORTE", "CATEGORIA",
                                   "AFILIADO", "FECHA DE BAJA", "LICENCIA", "MEDIA JORNADA", "DD/MM/AAAA",
                                   "0 - No Afiliado", "1 - Afiliado", "0 - No", "1 - Si"})
            QVERIFY2(textos.contains(QString::fromLatin1(titulo)), titulo);
        // The leave codes as the program reads them.
        for (int codigo = 0; codigo < Empleado::CantidadLicencias; ++codigo)
            QVERIFY(textos.contains(QStringLiteral("(%1) %2").arg(codigo).arg(Empleado::TextoLicencia(codigo))));
        QVERIFY(!textos.join(QLatin1Char('\n')).contains(QStringLiteral("Lic.Maternidad")));
    }

    void documentoDelRegistro()
    {
        QFile f(Recurso(QStringLiteral("Texto.doc")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray rtf = f.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains(EnRtf(QStringLiteral("Diseño de Registro de Importación TALVO"))));
        QVERIFY(rtf.contains("Longitud del registro: 84 caracteres."));
        for (int codigo = 0; codigo < Empleado::CantidadLicencias; ++codigo)
            QVERIFY(rtf.contains(EnRtf(QStringLiteral("(%1) %2").arg(codigo).arg(Empleado::TextoLicencia(codigo)))));
        QVERIFY(!rtf.contains("Lic.Maternidad"));
    }

    void cuilDeCelda_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("numero");
        QTest::addColumn<QString>("cuil");
        const int T = int(CeldaImportacion::Tipo::Texto), N = int(CeldaImportacion::Tipo::Numero);
        QTest::newRow("dígitos") << T << "20123456786" << 0.0 << "20-12345678-6";
        QTest::newRow("con guiones") << T << "20-12345678-6" << 0.0 << "20-12345678-6";
        QTest::newRow("número") << N << "" << 20123456786.0 << "20-12345678-6";
        QTest::newRow("número con ceros perdidos") << N << "" << 123456786.0 << "00-12345678-6";
        QTest::newRow("número con decimales") << N << "" << 20123456786.5 << "";
        QTest::newRow("diez dígitos") << T << "2012345678" << 0.0 << "";
        QTest::newRow("letras") << T << "20-1234567A-6" << 0.0 << "";
        QTest::newRow("doce dígitos como número") << N << "" << 201234567861.0 << "";
    }

    void cuilDeCelda()
    {
        QFETCH(int, tipo);
        QFETCH(QString, texto);
        QFETCH(double, numero);
        CeldaImportacion c = tipo == int(CeldaImportacion::Tipo::Numero) ? CeldaImportacion::DeNumero(numero)
                                                                         : CeldaImportacion::DeTexto(texto);
        QTEST(CuilDeCelda(c), "cuil");
    }

    void importeDePesos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<double>("pesos");
        QTest::newRow("coma") << "1234,56" << true << 1234.56;
        QTest::newRow("punto") << "1234.56" << true << 1234.56;
        QTest::newRow("miles con punto") << "1.234.567,8" << true << 1234567.8;
        QTest::newRow("miles con coma") << "1,234.56" << true << 1234.56;
        QTest::newRow("miles sin decimales") << "1.234.567" << true << 1234567.0;
        QTest::newRow("signo pesos") << "$ 1500" << true << 1500.0;
        QTest::newRow("grupo corto") << "1.23.456" << false << 0.0;
        QTest::newRow("dos comas decimales") << "12,34,56" << false << 0.0;
        QTest::newRow("negativo") << "-15" << false << 0.0;
        QTest::newRow("vacío") << "" << false << 0.0;
    }

    void importeDePesos()
    {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(double, pesos);
        double leido = 0;
        QCOMPARE(ImporteDePesos(texto, leido), valido);
        if (valido)
            QCOMPARE(Centavos(leido), Centavos(pesos));
    }

    void fechaDeSerie()
    {
        QCOMPARE(FechaDeSerie(40210), QDate(2010, 2, 1));
        QCOMPARE(FechaDeSerie(40210.75), QDate(2010, 2, 1));
        QCOMPARE(FechaDeSerie(38748, true), QDate(2010, 2, 1));
        QVERIFY(!FechaDeSerie(0).isValid());
        QVERIFY(!FechaDeSerie(-3).isValid());
    }
};

QTEST_GUILESS_MAIN(TestListadoEmpleados)
#include "tst_listadoempleados.moc"
