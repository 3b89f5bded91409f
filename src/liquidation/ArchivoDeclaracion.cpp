// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoDeclaracion.h"

#include <QSaveFile>

namespace {

// Characters of bytes 0x80..0x9F, where Windows-1252 departs from Latin-1 (0 = undefined byte).
const char32_t Tabla80a9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ByteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (Tabla80a9F[i] != 0 && Tabla80a9F[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray CodificarWindows1252(const QString& texto)
{
    QByteArray salida;
    const QList<uint> puntos = texto.toUcs4();
    salida.reserve(puntos.size());
    for (uint c : puntos)
        salida.append(ByteDe(char32_t(c)));
    return salida;
}

QString DecodificarWindows1252(const QByteArray& bytes)
{
    QString salida;
    salida.reserve(bytes.size());
    for (char b : bytes) {
        const uchar u = uchar(b);
        if (u >= 0x80 && u <= 0x9F) {
            const char32_t c = Tabla80a9F[u - 0x80];
            salida += c != 0 ? QChar(char16_t(c)) : QChar(QChar::ReplacementCharacter);
        } else {
            salida += QChar(u);
        }
    }
    return salida;
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
