// SPDX-License-Identifier: GPL-3.0-or-later
// The .xlsx reader three ways. A file starting "PK" is handed over as it is: it is refused with a reason
// or read, and two readings agree. Otherwise the first byte chooses: a sheet drawn from the bytes,
// written as a workbook (shared and inline strings, row and cell references present or left out,
// stored or deflated) and read back, which must give exactly the written cells; or the bytes taken as
// the sheet's XML (and, after a 0xFF byte, the shared strings') inside a sound archive.
#include "ApoyoFuzz.h"
#include "ArchivoTemporal.h"
#include "LecturaFuente.h"
#include "TablaGenerada.h"
#include "ZipArmado.h"
#include "import/FuenteXlsx.h"
#include "import/HojaCalculo.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

const QString EspacioHoja = QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
const QByteArray XmlLibro
    = "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
      "<sheet name=\"Hoja1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
const QByteArray Relaciones
    = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
      "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
      "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
      "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";

QByteArray Libro(const QByteArray& hoja, const QByteArray& textos, bool comprimir)
{
    QList<std::pair<QString, QByteArray>> partes = {{QStringLiteral("xl/workbook.xml"), XmlLibro},
                                                    {QStringLiteral("xl/_rels/workbook.xml.rels"), Relaciones},
                                                    {QStringLiteral("xl/worksheets/sheet1.xml"), hoja},
                                                    {QStringLiteral("xl/sharedStrings.xml"), textos}};
    return ZipArmado(partes, comprimir);
}

/// Writes the table as Excel and other programs do, in the variants the bytes choose.
QByteArray Escribir(const TablaGenerada& tabla, Entrada& e, bool& comprimir)
{
    const quint64 opciones = e.Entero(1);
    const bool filasConReferencia = opciones & 1;
    const bool celdasConReferencia = opciones & 2;
    comprimir = (opciones & 0x1C) == 0x1C; // deflating costs more than the rest of a run: one in eight
    QStringList compartidos;
    QByteArray hoja;
    QXmlStreamWriter x(&hoja);
    x.writeStartDocument();
    x.writeDefaultNamespace(EspacioHoja);
    x.writeStartElement(EspacioHoja, QStringLiteral("worksheet"));
    x.writeStartElement(EspacioHoja, QStringLiteral("sheetData"));
    auto fila = [&](int numero, const QList<CeldaImportacion>& celdas) {
        x.writeStartElement(EspacioHoja, QStringLiteral("row"));
        if (filasConReferencia)
            x.writeAttribute(QStringLiteral("r"), QString::number(numero));
        for (int c = 0; c < celdas.size(); ++c) {
            const CeldaImportacion& celda = celdas.at(c);
            // An empty cell is left out where references place the next one, else written empty.
            if (celda.tipo == CeldaImportacion::Tipo::Vacia && celdasConReferencia)
                continue;
            x.writeStartElement(EspacioHoja, QStringLiteral("c"));
            if (celdasConReferencia)
                x.writeAttribute(QStringLiteral("r"), ReferenciaCelda(numero, c + 1));
            if (celda.tipo == CeldaImportacion::Tipo::Numero) {
                x.writeTextElement(EspacioHoja, QStringLiteral("v"), QString::number(celda.numero, 'g', 17));
            } else if (celda.tipo == CeldaImportacion::Tipo::Texto) {
                switch (e.Entero(1) % 3) {
                case 0:
                    x.writeAttribute(QStringLiteral("t"), QStringLiteral("s"));
                    x.writeTextElement(EspacioHoja, QStringLiteral("v"), QString::number(compartidos.size()));
                    compartidos << celda.texto;
                    break;
                case 1:
                    x.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
                    x.writeStartElement(EspacioHoja, QStringLiteral("is"));
                    x.writeTextElement(EspacioHoja, QStringLiteral("t"), celda.texto);
                    x.writeEndElement();
                    break;
                default: // a formula's text result
                    x.writeAttribute(QStringLiteral("t"), QStringLiteral("str"));
                    x.writeTextElement(EspacioHoja, QStringLiteral("f"), QStringLiteral("A1&\"\""));
                    x.writeTextElement(EspacioHoja, QStringLiteral("v"), celda.texto);
                    break;
                }
            }
            x.writeEndElement();
        }
        x.writeEndElement();
    };
    QList<CeldaImportacion> titulos;
    for (const QString& t : tabla.Titulos())
        titulos << CeldaImportacion::DeTexto(t);
    fila(1, titulos);
    int numero = 2;
    for (const TablaGenerada::Fila& f : tabla.Filas())
        fila(numero++, f.celdas);
    x.writeEndDocument();

    QByteArray textos;
    QXmlStreamWriter t(&textos);
    t.writeStartDocument();
    t.writeDefaultNamespace(EspacioHoja);
    t.writeStartElement(EspacioHoja, QStringLiteral("sst"));
    for (const QString& texto : compartidos) {
        t.writeStartElement(EspacioHoja, QStringLiteral("si"));
        t.writeTextElement(EspacioHoja, QStringLiteral("t"), texto);
        t.writeEndElement();
    }
    t.writeEndDocument();
    return Libro(hoja, textos, comprimir);
}

LecturaFuente Leer(const ArchivoTemporal& archivo)
{
    FuenteXlsx fuente;
    return LecturaFuente::Leer(fuente, archivo.Ruta());
}

ArchivoTemporal Lista(const QByteArray& bytes)
{
    return ArchivoTemporal(QStringLiteral("lista.xlsx"), bytes);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    const QByteArray entrada(reinterpret_cast<const char*>(datos), qsizetype(tamano));
    if (!entrada.startsWith("PK") && !entrada.isEmpty() && entrada.at(0) % 2 == 0) {
        Entrada e(datos + 1, tamano - 1);
        const TablaGenerada tabla(e, false);
        bool comprimir = false;
        const LecturaFuente leida = Leer(Lista(Escribir(tabla, e, comprimir)));
        leida.ExigirFilas(tabla.Esperadas([](const CeldaImportacion& c) { return c; }));
        leida.ExigirCoherente(2, true);
        return 0;
    }
    QByteArray bytes = entrada;
    if (!entrada.startsWith("PK") && !entrada.isEmpty()) {
        const QList<QByteArray> partes = entrada.mid(1).split('\xFF');
        bytes = Libro(partes.at(0), partes.size() > 1 ? partes.at(1) : QByteArray("<sst/>"),
                        (entrada.at(0) & 0x0E) == 0x0E);
    }
    const ArchivoTemporal archivo = Lista(bytes);
    const LecturaFuente leida = Leer(archivo);
    leida.ExigirCoherente(2, false);
    const LecturaFuente otra = Leer(archivo);
    Exigir(otra == leida, [&] {
        return QStringLiteral("dos lecturas distintas:\n%1\n--\n%2").arg(leida.Describir(), otra.Describir());
    });
    return 0;
}
