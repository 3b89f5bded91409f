// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FuenteFilas.h"

class FuenteXlsx : public FuenteFilas
{
public:
    bool Abrir(const QString& archivo, QString& motivo) override
    {
        Q_UNUSED(archivo);
        motivo = QStringLiteral("Formato todavía no disponible.");
        return false;
    }
    Resultado Siguiente(FilaImportacion&, QString&) override { return Resultado::Fin; }
};
