// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plantilla.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QByteArray DatosPlantilla()
{
    QFile recurso(QStringLiteral(":/plantilla/talvo.fys"));
    if (!recurso.open(QIODevice::ReadOnly))
        return QByteArray();
    return recurso.readAll();
}

bool CrearBaseSiFalta(const QString& archivo, QString* error)
{
    if (QFileInfo::exists(archivo))
        return true;
    const QByteArray datos = DatosPlantilla();
    if (datos.isEmpty()) {
        if (error)
            *error = QStringLiteral("El programa no contiene la base de datos plantilla.");
        return false;
    }
    // Written under a temporary name and renamed, so a failed write never leaves half a database.
    QSaveFile destino(archivo);
    if (!destino.open(QIODevice::WriteOnly) || destino.write(datos) != datos.size() || !destino.commit()) {
        if (error)
            *error = destino.errorString();
        return false;
    }
    return true;
}
