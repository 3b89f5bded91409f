// SPDX-License-Identifier: GPL-3.0-or-later
#include "LectorLineas.h"

#include "HojaCalculo.h"
#include "liquidation/ArchivoDeclaracion.h"

#include <QFileInfo>
#include <QStringDecoder>

bool LectorLineas::Abrir(const QString& archivo, QString& motivo)
{
    const QFileInfo info(archivo);
    if (!info.exists() || info.isDir()) {
        motivo = QStringLiteral("No existe el archivo %1.").arg(archivo);
        return false;
    }
    m_archivo.setFileName(archivo);
    if (!m_archivo.open(QIODevice::ReadOnly)) {
        motivo = QStringLiteral("No se pudo abrir el archivo %1: %2").arg(archivo, m_archivo.errorString());
        return false;
    }
    if (m_archivo.size() == 0) {
        motivo = QStringLiteral("El archivo está vacío.");
        return false;
    }
    if (m_archivo.size() > TamanoMaximoHoja) {
        motivo = MotivoTamano(m_archivo.size());
        return false;
    }
    const QByteArray cabecera = m_archivo.peek(3);
    if (cabecera.startsWith("\xFF\xFE") || cabecera.startsWith("\xFE\xFF")) {
        motivo = QStringLiteral("El archivo está en UTF-16 (Unicode); guárdelo como texto ANSI o UTF-8.");
        return false;
    }
    m_inicio = cabecera.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    m_utf8 = DecidirCodificacion();
    if (!m_archivo.seek(m_inicio)) {
        motivo = QStringLiteral("No se pudo leer el archivo: %1").arg(m_archivo.errorString());
        return false;
    }
    m_numero = 0;
    return true;
}

bool LectorLineas::DecidirCodificacion()
{
    // One pass over the file, line by line: UTF-8 only when all of it is valid UTF-8.
    if (!m_archivo.seek(m_inicio))
        return false;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QByteArray bufer(LargoMaximoLinea + 2, Qt::Uninitialized);
    while (!m_archivo.atEnd()) {
        const qint64 n = m_archivo.readLine(bufer.data(), bufer.size());
        if (n <= 0)
            break;
        const QByteArrayView trozo(bufer.constData(), n);
        bool ascii = true;
        for (char c : trozo)
            if (uchar(c) >= 0x80) {
                ascii = false;
                break;
            }
        if (ascii)
            continue;
        const QString texto = utf8.decode(trozo);
        Q_UNUSED(texto);
        if (utf8.hasError())
            return false;
    }
    return true;
}

bool LectorLineas::Siguiente(QString& linea, QString& motivo)
{
    motivo.clear();
    if (m_archivo.atEnd())
        return false;
    QByteArray bytes(LargoMaximoLinea + 2, Qt::Uninitialized);
    const qint64 n = m_archivo.readLine(bytes.data(), bytes.size());
    if (n < 0) {
        motivo = QStringLiteral("Línea %1: no se pudo leer el archivo (%2).")
                     .arg(m_numero + 1)
                     .arg(m_archivo.errorString());
        return false;
    }
    ++m_numero;
    bytes.truncate(int(n));
    if (!bytes.endsWith('\n') && !m_archivo.atEnd()) {
        motivo = QStringLiteral("Línea %1: tiene más de %2 caracteres; el archivo no es una lista de registros.")
                     .arg(m_numero)
                     .arg(LargoMaximoLinea);
        return false;
    }
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    // The DOS end-of-file mark closes some old files.
    if (bytes == "\x1A" && m_archivo.atEnd())
        return false;
    for (int i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes.at(i));
        if (c == '\r') {
            motivo = QStringLiteral("Línea %1: el archivo separa las líneas solo con retorno de carro (CR); "
                                    "guárdelo con fin de línea CR LF (Windows) o LF.")
                         .arg(m_numero);
            return false;
        }
        if ((c < 0x20 && c != '\t') || c == 0x7F) {
            motivo = QStringLiteral("Línea %1, posición %2: el carácter de control 0x%3 indica que el archivo "
                                    "no es de texto.")
                         .arg(m_numero)
                         .arg(i + 1)
                         .arg(int(c), 2, 16, QLatin1Char('0'));
            return false;
        }
    }
    linea = m_utf8 ? QString::fromUtf8(bytes) : DecodificarWindows1252(bytes);
    return true;
}
