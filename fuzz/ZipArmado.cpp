// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZipArmado.h"

#include "ApoyoFuzz.h"

#include <zip.h>

#include <cstdio>

QByteArray ZipArmado(const QList<std::pair<QString, QByteArray>>& entradas, bool comprimir)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memoria = zip_source_buffer_create(nullptr, 0, 0, &error);
    Exigir(memoria, QStringLiteral("zip_source_buffer_create"));
    zip_source_keep(memoria); // still needed after zip_close, to take the bytes out
    zip_t* zip = zip_open_from_source(memoria, ZIP_TRUNCATE, &error);
    Exigir(zip, QStringLiteral("zip_open_from_source"));
    for (const auto& [nombre, datos] : entradas) {
        zip_source_t* fuente = zip_source_buffer(zip, datos.constData(), zip_uint64_t(datos.size()), 0);
        const zip_int64_t indice
            = fuente ? zip_file_add(zip, nombre.toUtf8().constData(), fuente, ZIP_FL_ENC_UTF_8) : -1;
        if (indice < 0)
            zip_source_free(fuente);
        Exigir(indice >= 0, QStringLiteral("zip_file_add %1").arg(nombre));
        zip_set_file_compression(zip, zip_uint64_t(indice), comprimir ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    Exigir(zip_close(zip) == 0, QStringLiteral("zip_close"));
    QByteArray bytes;
    Exigir(zip_source_open(memoria) == 0 && zip_source_seek(memoria, 0, SEEK_END) == 0,
           QStringLiteral("zip_source_open"));
    bytes.resize(qsizetype(zip_source_tell(memoria)));
    Exigir(zip_source_seek(memoria, 0, SEEK_SET) == 0
               && zip_source_read(memoria, bytes.data(), zip_uint64_t(bytes.size())) == bytes.size(),
           QStringLiteral("zip_source_read"));
    zip_source_close(memoria);
    zip_source_free(memoria);
    zip_error_fini(&error);
    return bytes;
}
