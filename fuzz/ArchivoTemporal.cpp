// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoTemporal.h"

#include "ApoyoFuzz.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

QString ArchivoTemporal::Carpeta()
{
    // Destroyed by exit(), which is how libFuzzer ends a run that found nothing.
    static QTemporaryDir carpeta(QDir::tempPath() + QStringLiteral("/talvo-fuzz-XXXXXX"));
    Exigir(carpeta.isValid(),
           [&] { return QStringLiteral("no se pudo crear la carpeta temporal: %1").arg(carpeta.errorString()); });
    return carpeta.path();
}

ArchivoTemporal::ArchivoTemporal(const QString& nombre, const QByteArray& datos)
    : m_ruta(QDir(Carpeta()).filePath(nombre))
{
    QFile archivo(m_ruta);
    Exigir(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate) && archivo.write(datos) == datos.size(),
           [&] { return QStringLiteral("no se pudo escribir %1: %2").arg(m_ruta, archivo.errorString()); });
}

ArchivoTemporal::~ArchivoTemporal()
{
    QFile::remove(m_ruta);
}
