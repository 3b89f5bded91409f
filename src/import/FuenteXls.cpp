// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuenteXls.h"

#include "ArchivoCompuesto.h"
#include "HojaCalculo.h"
#include "SaneoXls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <freexl.h>

namespace {

QString NoEsXls(const QByteArray& cabecera)
{
    if (cabecera.startsWith("PK\x03\x04"))
        return QStringLiteral("El archivo no es una hoja Excel 97-2003 (.xls): es un libro comprimido "
                              "(.xlsx u .ods) con otra extensión; cámbiele la extensión o guárdelo como .xls.");
    return QStringLiteral("El archivo no es una hoja Excel 97-2003 (.xls) válida; ábralo con la planilla de "
                          "cálculo y guárdelo de nuevo como .xls.");
}

} // namespace

FuenteXls::~FuenteXls()
{
    if (m_libro)
        freexl_close(m_libro);
}

bool FuenteXls::Abrir(const QString& archivo, QString& motivo)
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
    const QByteArray datos = f.readAll();
    f.close();
    const ArchivoCompuesto compuesto(datos);
    QByteArray flujo;
    if (!compuesto.Valido() || !compuesto.Flujo({QStringLiteral("Workbook"), QStringLiteral("Book")}, flujo)
        || !m_estructura.Leer(flujo) || !FlujoXlsSano(flujo)) {
        motivo = NoEsXls(datos.left(4));
        return false;
    }

    // FreeXL reads only the checked stream, from a container of our own making (see SaneoXls.h).
    m_copia = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/talvo-importacion-XXXXXX.xls"));
    const QByteArray contenedor = ContenedorXls(flujo);
    if (!m_copia->open() || m_copia->write(contenedor) != contenedor.size() || !m_copia->flush()) {
        motivo = QStringLiteral("No se pudo preparar la lectura de la hoja: %1").arg(m_copia->errorString());
        return false;
    }
    const int resultado = freexl_open(QFile::encodeName(m_copia->fileName()).constData(), &m_libro);
    if (resultado != FREEXL_OK) {
        motivo = resultado == FREEXL_INSUFFICIENT_MEMORY
            ? QStringLiteral("No hay memoria suficiente para leer la hoja.")
            : NoEsXls(datos.left(4));
        return false;
    }
    unsigned int valor = 0;
    if (freexl_get_info(m_libro, FREEXL_BIFF_PASSWORD, &valor) == FREEXL_OK && valor == FREEXL_BIFF_OBFUSCATED) {
        motivo = QStringLiteral("La hoja está protegida con contraseña; guárdela sin contraseña para importarla.");
        return false;
    }
    if (freexl_get_info(m_libro, FREEXL_BIFF_DATEMODE, &valor) == FREEXL_OK)
        m_base1904 = valor == FREEXL_BIFF_DATEMODE_1904;

    // The sheet active when the file was saved, found in FreeXL's list by its name.
    const int activa = qBound(0, m_estructura.HojaActiva(), int(m_estructura.Hojas().size()) - 1);
    unsigned int hojas = 0;
    freexl_get_info(m_libro, FREEXL_BIFF_SHEET_COUNT, &hojas);
    int indice = -1;
    for (unsigned short i = 0; i < hojas; ++i) {
        const char* nombre = nullptr;
        if (freexl_get_worksheet_name(m_libro, i, &nombre) == FREEXL_OK && nombre
            && QString::fromUtf8(nombre) == m_estructura.Hojas().at(activa)) {
            indice = i;
            break;
        }
    }
    if (indice < 0)
        indice = activa < int(hojas) ? activa : 0;
    if (hojas == 0 || freexl_select_active_worksheet(m_libro, quint16(indice)) != FREEXL_OK
        || freexl_worksheet_dimensions(m_libro, &m_filas, &m_columnas) != FREEXL_OK || !m_estructura.LeerHoja(activa)) {
        motivo = QStringLiteral("No se pudo leer la hoja activa del libro.");
        return false;
    }
    m_fila = 1; // row 1 holds the titles
    return true;
}

bool FuenteXls::Celda(int fila, int columna, CeldaImportacion& celda, QString& motivo) const
{
    celda = CeldaImportacion();
    if (m_estructura.EsFormula(fila, columna)) {
        celda = CeldaImportacion::DeIlegible(MotivoFormula(ReferenciaCelda(fila + 1, columna + 1)));
        return true;
    }
    if (columna >= m_columnas)
        return true;
    FreeXL_CellValue valor;
    if (freexl_get_cell_value(m_libro, unsigned(fila), quint16(columna), &valor) != FREEXL_OK) {
        motivo = QStringLiteral("Fila %1: no se pudo leer la celda %2.")
                     .arg(fila + 1)
                     .arg(ReferenciaCelda(fila + 1, columna + 1));
        return false;
    }
    switch (valor.type) {
    case FREEXL_CELL_INT:
        celda = CeldaImportacion::DeNumero(valor.value.int_value);
        break;
    case FREEXL_CELL_DOUBLE:
        celda = CeldaImportacion::DeNumero(valor.value.double_value);
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE: // "yyyy-mm-dd"
    case FREEXL_CELL_DATETIME: // "yyyy-mm-dd hh:mm:ss"
    case FREEXL_CELL_TIME:
        celda = CeldaImportacion::DeTexto(QString::fromUtf8(valor.value.text_value));
        break;
    default:
        break;
    }
    return true;
}

FuenteFilas::Resultado FuenteXls::Siguiente(FilaImportacion& fila, QString& motivo)
{
    if (m_fila >= m_filas)
        return Resultado::Fin;
    const int r = int(m_fila++);
    fila = FilaImportacion();
    fila.numero = r + 1;
    for (int c = 0; c < FilaImportacion::Columnas; ++c) {
        if (!Celda(r, c, fila.celdas[size_t(c)], motivo))
            return Resultado::Error;
        const QRect rango = m_estructura.Combinada(r, c);
        if (!rango.isNull() && fila.problema.isEmpty())
            fila.problema = MotivoCombinadas(ReferenciaCelda(rango.top() + 1, rango.left() + 1) + QLatin1Char(':')
                                             + ReferenciaCelda(rango.bottom() + 1, rango.right() + 1));
    }
    // Data ends at the first row whose column 1 is empty (a formula there is not empty).
    if (fila.celdas[0].EnBlanco())
        return Resultado::Fin;
    return Resultado::Fila;
}
