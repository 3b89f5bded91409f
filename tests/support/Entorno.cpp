// SPDX-License-Identifier: GPL-3.0-or-later
#include "Entorno.h"

#include <QTemporaryDir>

void AislarConfiguracion()
{
    static QTemporaryDir carpeta;
    qputenv("XDG_CONFIG_HOME", carpeta.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (carpeta.path() + QStringLiteral("/datos")).toLocal8Bit());
}
