// SPDX-License-Identifier: GPL-3.0-or-later
// The .ods reader three ways. A file starting "PK" is handed over as it is: it is refused with a reason
// or read, and two readings agree. Otherwise the first byte chooses: a sheet drawn from the bytes,
// written as an OpenDocument spreadsheet (repeated rows and cells, spaces as text:s, tabs, several
// paragraphs, a displayed text other than the value, another table before the active one) and read
// back, which must give exactly the written cells; or the bytes taken as content.xml (and, after a 0xFF
// byte, settings.xml) inside a sound archive.
#include "ApoyoFuzz.h"
#include "ArchivoTemporal.h"
#include "LecturaFuente.h"
#include "TablaGenerada.h"
#include "ZipArmado.h"
#include "import/FuenteOds.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>

namespace {

const QString Oficina = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString Tabla = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString Texto = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString Config = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:config:1.0");

QByteArray Hoja(const QByteArray& contenido, const QByteArray& ajustes, bool comprimir)
{
    QList<std::pair<QString, QByteArray>> partes
        = {{QStringLiteral("mimetype"), QByteArrayLiteral("application/vnd.oasis.opendocument.spreadsheet")},
           {QStringLiteral("content.xml"), contenido}};
    if (!ajustes.isEmpty())
        partes.append({QStringLiteral("settings.xml"), ajustes});
    return ZipArmado(partes, comprimir);
}

QByteArray Ajustes(const QString& activa)
{
    QByteArray xml;
    QXmlStreamWriter x(&xml);
    x.writeStartDocument();
    x.writeNamespace(Config, QStringLiteral("config"));
    x.writeNamespace(Oficina, QStringLiteral("office"));
    x.writeStartElement(Oficina, QStringLiteral("document-settings"));
    x.writeStartElement(Config, QStringLiteral("config-item"));
    x.writeAttribute(Config, QStringLiteral("name"), QStringLiteral("ActiveTable"));
    x.writeAttribute(Config, QStringLiteral("type"), QStringLiteral("string"));
    x.writeCharacters(activa);
    x.writeEndDocument();
    return xml;
}

/// A text as office programs write it: a paragraph per line, a run of spaces as one space and a
/// text:s for the rest (a leading one as text:s too), a tab as text:tab.
void Parrafos(QXmlStreamWriter& x, const QString& texto)
{
    for (const QString& parrafo : texto.split(QLatin1Char('\n'))) {
        x.writeStartElement(Texto, QStringLiteral("p"));
        for (int i = 0; i < parrafo.size();) {
            const QChar c = parrafo.at(i);
            if (c == QLatin1Char(' ')) {
                int n = 0;
                while (i + n < parrafo.size() && parrafo.at(i + n) == QLatin1Char(' '))
                    ++n;
                const int marcados = i == 0 ? n : n - 1;
                if (i > 0)
                    x.writeCharacters(QStringLiteral(" "));
                if (marcados > 0) {
                    x.writeEmptyElement(Texto, QStringLiteral("s"));
                    if (marcados > 1)
                        x.writeAttribute(Texto, QStringLiteral("c"), QString::number(marcados));
                }
                i += n;
            } else if (c == QLatin1Char('\t')) {
                x.writeEmptyElement(Texto, QStringLiteral("tab"));
                ++i;
            } else {
                int n = 0;
                while (i + n < parrafo.size() && parrafo.at(i + n) != QLatin1Char(' ')
                       && parrafo.at(i + n) != QLatin1Char('\t'))
                    ++n;
                x.writeCharacters(parrafo.mid(i, n));
                i += n;
            }
        }
        x.writeEndElement();
    }
}

void Celda(QXmlStreamWriter& x, const CeldaImportacion& celda, int repetida)
{
    x.writeStartElement(Tabla, QStringLiteral("table-cell"));
    if (repetida > 1)
        x.writeAttribute(Tabla, QStringLiteral("number-columns-repeated"), QString::number(repetida));
    if (celda.tipo == CeldaImportacion::Tipo::Texto) {
        x.writeAttribute(Oficina, QStringLiteral("value-type"), QStringLiteral("string"));
        Parrafos(x, celda.texto);
    } else if (celda.tipo == CeldaImportacion::Tipo::Numero) {
        x.writeAttribute(Oficina, QStringLiteral("value-type"), QStringLiteral("float"));
        x.writeAttribute(Oficina, QStringLiteral("value"), QString::number(celda.numero, 'g', 17));
        Parrafos(x, QStringLiteral("$ 1.234,5")); // what the sheet shows is not what it holds
    }
    x.writeEndElement();
}

void Fila(QXmlStreamWriter& x, const QList<CeldaImportacion>& celdas, int repetida, bool agrupar)
{
    x.writeStartElement(Tabla, QStringLiteral("table-row"));
    if (repetida > 1)
        x.writeAttribute(Tabla, QStringLiteral("number-rows-repeated"), QString::number(repetida));
    for (int c = 0; c < celdas.size();) {
        int n = 1;
        while (agrupar && c + n < celdas.size() && LecturaFuente::MismaCelda(celdas.at(c), celdas.at(c + n)))
            ++n;
        Celda(x, celdas.at(c), n);
        c += n;
    }
    x.writeEndElement();
}

QByteArray Escribir(const TablaGenerada& tabla, Entrada& e, QByteArray& ajustes, bool& comprimir)
{
    const quint64 opciones = e.Entero(1);
    const bool agrupar = opciones & 1;
    const bool otraTabla = opciones & 2;
    const bool cabecera = opciones & 4;
    const bool relleno = opciones & 8;
    comprimir = (opciones & 0x70) == 0x70; // deflating costs more than the rest of a run: one in eight
    QByteArray xml;
    QXmlStreamWriter x(&xml);
    x.writeStartDocument();
    x.writeNamespace(Oficina, QStringLiteral("office"));
    x.writeNamespace(Tabla, QStringLiteral("table"));
    x.writeNamespace(Texto, QStringLiteral("text"));
    x.writeStartElement(Oficina, QStringLiteral("document-content"));
    x.writeStartElement(Oficina, QStringLiteral("body"));
    x.writeStartElement(Oficina, QStringLiteral("spreadsheet"));
    if (otraTabla) {
        // A table before the one the settings name active: it must not be read.
        x.writeStartElement(Tabla, QStringLiteral("table"));
        x.writeAttribute(Tabla, QStringLiteral("name"), QStringLiteral("Otra"));
        Fila(x, {}, 1, false);
        Fila(x, {CeldaImportacion::DeTexto(QStringLiteral("20-12345678-6"))}, 1, false);
        x.writeEndElement();
        ajustes = Ajustes(QStringLiteral("Hoja1"));
    }
    x.writeStartElement(Tabla, QStringLiteral("table"));
    x.writeAttribute(Tabla, QStringLiteral("name"), QStringLiteral("Hoja1"));
    x.writeEmptyElement(Tabla, QStringLiteral("table-column"));
    x.writeAttribute(Tabla, QStringLiteral("number-columns-repeated"), QStringLiteral("12"));
    QList<CeldaImportacion> titulos;
    for (const QString& t : tabla.Titulos())
        titulos << CeldaImportacion::DeTexto(t);
    if (cabecera)
        x.writeStartElement(Tabla, QStringLiteral("table-header-rows"));
    Fila(x, titulos, 1, agrupar);
    if (cabecera)
        x.writeEndElement();
    for (const TablaGenerada::Fila& f : tabla.Filas())
        Fila(x, f.celdas, f.repeticiones, agrupar);
    if (relleno) // how office programs end a sheet: a huge run of empty rows
        Fila(x, {CeldaImportacion()}, 1048000, false);
    x.writeEndDocument();
    return xml;
}

LecturaFuente Leer(const ArchivoTemporal& archivo)
{
    FuenteOds fuente;
    return LecturaFuente::Leer(fuente, archivo.Ruta());
}

ArchivoTemporal Lista(const QByteArray& bytes)
{
    return ArchivoTemporal(QStringLiteral("lista.ods"), bytes);
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
        const TablaGenerada tabla(e, true);
        QByteArray ajustes;
        bool comprimir = false;
        const QByteArray contenido = Escribir(tabla, e, ajustes, comprimir);
        const LecturaFuente leida = Leer(Lista(Hoja(contenido, ajustes, comprimir)));
        leida.ExigirFilas(tabla.Esperadas([](const CeldaImportacion& c) { return c; }));
        leida.ExigirCoherente(2, true);
        return 0;
    }
    QByteArray bytes = entrada;
    if (!entrada.startsWith("PK") && !entrada.isEmpty()) {
        const QList<QByteArray> partes = entrada.mid(1).split('\xFF');
        bytes = Hoja(partes.at(0), partes.size() > 1 ? partes.at(1) : QByteArray(), (entrada.at(0) & 0x0E) == 0x0E);
    }
    const ArchivoTemporal archivo = Lista(bytes);
    const LecturaFuente leida = Leer(archivo);
    leida.ExigirCoherente(2, true);
    const LecturaFuente otra = Leer(archivo);
    Exigir(otra == leida, [&] {
        return QStringLiteral("dos lecturas distintas:\n%1\n--\n%2").arg(leida.Describir(), otra.Describir());
    });
    return 0;
}
