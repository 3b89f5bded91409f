// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>

/// The SHA-256 of a file's bytes, to prove a file was left byte-identical; empty when unreadable.
inline QByteArray Huella(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

/// Writes datos as the whole file; false when not all of it was written.
inline bool Escribir(const QString& archivo, const QByteArray& datos)
{
    QFile f(archivo);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}
