// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and crafted workbooks. An .xls file is read by FreeXL only through a checked copy of its
// workbook stream: a stream FreeXL would read past its records or mis-size a sheet for is refused with
// the usual reason and stores nothing, and a container FreeXL would overrun (a directory name longer than
// its field) no longer matters. An .xlsx whose rows carry no numbers is read as office programs read it.
#include "ApoyoImportacion.h"
#include "import/ArchivoCompuesto.h"
#include "import/Importacion.h"
#include "import/SaneoXls.h"
#include "support/BasePrueba.h"
#include "support/Entorno.h"

#include <QDir>
#include <QtEndian>

#include <zip.h>

namespace {

QByteArray Leer(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// The workbook stream of the LibreOffice fixture.
QByteArray FlujoBase()
{
    QByteArray flujo;
    ArchivoCompuesto(Leer(QFINDTESTDATA("data/base.xls"))).Flujo({QStringLiteral("Workbook")}, flujo);
    return flujo;
}

/// Position of the vez-th (from 0) record of that type in the stream, -1 when there is none.
qint64 Registro(const QByteArray& flujo, quint16 tipo, int vez = 0)
{
    for (qint64 p = 0; p + 4 <= flujo.size();) {
        const quint16 t = qFromLittleEndian<quint16>(flujo.constData() + p);
        if (t == tipo && vez-- == 0)
            return p;
        p += 4 + qFromLittleEndian<quint16>(flujo.constData() + p + 2);
    }
    return -1;
}

void Poner16(QByteArray& flujo, qint64 posicion, quint16 valor)
{
    qToLittleEndian(valor, flujo.data() + posicion);
}

struct Importacion
{
    BasePrueba base;
    QSharedPointer<Empresa> emp = EmpresaGrabada(base.bd());
    AvisosPrueba avisos;

    bool Importar(const QString& nombre, const QByteArray& contenido)
    {
        const QString archivo = QDir(base.Carpeta()).filePath(nombre);
        return Escribir(archivo, contenido) && ImportarEmpleados(*emp, base.bd(), archivo, &avisos);
    }
    qint64 Empleados() { return base.Contar(QStringLiteral("select count(*) from empleados")); }
};

QByteArray LibroSinNumeros(const QByteArray& filas)
{
    const QByteArray libro = "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                             "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                             "<sheets><sheet name=\"Hoja1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    const QByteArray relaciones = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                                  "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                                  "2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
    const QByteArray hoja = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
        + filas + "</sheetData></worksheet>";
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memoria = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(memoria);
    zip_t* zip = zip_open_from_source(memoria, ZIP_TRUNCATE, &error);
    for (const auto& [nombre, datos] : {std::pair{"xl/workbook.xml", &libro},
                                        std::pair{"xl/_rels/workbook.xml.rels", &relaciones},
                                        std::pair{"xl/worksheets/sheet1.xml", &hoja}})
        zip_file_add(zip, nombre, zip_source_buffer(zip, datos->constData(), zip_uint64_t(datos->size()), 0), 0);
    zip_close(zip);
    QByteArray bytes;
    zip_source_open(memoria);
    zip_source_seek(memoria, 0, SEEK_END);
    bytes.resize(qsizetype(zip_source_tell(memoria)));
    zip_source_seek(memoria, 0, SEEK_SET);
    zip_source_read(memoria, bytes.data(), zip_uint64_t(bytes.size()));
    zip_source_close(memoria);
    zip_source_free(memoria);
    zip_error_fini(&error);
    return bytes;
}

QByteArray Fila(const QStringList& celdas)
{
    QByteArray xml = "<row>";
    for (const QString& c : celdas)
        xml += "<c t=\"inlineStr\"><is><t>" + c.toUtf8() + "</t></is></c>";
    return xml + "</row>";
}

} // namespace

class TestArchivosDanados : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void xlsEnContenedorPropio()
    {
        // The container FreeXL is handed is itself a valid .xls: the fixture's stream in it reads the same.
        const QByteArray flujo = FlujoBase();
        QVERIFY(!flujo.isEmpty());
        QVERIFY(FlujoXlsSano(flujo));
        Importacion imp;
        QVERIFY2(imp.Importar(QStringLiteral("lista.xls"), ContenedorXls(flujo)), qPrintable(imp.base.bd().UltimoError()));
        QCOMPARE(imp.Empleados(), 3);
        QCOMPARE(imp.avisos.nombres, QStringList{QStringLiteral("Cuil Malo")});
    }

    void xlsNombreDeEntradaDesmedido()
    {
        // A directory name length far past its 64-byte field made FreeXL read past its stack.
        QByteArray archivo = Leer(QFINDTESTDATA("data/base.xls"));
        const qint64 sector = qint64(1) << qFromLittleEndian<quint16>(archivo.constData() + 0x1E);
        const qint64 directorio = (qFromLittleEndian<quint32>(archivo.constData() + 0x30) + 1) * sector;
        Poner16(archivo, directorio + 64, 0x3333); // the root entry's
        Importacion imp;
        QVERIFY2(imp.Importar(QStringLiteral("lista.xls"), archivo), qPrintable(imp.base.bd().UltimoError()));
        QCOMPARE(imp.Empleados(), 3);
    }

    void xlsFlujoRechazado_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("hoja sin su subflujo") << "hoja";
        QTest::newRow("dos dimensiones en una hoja") << "dimensiones";
        QTest::newRow("nombre de hoja más largo que su registro") << "nombre";
        QTest::newRow("texto compartido más largo que la tabla") << "texto";
        QTest::newRow("celda fuera de las 256 columnas") << "columna";
    }
    void xlsFlujoRechazado()
    {
        QFETCH(QString, caso);
        QByteArray flujo = FlujoBase();
        if (caso == "hoja") {
            // The second sheet listed where no substream starts: FreeXL would size the first one again.
            const qint64 p = Registro(flujo, 0x0085, 1);
            qToLittleEndian(quint32(flujo.size() - 4), flujo.data() + p + 4);
        } else if (caso == "dimensiones") {
            Poner16(flujo, Registro(flujo, 0x023E), 0x0200); // WINDOW2 of the first sheet
        } else if (caso == "nombre") {
            flujo[Registro(flujo, 0x0085) + 4 + 6] = char(200);
        } else if (caso == "texto") {
            // The first shared string says it has more characters than the table and what follows hold,
            // and the next record continues it: FreeXL would copy the rest without looking.
            const qint64 tabla = Registro(flujo, 0x00FC);
            Poner16(flujo, tabla + 4 + 8, 0x2000);
            Poner16(flujo, tabla + 4 + 343, 0x003C);
        } else {
            Poner16(flujo, Registro(flujo, 0x00FD) + 4 + 2, 300);
        }
        QVERIFY(!FlujoXlsSano(flujo));
        Importacion imp;
        QVERIFY(!imp.Importar(QStringLiteral("lista.xls"), ContenedorXls(flujo)));
        QVERIFY2(imp.base.bd().UltimoError().contains(QStringLiteral("no es una hoja Excel 97-2003 (.xls) válida")),
                 qPrintable(imp.base.bd().UltimoError()));
        QCOMPARE(imp.Empleados(), 0);
    }

    void xlsxFilasSinNumero()
    {
        // Rows may leave out their number: each follows the previous one and the first is row 1, the titles.
        const QStringList titulos{"CUIL", "APELLIDO Y NOMBRE", "FECHA DE INGRESO", "HABERES C/APORTE"};
        Importacion imp;
        QVERIFY2(imp.Importar(QStringLiteral("lista.xlsx"),
                              LibroSinNumeros(Fila(titulos) + Fila({"20-12345678-6", "Uno", "01/02/2010", "150000"})
                                              + Fila({"27-12345678-0", "Dos", "01/02/2010", "1"}))),
                 qPrintable(imp.base.bd().UltimoError()));
        QCOMPARE(imp.Empleados(), 2);
        QVERIFY2(imp.avisos.nombres.isEmpty(), qPrintable(imp.avisos.nombres.join(QLatin1Char(','))));

        // And a message names the row as the sheet shows it.
        Importacion mala;
        QVERIFY(!mala.Importar(QStringLiteral("lista.xlsx"),
                               LibroSinNumeros(Fila(titulos) + Fila({"20-12345678-6", "Uno", "01/02/2010", "150000"})
                                               + Fila({"27-12345678-0", "Dos", "31/02/2010", "1"}))));
        QVERIFY2(mala.base.bd().UltimoError().startsWith(QStringLiteral("Fila 3: FECHA DE INGRESO")),
                 qPrintable(mala.base.bd().UltimoError()));
    }
};

QTEST_GUILESS_MAIN(TestArchivosDanados)
#include "tst_archivos_danados.moc"
