// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoDeclaracion.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

QByteArray CodificarWindows1252(const QString& texto)
{
    // C1 control characters have no letter in the code page, though ICU passes them through.
    QString limpio = texto;
    for (QChar& c : limpio)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QLatin1Char('?');
    // ICU writes its substitute byte 0x1A for a character the code page cannot hold; the union's
    // readers expect "?".
    QByteArray bytes = QStringEncoder("windows-1252").encode(limpio);
    bytes.replace('\x1a', '?');
    return bytes;
}

QString DecodificarWindows1252(const QByteArray& bytes)
{
    return QStringDecoder("windows-1252").decode(bytes);
}

bool GrabarArchivoDeclaracion(const QString& archivo, const QString& textoDeclaracion, int& numeroError,
                              QString& textoError)
{
    QSaveFile salida(archivo);
    // Where no temporary file can be made beside it (some shared folders), write in place.
    salida.setDirectWriteFallback(true);
    const QByteArray contenido = CodificarWindows1252(textoDeclaracion + QStringLiteral("\r\n"));
    if (salida.open(QIODevice::WriteOnly) && salida.write(contenido) == contenido.size() && salida.commit())
        return true;
    numeroError = int(salida.error());
    textoError = salida.errorString();
    salida.cancelWriting();
    return false;
}
