// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuenteXlsx.h"

#include "HojaCalculo.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

constexpr qint64 MaximoPartePequena = 16 * 1024 * 1024; // workbook, relations

/// Relations of a part: id -> (type, target resolved against the part's folder).
struct Relacion
{
    QString tipo;
    QString destino;
};

QString Resolver(const QString& carpeta, const QString& destino)
{
    if (destino.startsWith(QLatin1Char('/')))
        return destino.mid(1);
    QStringList partes = carpeta.isEmpty() ? QStringList() : carpeta.split(QLatin1Char('/'));
    for (const QString& p : destino.split(QLatin1Char('/'))) {
        if (p == QLatin1String(".."))
            partes.removeLast();
        else if (p != QLatin1String("."))
            partes << p;
    }
    return partes.join(QLatin1Char('/'));
}

QString Carpeta(const QString& parte)
{
    const int barra = parte.lastIndexOf(QLatin1Char('/'));
    return barra < 0 ? QString() : parte.left(barra);
}

QHash<QString, Relacion> LeerRelaciones(const ArchivoZip& zip, const QString& parte)
{
    QHash<QString, Relacion> relaciones;
    const QString carpeta = Carpeta(parte);
    const QString archivo = (carpeta.isEmpty() ? QString() : carpeta + QLatin1Char('/')) + QStringLiteral("_rels/")
        + parte.mid(parte.lastIndexOf(QLatin1Char('/')) + 1) + QStringLiteral(".rels");
    QByteArray datos;
    if (!zip.Leer(archivo, datos, MaximoPartePequena))
        return relaciones;
    QXmlStreamReader xml(datos);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("Relationship")) {
            const auto a = xml.attributes();
            const QString modo = a.value(QLatin1String("TargetMode")).toString();
            if (modo != QLatin1String("External"))
                relaciones.insert(a.value(QLatin1String("Id")).toString(),
                                  {a.value(QLatin1String("Type")).toString(),
                                   Resolver(carpeta, a.value(QLatin1String("Target")).toString())});
        }
    }
    return relaciones;
}

/// The text of a string item (<si> of the shared strings, <is> of a cell), plain or in rich-text
/// runs, without phonetic guides; reads up to the item's end.
QString TextoDeElemento(QXmlStreamReader& xml)
{
    QString texto;
    for (int nivel = 1; nivel > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("rPh"))
                xml.skipCurrentElement();
            else if (xml.name() == QLatin1String("t"))
                texto += xml.readElementText();
            else
                ++nivel;
        } else if (xml.isEndElement()) {
            --nivel;
        }
    }
    return texto;
}

bool Verdadero(QStringView v)
{
    return v == QLatin1String("1") || v == QLatin1String("true");
}

} // namespace

bool FuenteXlsx::Abrir(const QString& archivo, QString& motivo)
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
    const QByteArray cabecera = f.read(8);
    f.close();
    if (cabecera.startsWith("\xD0\xCF\x11\xE0")) {
        motivo = QStringLiteral("El libro está protegido con contraseña o es una hoja Excel 97-2003 con otra "
                                "extensión; guárdelo como .xlsx sin contraseña.");
        return false;
    }
    if (!m_zip.Abrir(archivo, motivo))
        return false;
    QString hoja, textos;
    if (!LeerLibro(hoja, textos, motivo))
        return false;
    if (!textos.isEmpty() && !LeerTextos(textos, motivo))
        return false;
    if (!LeerCombinadas(hoja, motivo))
        return false;
    m_flujo = m_zip.Flujo(hoja);
    if (!m_flujo) {
        motivo = QStringLiteral("El libro no tiene la hoja %1.").arg(hoja);
        return false;
    }
    m_xml.setDevice(m_flujo.get());
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("sheetData"))
            return true;
        if (m_xml.name() != QLatin1String("worksheet"))
            m_xml.skipCurrentElement();
    }
    motivo = MotivoXml(1);
    return false;
}

bool FuenteXlsx::LeerLibro(QString& hoja, QString& textos, QString& motivo)
{
    QString libro = QStringLiteral("xl/workbook.xml");
    for (const Relacion& r : LeerRelaciones(m_zip, QString()))
        if (r.tipo.endsWith(QLatin1String("/officeDocument")))
            libro = r.destino;
    QByteArray datos;
    if (!m_zip.Leer(libro, datos, MaximoPartePequena)) {
        motivo = QStringLiteral("El archivo no es un libro Excel (.xlsx) válido: no tiene el libro %1.").arg(libro);
        return false;
    }
    QStringList ids;
    int activa = 0;
    QXmlStreamReader xml(datos);
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("workbookPr"))
            m_base1904 = Verdadero(a.value(QLatin1String("date1904")));
        else if (xml.name() == QLatin1String("workbookView") && a.hasAttribute(QLatin1String("activeTab")))
            activa = a.value(QLatin1String("activeTab")).toInt();
        else if (xml.name() == QLatin1String("sheet"))
            for (const QXmlStreamAttribute& at : a)
                if (at.name() == QLatin1String("id"))
                    ids << at.value().toString();
    }
    if (xml.hasError()) {
        motivo = QStringLiteral("El libro está dañado (%1).").arg(xml.errorString());
        return false;
    }
    const QHash<QString, Relacion> relaciones = LeerRelaciones(m_zip, libro);
    auto esHoja = [&](const QString& id) {
        return relaciones.contains(id) && relaciones.value(id).tipo.endsWith(QLatin1String("/worksheet"));
    };
    // The active tab when it is a worksheet (not a chart), else the first worksheet.
    QString id = activa >= 0 && activa < ids.size() && esHoja(ids.at(activa)) ? ids.at(activa) : QString();
    for (int i = 0; id.isEmpty() && i < ids.size(); ++i)
        if (esHoja(ids.at(i)))
            id = ids.at(i);
    if (id.isEmpty()) {
        motivo = QStringLiteral("El libro no tiene ninguna hoja de cálculo.");
        return false;
    }
    hoja = relaciones.value(id).destino;
    for (const Relacion& r : relaciones)
        if (r.tipo.endsWith(QLatin1String("/sharedStrings")))
            textos = r.destino;
    return true;
}

bool FuenteXlsx::LeerTextos(const QString& entrada, QString& motivo)
{
    std::unique_ptr<QIODevice> flujo = m_zip.Flujo(entrada);
    if (!flujo) {
        motivo = QStringLiteral("El libro no tiene su tabla de textos %1.").arg(entrada);
        return false;
    }
    QXmlStreamReader xml(flujo.get());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            m_textos << TextoDeElemento(xml);
    }
    if (xml.hasError() || static_cast<EntradaZip*>(flujo.get())->Fallo()) {
        motivo = QStringLiteral("La tabla de textos del libro está dañada o es demasiado grande.");
        return false;
    }
    return true;
}

bool FuenteXlsx::LeerCombinadas(const QString& entrada, QString& motivo)
{
    // Merged ranges are listed after the cells: a quick look for them first, and a full read of
    // the sheet only when it has some.
    std::unique_ptr<QIODevice> flujo = m_zip.Flujo(entrada);
    if (!flujo) {
        motivo = QStringLiteral("El libro no tiene la hoja %1.").arg(entrada);
        return false;
    }
    static const QByteArray marca("mergeCell");
    QByteArray cola;
    bool hay = false;
    char bufer[65536];
    for (qint64 n; !hay && (n = flujo->read(bufer, sizeof bufer)) > 0;) {
        const QByteArray trozo = cola + QByteArray::fromRawData(bufer, int(n));
        hay = trozo.contains(marca);
        cola = trozo.right(marca.size() - 1);
    }
    if (!hay)
        return true;
    flujo = m_zip.Flujo(entrada);
    QXmlStreamReader xml(flujo.get());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("mergeCell")) {
            const QStringList extremos
                = xml.attributes().value(QLatin1String("ref")).toString().split(QLatin1Char(':'));
            int f1, c1, f2, c2;
            if (extremos.size() == 2 && LeerReferencia(extremos[0], f1, c1) && LeerReferencia(extremos[1], f2, c2))
                m_combinadas << QRect(QPoint(c1, f1), QPoint(c2, f2));
        }
    }
    if (xml.hasError()) {
        motivo = QStringLiteral("La hoja del libro está dañada (%1).").arg(xml.errorString());
        return false;
    }
    return true;
}

QString FuenteXlsx::MotivoXml(int fila) const
{
    if (const auto* e = dynamic_cast<const EntradaZip*>(m_flujo.get()); e && e->Fallo())
        return QStringLiteral("Fila %1: la hoja está dañada o es demasiado grande.").arg(fila);
    return QStringLiteral("Fila %1: la hoja está dañada (%2).").arg(fila).arg(m_xml.errorString());
}

void FuenteXlsx::LeerCelda(FilaImportacion& fila, int numeroFila, int& columna)
{
    const auto a = m_xml.attributes();
    int f = 0, c = 0;
    if (LeerReferencia(a.value(QLatin1String("r")).toString(), f, c))
        columna = c;
    else
        ++columna; // the reference is optional: cells then follow one another
    const QString tipo = a.value(QLatin1String("t")).toString();
    QString valor, enLinea;
    bool formula = false, conValor = false;
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("v")) {
            valor = m_xml.readElementText();
            conValor = true;
        } else if (m_xml.name() == QLatin1String("f")) {
            formula = true;
            m_xml.skipCurrentElement();
        } else if (m_xml.name() == QLatin1String("is")) {
            enLinea = TextoDeElemento(m_xml);
            conValor = true;
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (columna < 1 || columna > FilaImportacion::Columnas)
        return;
    CeldaImportacion& celda = fila.celdas[size_t(columna - 1)];
    const auto referencia = [&] { return ReferenciaCelda(numeroFila, columna); };
    if (!conValor) {
        if (formula)
            celda = CeldaImportacion::DeIlegible(MotivoFormula(referencia()));
        return;
    }
    if (tipo == QLatin1String("s")) {
        bool ok = false;
        const int indice = valor.toInt(&ok);
        celda = ok && indice >= 0 && indice < m_textos.size()
            ? CeldaImportacion::DeTexto(m_textos.at(indice))
            : CeldaImportacion::DeIlegible(
                QStringLiteral("la celda %1 remite a un texto que el libro no tiene.").arg(referencia()));
    } else if (tipo == QLatin1String("inlineStr")) {
        celda = CeldaImportacion::DeTexto(enLinea);
    } else if (tipo == QLatin1String("str") || tipo == QLatin1String("d")) {
        celda = CeldaImportacion::DeTexto(valor);
    } else if (tipo == QLatin1String("b")) {
        celda = CeldaImportacion::DeNumero(Verdadero(valor) ? 1 : 0);
    } else if (tipo == QLatin1String("e")) {
        celda = CeldaImportacion::DeIlegible(QStringLiteral("la celda %1 tiene el error %2.").arg(referencia(), valor));
    } else {
        bool ok = false;
        const double numero = valor.toDouble(&ok);
        celda = ok
            ? CeldaImportacion::DeNumero(numero)
            : CeldaImportacion::DeIlegible(QStringLiteral("la celda %1 no tiene un número válido.").arg(referencia()));
    }
}

FuenteFilas::Resultado FuenteXlsx::Siguiente(FilaImportacion& fila, QString& motivo)
{
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() != QLatin1String("row")) {
            m_xml.skipCurrentElement();
            continue;
        }
        // Row numbers are optional: a row without one follows the previous row, the first is row 1.
        bool ok = false;
        int numero = m_xml.attributes().value(QLatin1String("r")).toInt(&ok);
        if (!ok || numero < 1)
            numero = m_siguiente;
        if (numero == 1) { // titles
            m_siguiente = 2;
            m_xml.skipCurrentElement();
            continue;
        }
        // A row missing from the file is an empty row: the data ended before it.
        if (numero > qMax(m_siguiente, 2))
            return Resultado::Fin;
        m_siguiente = numero + 1;
        fila = FilaImportacion();
        fila.numero = numero;
        int columna = 0;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("c"))
                LeerCelda(fila, numero, columna);
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            break;
        for (const QRect& r : m_combinadas)
            if (r.intersects(QRect(1, numero, FilaImportacion::Columnas, 1))) {
                fila.problema = MotivoCombinadas(ReferenciaCelda(r.top(), r.left()) + QLatin1Char(':')
                                                 + ReferenciaCelda(r.bottom(), r.right()));
                break;
            }
        return fila.celdas[0].EnBlanco() ? Resultado::Fin : Resultado::Fila;
    }
    if (m_xml.hasError()) {
        motivo = MotivoXml(qMax(m_siguiente, 2));
        return Resultado::Error;
    }
    return Resultado::Fin;
}
