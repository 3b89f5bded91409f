// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuenteOds.h"

#include "HojaCalculo.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QLatin1String EspacioOficina("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QLatin1String EspacioTabla("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QLatin1String EspacioTexto("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
constexpr qint64 MaximoAjustes = 16 * 1024 * 1024;

int Repeticiones(const QXmlStreamAttributes& a, QLatin1String nombre)
{
    bool ok = false;
    const int n = a.value(EspacioTabla, nombre).toInt(&ok);
    return ok && n > 0 ? n : 1;
}

/// The text of a cell's paragraphs: spans and links read through, text:s as its spaces, tabs and
/// line breaks as such; paragraphs joined by line breaks. Reads up to the cell's end.
QString TextoDeCelda(QXmlStreamReader& xml)
{
    QString texto;
    bool primerParrafo = true;
    int nivel = 1;
    while (nivel > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.namespaceUri() == EspacioOficina && xml.name() == QLatin1String("annotation")) {
                xml.skipCurrentElement();
                continue;
            }
            ++nivel;
            if (xml.namespaceUri() != EspacioTexto)
                continue;
            if (xml.name() == QLatin1String("p")) {
                if (!primerParrafo)
                    texto += QLatin1Char('\n');
                primerParrafo = false;
            } else if (xml.name() == QLatin1String("s")) {
                bool ok = false;
                const int n = xml.attributes().value(EspacioTexto, QLatin1String("c")).toInt(&ok);
                texto += QString(ok && n > 0 ? qMin(n, 1000) : 1, QLatin1Char(' '));
            } else if (xml.name() == QLatin1String("tab")) {
                texto += QLatin1Char('\t');
            } else if (xml.name() == QLatin1String("line-break")) {
                texto += QLatin1Char('\n');
            }
        } else if (xml.isEndElement()) {
            --nivel;
        } else if (xml.isCharacters() && nivel > 1) {
            texto += xml.text();
        }
    }
    return texto;
}

} // namespace

bool FuenteOds::Abrir(const QString& archivo, QString& motivo)
{
    QFile f(archivo);
    if (!QFileInfo(archivo).isFile() || !f.open(QIODevice::ReadOnly)) {
        motivo = QStringLiteral("No se pudo abrir el archivo %1.").arg(archivo);
        return false;
    }
    if (f.size() == 0) {
        motivo = QStringLiteral("El archivo está vacío.");
        return false;
    }
    if (f.size() > TamanoMaximoHoja) {
        motivo = MotivoTamano(f.size());
        return false;
    }
    f.close();
    if (!m_zip.Abrir(archivo, motivo))
        return false;
    QByteArray tipo;
    if (m_zip.Leer(QStringLiteral("mimetype"), tipo, 1024)
        && tipo.trimmed() != "application/vnd.oasis.opendocument.spreadsheet") {
        motivo = QStringLiteral("El archivo no es una hoja de cálculo OpenDocument (.ods): es %1.")
                     .arg(QString::fromUtf8(tipo.trimmed()));
        return false;
    }
    if (!m_zip.Existe(QStringLiteral("content.xml"))) {
        motivo = QStringLiteral("El archivo no es una hoja de cálculo OpenDocument (.ods) válida.");
        return false;
    }
    // The table that was active when the file was saved, from the view settings.
    QString activa;
    QByteArray ajustes;
    if (m_zip.Leer(QStringLiteral("settings.xml"), ajustes, MaximoAjustes)) {
        QXmlStreamReader xml(ajustes);
        while (!xml.atEnd() && activa.isEmpty())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("config-item")
                && xml.attributes().value(QLatin1String("urn:oasis:names:tc:opendocument:xmlns:config:1.0"),
                                          QLatin1String("name"))
                    == QLatin1String("ActiveTable"))
                activa = xml.readElementText();
    }
    if ((!activa.isEmpty() && BuscarTabla(activa, false)) || BuscarTabla(QString(), true))
        return true;
    motivo = m_xml.hasError() ? MotivoXml() : QStringLiteral("El archivo no tiene ninguna tabla.");
    return false;
}

bool FuenteOds::BuscarTabla(const QString& nombre, bool primera)
{
    m_xml.clear();
    m_flujo = m_zip.Flujo(QStringLiteral("content.xml"));
    if (!m_flujo)
        return false;
    m_xml.setDevice(m_flujo.get());
    while (!m_xml.atEnd()) {
        if (m_xml.readNext() != QXmlStreamReader::StartElement || m_xml.namespaceUri() != EspacioTabla
            || m_xml.name() != QLatin1String("table"))
            continue;
        if (primera || m_xml.attributes().value(EspacioTabla, QLatin1String("name")) == nombre)
            return true;
        m_xml.skipCurrentElement();
    }
    return false;
}

QString FuenteOds::MotivoXml() const
{
    if (const auto* e = dynamic_cast<const EntradaZip*>(m_flujo.get()); e && e->Fallo())
        return QStringLiteral("Fila %1: la hoja está dañada o es demasiado grande.").arg(m_siguiente);
    return QStringLiteral("Fila %1: la hoja está dañada (%2).").arg(m_siguiente).arg(m_xml.errorString());
}

CeldaImportacion FuenteOds::LeerCelda(const QString& referencia)
{
    const QXmlStreamAttributes a = m_xml.attributes();
    const QStringView tipo = a.value(EspacioOficina, QLatin1String("value-type"));
    const bool formula = a.hasAttribute(EspacioTabla, QLatin1String("formula"));
    const QString texto = m_xml.isStartElement() ? TextoDeCelda(m_xml) : QString();
    if (tipo.isEmpty())
        return formula ? CeldaImportacion::DeIlegible(MotivoFormula(referencia)) : CeldaImportacion();
    if (tipo == QLatin1String("float") || tipo == QLatin1String("percentage") || tipo == QLatin1String("currency")) {
        bool ok = false;
        const double v = a.value(EspacioOficina, QLatin1String("value")).toDouble(&ok);
        return ok
            ? CeldaImportacion::DeNumero(v)
            : CeldaImportacion::DeIlegible(QStringLiteral("la celda %1 no tiene un número válido.").arg(referencia));
    }
    if (tipo == QLatin1String("boolean"))
        return CeldaImportacion::DeNumero(a.value(EspacioOficina, QLatin1String("boolean-value"))
                                          == QLatin1String("true"));
    if (tipo == QLatin1String("date"))
        return CeldaImportacion::DeTexto(a.value(EspacioOficina, QLatin1String("date-value")).toString());
    if (tipo == QLatin1String("time"))
        return CeldaImportacion::DeTexto(a.value(EspacioOficina, QLatin1String("time-value")).toString());
    if (a.hasAttribute(EspacioOficina, QLatin1String("string-value")))
        return CeldaImportacion::DeTexto(a.value(EspacioOficina, QLatin1String("string-value")).toString());
    return CeldaImportacion::DeTexto(texto);
}

void FuenteOds::LeerFila(FilaImportacion& fila, int numero)
{
    int columna = 1;
    while (m_xml.readNextStartElement()) {
        const bool cubierta = m_xml.name() == QLatin1String("covered-table-cell");
        if (m_xml.namespaceUri() != EspacioTabla || (!cubierta && m_xml.name() != QLatin1String("table-cell"))) {
            m_xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes a = m_xml.attributes();
        const int repetidas = Repeticiones(a, QLatin1String("number-columns-repeated"));
        const bool combinada = cubierta || Repeticiones(a, QLatin1String("number-columns-spanned")) > 1
            || Repeticiones(a, QLatin1String("number-rows-spanned")) > 1;
        if (columna > FilaImportacion::Columnas) {
            m_xml.skipCurrentElement();
            continue;
        }
        const CeldaImportacion celda = LeerCelda(ReferenciaCelda(numero, columna));
        const int hasta = int(std::min<qint64>(qint64(columna) + repetidas, FilaImportacion::Columnas + 1));
        for (int c = columna; c < hasta; ++c)
            fila.celdas[size_t(c - 1)] = celda;
        if (combinada && fila.problema.isEmpty())
            fila.problema = MotivoCombinadas(ReferenciaCelda(numero, columna));
        columna = hasta;
    }
}

FuenteFilas::Resultado FuenteOds::Siguiente(FilaImportacion& fila, QString& motivo)
{
    // Rows may sit inside header-row, row-group and rows elements, which are read through.
    while (!m_xml.atEnd()) {
        const QXmlStreamReader::TokenType t = m_xml.readNext();
        if (t == QXmlStreamReader::EndElement && m_xml.namespaceUri() == EspacioTabla
            && m_xml.name() == QLatin1String("table"))
            return Resultado::Fin;
        if (t != QXmlStreamReader::StartElement)
            continue;
        if (m_xml.namespaceUri() != EspacioTabla) {
            m_xml.skipCurrentElement();
            continue;
        }
        if (m_xml.name() == QLatin1String("table-header-rows") || m_xml.name() == QLatin1String("table-rows")
            || m_xml.name() == QLatin1String("table-row-group"))
            continue;
        if (m_xml.name() != QLatin1String("table-row")) {
            m_xml.skipCurrentElement();
            continue;
        }
        const int primera = m_siguiente;
        const int repetidas = Repeticiones(m_xml.attributes(), QLatin1String("number-rows-repeated"));
        m_siguiente = int(std::min<qint64>(qint64(primera) + repetidas, 1 << 24));
        // Identical repeated rows store the same employee: one reading is enough.
        const int numero = std::max(primera, 2);
        fila = FilaImportacion();
        fila.numero = numero;
        LeerFila(fila, numero);
        if (m_siguiente - 1 < 2) // the title row
            continue;
        return fila.celdas[0].EnBlanco() ? Resultado::Fin : Resultado::Fila;
    }
    motivo = MotivoXml();
    return Resultado::Error;
}
