// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoZip.h"

#include <QFile>

#include <zip.h>

ArchivoZip::~ArchivoZip()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool ArchivoZip::Abrir(const QString& archivo, QString& motivo)
{
    int error = 0;
    m_zip = zip_open(QFile::encodeName(archivo).constData(), ZIP_RDONLY, &error);
    if (m_zip)
        return true;
    switch (error) {
    case ZIP_ER_NOENT:
        motivo = QStringLiteral("No existe el archivo %1.").arg(archivo);
        break;
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
        motivo = QStringLiteral("No se pudo leer el archivo %1.").arg(archivo);
        break;
    case ZIP_ER_MEMORY:
        motivo = QStringLiteral("No hay memoria suficiente para leer el archivo.");
        break;
    default:
        motivo = QStringLiteral("El archivo no es un libro comprimido válido (está dañado o es de otro tipo).");
        break;
    }
    return false;
}

bool ArchivoZip::Existe(const QString& entrada) const
{
    return m_zip && zip_name_locate(m_zip, entrada.toUtf8().constData(), 0) >= 0;
}

bool ArchivoZip::Leer(const QString& entrada, QByteArray& datos, qint64 limite) const
{
    datos.clear();
    std::unique_ptr<QIODevice> flujo = Flujo(entrada);
    if (!flujo)
        return false;
    char bufer[65536];
    for (;;) {
        const qint64 n = flujo->read(bufer, sizeof bufer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (datos.size() + n > limite)
            return false;
        datos.append(bufer, n);
    }
    return !static_cast<EntradaZip*>(flujo.get())->Fallo();
}

std::unique_ptr<QIODevice> ArchivoZip::Flujo(const QString& entrada) const
{
    if (!m_zip)
        return nullptr;
    zip_file* archivo = zip_fopen(m_zip, entrada.toUtf8().constData(), 0);
    if (!archivo)
        return nullptr;
    auto flujo = std::make_unique<EntradaZip>(archivo);
    flujo->open(QIODevice::ReadOnly);
    return flujo;
}

EntradaZip::EntradaZip(zip_file* archivo)
    : m_archivo(archivo)
{ }

EntradaZip::~EntradaZip()
{
    close();
}

void EntradaZip::close()
{
    if (m_archivo) {
        zip_fclose(m_archivo);
        m_archivo = nullptr;
    }
    QIODevice::close();
}

qint64 EntradaZip::readData(char* datos, qint64 maximo)
{
    if (!m_archivo || m_fallo)
        return -1;
    if (m_leidos >= ArchivoZip::MaximoDescomprimido) {
        m_fallo = true;
        return -1;
    }
    maximo = qMin(maximo, ArchivoZip::MaximoDescomprimido - m_leidos);
    const zip_int64_t n = zip_fread(m_archivo, datos, zip_uint64_t(maximo));
    if (n < 0) {
        m_fallo = true;
        return -1;
    }
    m_leidos += n;
    return n;
}
