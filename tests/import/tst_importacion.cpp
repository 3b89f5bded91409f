// SPDX-License-Identifier: GPL-3.0-or-later
// The employee import through every reader: the same cases for text, CSV, .xls, .xlsx and .ods
// files (fixtures made by LibreOffice), the stored values, and the bad input each reader refuses.
#include "ApoyoImportacion.h"
#include "import/Importacion.h"
#include "records/Global.h"
#include "support/BasePrueba.h"
#include "support/Entorno.h"

#include <QDir>
#include <QTemporaryDir>

#include <xlsxwriter.h>
#include <zip.h>

namespace {
QString Dato(const QString& nombre)
{
    return QFINDTESTDATA(QStringLiteral("data/") + nombre);
}

struct Importacion
{
    BasePrueba base;
    QSharedPointer<Empresa> emp = EmpresaGrabada(base.bd());
    AvisosPrueba avisos;

    bool Importar(const QString& archivo) { return ImportarEmpleados(*emp, base.bd(), archivo, &avisos); }
    qint64 Empleados() { return base.Contar(QStringLiteral("select count(*) from empleados")); }
    QString Copia(const QString& nombre, const QByteArray& contenido)
    {
        const QString archivo = QDir(base.Carpeta()).filePath(nombre);
        return Escribir(archivo, contenido) ? archivo : QString();
    }
};
} // namespace

class TestImportacion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void casosPorFormato_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<bool>("correcto");
        QTest::addColumn<int>("empleados");
        QTest::addColumn<QStringList>("avisos");
        QTest::addColumn<QString>("motivo");
        const QStringList malo{QStringLiteral("Cuil Malo")};
        QTest::newRow("texto Windows-1252") << "texto-1252.txt" << true << 4 << QStringList{"CUIL MALO"} << "";
        QTest::newRow("texto UTF-8") << "texto-utf8.txt" << true << 4 << QStringList{"CUIL MALO"} << "";
        QTest::newRow("csv en pesos") << "pesos-es.csv" << true << 2 << QStringList() << "";
        for (const char* ext : {"xls", "xlsx", "ods"}) {
            const QString e = QString::fromLatin1(ext);
            QTest::addRow("%s base", ext) << "base." + e << true << 3 << malo << "";
            QTest::addRow("%s fecha mala", ext) << "fechamala." + e << false << 1 << QStringList()
                                                << "Fila 3: FECHA DE INGRESO: «31/02/2014» no es una fecha válida";
            QTest::addRow("%s fila 2 vacía", ext) << "vacia." + e << true << 0 << QStringList() << "";
            QTest::addRow("%s celdas combinadas", ext) << "combinadas." + e << false << 1 << QStringList()
                                                       << "Fila 3: tiene celdas combinadas";
        }
        // FreeXL gives no value for a formula; the others carry the stored result.
        QTest::newRow("xls fórmula") << "formula.xls" << false << 1 << QStringList()
                                     << "Fila 3: HABERES C/APORTE: la celda D3 tiene una fórmula sin su resultado";
        QTest::newRow("xlsx fórmula") << "formula.xlsx" << true << 3 << QStringList() << "";
        QTest::newRow("ods fórmula") << "formula.ods" << true << 3 << QStringList() << "";
    }

    void casosPorFormato()
    {
        QFETCH(QString, archivo);
        QFETCH(bool, correcto);
        QFETCH(int, empleados);
        QFETCH(QStringList, avisos);
        QFETCH(QString, motivo);
        Importacion imp;
        QVERIFY(imp.emp);
        QCOMPARE(imp.Importar(Dato(archivo)), correcto);
        if (!correcto) {
            QVERIFY2(imp.base.bd().UltimoError().contains(motivo), qPrintable(imp.base.bd().UltimoError()));
            QVERIFY(imp.base.bd().UltimoError().contains(QStringLiteral("Se grabó el empleado de la fila anterior.")));
        }
        QCOMPARE(imp.Empleados(), empleados);
        QCOMPARE(imp.emp->ListaBaseEmpleados().Count(), empleados); // reloaded even after a failure
        QCOMPARE(imp.avisos.nombres, avisos);

        // A second run updates the same employees instead of adding them again.
        QCOMPARE(imp.Importar(Dato(archivo)), correcto);
        QCOMPARE(imp.Empleados(), empleados);
        QCOMPARE(imp.avisos.nombres.size(), 2 * avisos.size());
    }

    void valoresGuardados_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("cuil");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QDate>("ingreso");
        QTest::addColumn<double>("haberes");
        QTest::addColumn<int>("categoria");
        QTest::addColumn<bool>("afiliado");
        QTest::addColumn<QDate>("baja");
        QTest::addColumn<int>("licencia");
        QTest::addColumn<bool>("media");
        const QDate sinBaja = FechaSinBaja(), ingreso(2010, 2, 1);
        for (const char* ext : {"xls", "xlsx", "ods"}) {
            const QString a = QStringLiteral("base.") + QLatin1String(ext);
            // CUIL and remuneration as numbers, date as a date cell, "00/00/0000" as text.
            QTest::addRow("%s números", ext) << a << "20-12345678-6" << "Núñez, José" << ingreso << 1500.0 << 1
                                             << true << sinBaja << 0 << false;
            // Everything typed as text, termination as a date cell.
            QTest::addRow("%s textos", ext) << a << "27-12345678-0" << "Peña, María" << QDate(2014, 3, 15)
                                            << 1234.56 << 0 << false << QDate(2020, 6, 30) << 2 << true;
            // A CUIL with hyphens, the date as a bare serial, blanks in the last three columns.
            QTest::addRow("%s serie y blancos", ext) << a << "20-00000001-9" << "Último, Ángel" << ingreso << 0.99
                                                     << 5 << false << sinBaja << 0 << false;
        }
        for (const char* txt : {"texto-1252.txt", "texto-utf8.txt"}) {
            QTest::addRow("%s", txt) << txt << "20-12345678-6" << "NÚÑEZ, JOSÉ" << ingreso << 1500.0 << 1 << true
                                     << sinBaja << 0 << false;
            QTest::addRow("%s justificado a la derecha", txt) << txt << "27-12345678-0" << "PEÑA, MARÍA"
                                                              << QDate(2014, 3, 15) << 1234.56 << 0 << false
                                                              << QDate(2014, 3, 15) << 2 << true;
            QTest::addRow("%s línea de 90", txt) << txt << "20-00000001-9" << "ÚLTIMO, ÁNGEL" << ingreso << 0.99
                                                 << 5 << false << sinBaja << 0 << false;
            QTest::addRow("%s euro y licencia 6", txt) << txt << "23-33333333-3" << "GÓMEZ € MÜLLER"
                                                       << QDate(2011, 2, 28) << 123456.78 << 9 << true << sinBaja
                                                       << 6 << true;
        }
        QTest::newRow("csv separador entre comillas") << "pesos-es.csv" << "20-12345678-6" << "Núñez; José" << ingreso
                                                      << 1500.0 << 1 << true << sinBaja << 0 << false;
        QTest::newRow("csv comillas dobladas") << "pesos-es.csv" << "27-12345678-0" << "Peña, María \"Mary\""
                                               << QDate(2014, 3, 15) << 1234.56 << 0 << false << QDate(2020, 6, 30)
                                               << 2 << true;
    }

    void valoresGuardados()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, cuil);
        Importacion imp;
        QVERIFY(imp.Importar(Dato(archivo)));
        // Read back from storage, not from the objects the import built.
        auto leido = QSharedPointer<Empresa>::create();
        QVERIFY(leido->Leer(imp.base.bd(), imp.emp->IdEmpresa()));
        QVERIFY(leido->CargarListaEmpleados(imp.base.bd()));
        const QSharedPointer<Empleado> e = Buscar(*leido, cuil);
        QVERIFY(e);
        QTEST(e->Nombre(), "nombre");
        QTEST(e->FechaIngreso(), "ingreso");
        QFETCH(double, haberes);
        QCOMPARE(Centavos(e->Haberes()), Centavos(haberes));
        QTEST(e->Categoria(), "categoria");
        QTEST(e->Afiliado(), "afiliado");
        QTEST(e->FechaBaja(), "baja");
        QTEST(e->Licencia(), "licencia");
        QTEST(e->MediaJornada(), "media");
        // The sheets hold one more employee after their empty row: never read.
        if (!archivo.endsWith(QLatin1String(".txt")))
            QVERIFY(!Buscar(*leido, QStringLiteral("23-33333333-3")));
    }

    void archivosDeTexto_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<bool>("correcto");
        QTest::addColumn<int>("empleados");
        QTest::addColumn<int>("avisos");
        QTest::addColumn<QString>("motivo");
        const QByteArray a = Registro("20123456786", "UNO").toLatin1();
        const QByteArray b = Registro("27123456780", "DOS").toLatin1();
        QTest::newRow("83 caracteres se omite") << a.left(83) + "\r\n" + b + "\r\n" << true << 1 << 0 << "";
        QTest::newRow("solo líneas cortas") << QByteArray("hola\r\nchau\r\n") << false << 0 << 0
                                            << "no tiene ningún registro de 84 caracteres (2 líneas más cortas)";
        QTest::newRow("sin salto final") << a + "\n" + b << true << 2 << 0 << "";
        QTest::newRow("marca de fin DOS") << a + "\r\n\x1a" << true << 1 << 0 << "";
        QTest::newRow("CUIL incorrecto sigue") << Registro("20123456785", "MALO").toLatin1() + "\n" + a + "\n" << true
                                               << 1 << 1 << "";
        QTest::newRow("nombre vacío se omite") << Registro("27123456780", "").toLatin1() + "\n" + a + "\n" << true << 1
                                               << 0 << "";
        QTest::newRow("fecha mala detiene") << a + "\n" + Registro("27123456780", "DOS", "30/02/2014").toLatin1() + "\n"
                                            << false << 1 << 0
                                            << "Línea 2: FECHA DE INGRESO: «30/02/2014» no es una fecha válida";
        QTest::newRow("haberes con letras") << Registro("27123456780", "DOS", "01/02/2010", "0001500AB").toLatin1()
                                            << false << 0 << 0 << "HABERES C/APORTE: «0001500AB» no es un importe";
        QTest::newRow("licencia 7") << Registro("27123456780", "DOS", "01/02/2010", "000150000", "11", "00/00/0000",
                                                "70")
                                           .toLatin1()
                                    << false << 0 << 0 << "LICENCIA: «7» no es un código de licencia (0 a 6)";
        QTest::newRow("baja que no es fecha") << Registro("27123456780", "DOS", "01/02/2010", "000150000", "11",
                                                          "99/99/9999")
                                                     .toLatin1()
                                              << false << 0 << 0 << "FECHA DE BAJA: «99/99/9999»";
        QTest::newRow("tabulación") << QByteArray("20123456786\t") + a << false << 0 << 0
                                    << "Línea 1, posición 12: hay una tabulación";
        QTest::newRow("solo CR") << a + "\r" + b + "\r" << false << 0 << 0 << "solo con retorno de carro (CR)";
        QTest::newRow("binario") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10) + a << false << 0 << 0
                                 << "Línea 1, posición 1: el carácter de control 0x7f";
        QTest::newRow("vacío") << QByteArray() << false << 0 << 0 << "El archivo está vacío.";
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe" "2\0" "0\0", 6) << false << 0 << 0 << "UTF-16";
        QTest::newRow("línea sin fin") << QByteArray(100000, 'A') << false << 0 << 0
                                       << "Línea 1: tiene más de 4096 caracteres";
        QTest::newRow("BOM de UTF-8") << "\xef\xbb\xbf" + Registro("20123456786", "ÑANDÚ").toUtf8() << true << 1 << 0
                                      << "";
    }

    void archivosDeTexto()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(bool, correcto);
        QFETCH(int, empleados);
        QFETCH(int, avisos);
        QFETCH(QString, motivo);
        Importacion imp;
        QCOMPARE(imp.emp->LeerEmpleadosDeTexto(imp.base.bd(), imp.Copia("lista.txt", contenido), &imp.avisos),
                 correcto);
        QCOMPARE(imp.Empleados(), empleados);
        QCOMPARE(imp.avisos.nombres.size(), avisos);
        if (!correcto)
            QVERIFY2(imp.base.bd().UltimoError().contains(motivo), qPrintable(imp.base.bd().UltimoError()));
        if (contenido.startsWith("\xef\xbb\xbf"))
            QCOMPARE(imp.emp->ListaBaseEmpleados().Item(1)->Nombre(), QStringLiteral("ÑANDÚ"));
    }

    void archivosCsv_data()
    {
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<bool>("correcto");
        QTest::addColumn<double>("haberes");
        QTest::addColumn<QString>("motivo");
        const QByteArray t = "CUIL;NOMBRE;INGRESO;HABERES;CAT;AFIL;BAJA;LIC;MEDIA\n";
        QTest::newRow("punto y coma, coma decimal") << t + "20123456786;Uno;01/02/2010;1234,56;0;1;;0;0\n" << true
                                                    << 1234.56 << "";
        QTest::newRow("miles con punto") << t + "20123456786;Uno;01/02/2010;1.234,56;0;1;;0;0\n" << true << 1234.56
                                         << "";
        QTest::newRow("coma, punto decimal") << QByteArray("CUIL,NOMBRE,INGRESO,HABERES,C,A,B,L,M\r\n"
                                                           "20-12345678-6,\"Uno, Juan\",01/02/2010,1234.5,0,1,,0,0\r\n")
                                             << true << 1234.5 << "";
        QTest::newRow("coma decimal entre comillas") << QByteArray("CUIL,NOMBRE,INGRESO,HABERES,C,A,B,L,M\n"
                                                                   "20123456786,Uno,01/02/2010,\"1234,56\",0,1,,0,0\n")
                                                     << true << 1234.56 << "";
        QTest::newRow("título en centavos") << QByteArray("CUIL;NOMBRE;INGRESO;HABERES EN CENTAVOS;C;A;B;L;M\n"
                                                          "20123456786;Uno;01/02/2010;123456;0;1;;0;0\n")
                                            << true << 1234.56 << "";
        QTest::newRow("centavos con decimales") << QByteArray("CUIL;NOMBRE;INGRESO;Haberes (centavos);C;A;B;L;M\n"
                                                              "20123456786;Uno;01/02/2010;1234,56;0;1;;0;0\n")
                                                << false << 0.0
                                                << "Fila 2: HABERES C/APORTE: «1234,56» no es un importe en centavos";
        QTest::newRow("UTF-8 y salto entre comillas") << t + "20123456786;\"Núñez\nJosé\";01/02/2010;10;0;1;;0;0\n"
                                                      << true << 10.0 << "";
        QTest::newRow("comillas sin cerrar") << t + "20123456786;\"Uno;01/02/2010;10;0;1;;0;0\n" << false << 0.0
                                             << "Fila 2 (línea 2): hay comillas sin cerrar al final del archivo.";
        QTest::newRow("títulos sin separador") << QByteArray("CUIL\n20123456786\n") << false << 0.0
                                               << "Fila 1: los títulos no están separados";
        QTest::newRow("importe inválido") << t + "20123456786;Uno;01/02/2010;12,34,56;0;1;;0;0\n" << false << 0.0
                                          << "no es un importe en pesos";
    }

    void archivosCsv()
    {
        QFETCH(QByteArray, contenido);
        QFETCH(bool, correcto);
        QFETCH(double, haberes);
        QFETCH(QString, motivo);
        Importacion imp;
        QCOMPARE(imp.Importar(imp.Copia("lista.csv", contenido)), correcto);
        if (!correcto) {
            QVERIFY2(imp.base.bd().UltimoError().contains(motivo), qPrintable(imp.base.bd().UltimoError()));
            return;
        }
        QCOMPARE(imp.Empleados(), 1);
        QCOMPARE(Centavos(imp.emp->ListaBaseEmpleados().Item(1)->Haberes()), Centavos(haberes));
        if (contenido.contains("Núñez"))
            QCOMPARE(imp.emp->ListaBaseEmpleados().Item(1)->Nombre(), QStringLiteral("Núñez\nJosé"));
    }

    void archivosMalos_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("copiaDe");
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("motivo");
        const QByteArray texto = Registro("20123456786", "UNO").toLatin1() + "\r\n";
        QTest::newRow("texto llamado xls") << "lista.xls" << "" << texto
                                           << "no es una hoja Excel 97-2003 (.xls) válida";
        QTest::newRow("xlsx llamado xls") << "lista.xls" << "base.xlsx" << QByteArray() << "es un libro comprimido";
        QTest::newRow("texto llamado xlsx") << "lista.xlsx" << "" << texto << "no es un libro comprimido válido";
        QTest::newRow("xls llamado xlsx") << "lista.xlsx" << "base.xls" << QByteArray()
                                          << "Excel 97-2003 con otra extensión";
        QTest::newRow("xlsx llamado ods") << "lista.ods" << "base.xlsx" << QByteArray()
                                          << "no es una hoja de cálculo OpenDocument (.ods) válida";
        QTest::newRow("ods llamado xlsx") << "lista.xlsx" << "base.ods" << QByteArray()
                                          << "no tiene el libro xl/workbook.xml";
        QTest::newRow("otra extensión") << "lista.doc" << "" << texto << "no es de un formato admitido";
        for (const char* ext : {"txt", "csv", "xls", "xlsx", "ods"})
            QTest::addRow("%s vacío", ext) << "vacio." + QString::fromLatin1(ext) << "" << QByteArray()
                                           << "El archivo está vacío.";
    }

    void archivosMalos()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, copiaDe);
        QFETCH(QByteArray, contenido);
        QFETCH(QString, motivo);
        Importacion imp;
        // A list imported before stays as it was.
        QVERIFY(imp.Importar(Dato(QStringLiteral("texto-1252.txt"))));
        QCOMPARE(imp.Empleados(), 4);
        if (!copiaDe.isEmpty()) {
            QFile f(Dato(copiaDe));
            QVERIFY(f.open(QIODevice::ReadOnly));
            contenido = f.readAll();
        }
        QVERIFY(!imp.Importar(imp.Copia(nombre, contenido)));
        QVERIFY2(imp.base.bd().UltimoError().contains(motivo), qPrintable(imp.base.bd().UltimoError()));
        QCOMPARE(imp.Empleados(), 4);
        QCOMPARE(imp.emp->ListaBaseEmpleados().Count(), 4);
    }

    void archivoDe50MB_data()
    {
        QTest::addColumn<QString>("extension");
        for (const char* ext : {"txt", "csv", "xls", "xlsx", "ods"})
            QTest::newRow(ext) << QString::fromLatin1(ext);
    }

    void archivoDe50MB()
    {
        QFETCH(QString, extension);
        Importacion imp;
        QFile f(QDir(imp.base.Carpeta()).filePath(QStringLiteral("grande.") + extension));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(Registro("20123456786", "UNO").toLatin1() + "\n"));
        QVERIFY(f.resize(50 * 1024 * 1024)); // sparse: the size is what the readers must refuse
        f.close();
        QVERIFY(!imp.Importar(f.fileName()));
        QCOMPARE(imp.base.bd().UltimoError(),
                 QStringLiteral("El archivo ocupa %1 MB; el máximo que se importa es 20 MB. "
                                "Verifique que eligió la lista de empleados.")
                     .arg(QLocale().toString(50.0, 'f', 1)));
        QCOMPARE(imp.Empleados(), 0);
    }

    void hojaActiva()
    {
        Importacion imp;
        // .xlsx written with a second, active sheet: only that one is read.
        const QString libroXlsx = QDir(imp.base.Carpeta()).filePath(QStringLiteral("activa.xlsx"));
        lxw_workbook* libro = workbook_new(QFile::encodeName(libroXlsx).constData());
        lxw_worksheet* notas = workbook_add_worksheet(libro, "Notas");
        worksheet_write_string(notas, 1, 0, "no es un CUIL", nullptr);
        lxw_worksheet* datos = workbook_add_worksheet(libro, "Empleados");
        worksheet_write_number(datos, 1, 0, 20123456786.0, nullptr);
        worksheet_write_string(datos, 1, 1, "Activa", nullptr);
        worksheet_write_string(datos, 1, 2, "01/02/2010", nullptr);
        worksheet_write_number(datos, 1, 3, 150000, nullptr);
        worksheet_write_boolean(datos, 1, 5, 1, nullptr);
        worksheet_activate(datos);
        QCOMPARE(workbook_close(libro), LXW_NO_ERROR);
        QVERIFY(imp.Importar(libroXlsx));
        QCOMPARE(imp.Empleados(), 1);
        QVERIFY(imp.emp->ListaBaseEmpleados().Item(1)->Afiliado()); // a boolean cell
        QVERIFY(imp.avisos.nombres.isEmpty());

        // Written row by row (constant memory), the texts are inline strings instead of shared ones.
        const QString enLinea = QDir(imp.base.Carpeta()).filePath(QStringLiteral("enlinea.xlsx"));
        lxw_workbook_options opciones{};
        opciones.constant_memory = LXW_TRUE;
        libro = workbook_new_opt(QFile::encodeName(enLinea).constData(), &opciones);
        lxw_worksheet* hoja = workbook_add_worksheet(libro, nullptr);
        for (int c = 0; c < 9; ++c)
            worksheet_write_string(hoja, 0, lxw_col_t(c), "título", nullptr);
        const char* fila[] = {"27-12345678-0", "En Línea", "15/03/2014", "000123456", "0", "1", "00/00/0000", "0", "0"};
        for (int c = 0; c < 9; ++c)
            worksheet_write_string(hoja, 1, lxw_col_t(c), fila[c], nullptr);
        QCOMPARE(workbook_close(libro), LXW_NO_ERROR);
        QVERIFY(imp.Importar(enLinea));
        QCOMPARE(imp.Empleados(), 2);
        QCOMPARE(Buscar(*imp.emp, QStringLiteral("27-12345678-0"))->Nombre(), QStringLiteral("En Línea"));

        // .ods whose settings name the second table ("Notas", whose row 2 is no employee).
        const QString hojaOds = QDir(imp.base.Carpeta()).filePath(QStringLiteral("activa.ods"));
        QVERIFY(QFile::copy(Dato(QStringLiteral("base.ods")), hojaOds));
        QFile::setPermissions(hojaOds, QFile::ReadOwner | QFile::WriteOwner);
        static const char ajustes[] =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-settings "
            "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
            "xmlns:config=\"urn:oasis:names:tc:opendocument:xmlns:config:1.0\"><office:settings>"
            "<config:config-item-set config:name=\"ooo:view-settings\"><config:config-item-map-indexed "
            "config:name=\"Views\"><config:config-item-map-entry><config:config-item config:name=\"ActiveTable\" "
            "config:type=\"string\">Notas</config:config-item></config:config-item-map-entry>"
            "</config:config-item-map-indexed></config:config-item-set></office:settings></office:document-settings>";
        int error = 0;
        zip_t* z = zip_open(QFile::encodeName(hojaOds).constData(), 0, &error);
        QVERIFY(z);
        zip_source_t* fuente = zip_source_buffer(z, ajustes, sizeof ajustes - 1, 0);
        QVERIFY(zip_file_add(z, "settings.xml", fuente, ZIP_FL_OVERWRITE) >= 0);
        QCOMPARE(zip_close(z), 0);
        QVERIFY(imp.Importar(hojaOds));
        QCOMPARE(imp.Empleados(), 2);
        QCOMPARE(imp.avisos.nombres, QStringList{QStringLiteral("otro")});
    }

    void formatosPorExtension()
    {
        QCOMPARE(FormatoDeArchivo(QStringLiteral("/a/LISTA.TXT")), FormatoImportacion::Texto);
        QCOMPARE(FormatoDeArchivo(QStringLiteral("a.Xls")), FormatoImportacion::Xls);
        QCOMPARE(FormatoDeArchivo(QStringLiteral("a.xlsx")), FormatoImportacion::Xlsx);
        QCOMPARE(FormatoDeArchivo(QStringLiteral("a.ods")), FormatoImportacion::Ods);
        QCOMPARE(FormatoDeArchivo(QStringLiteral("a.csv")), FormatoImportacion::Csv);
        QCOMPARE(FormatoDeArchivo(QStringLiteral("a.xls.doc")), FormatoImportacion::Ninguno);
        QCOMPARE(FormatoDeArchivo(QStringLiteral("txt")), FormatoImportacion::Ninguno);
        // The file dialog offers every format read.
        QVERIFY(FiltroArchivosImportacion().startsWith(
            QStringLiteral("Todos los formatos admitidos (*.txt *.xls *.xlsx *.ods *.csv);;")));
    }

    void empresaSinGrabar()
    {
        BasePrueba base;
        auto emp = QSharedPointer<Empresa>::create();
        QVERIFY(!emp->LeerEmpleadosDeTexto(base.bd(), Dato(QStringLiteral("texto-1252.txt"))));
        QCOMPARE(base.bd().UltimoError(), QStringLiteral("La empresa no está grabada."));
        QCOMPARE(base.Contar(QStringLiteral("select count(*) from empleados")), 0);
    }
};

QTEST_GUILESS_MAIN(TestImportacion)
#include "tst_importacion.moc"
