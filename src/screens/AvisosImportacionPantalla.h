// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/AvisosImportacion.h"

class Dialogos;

/// Shows the notices of an employee import through the dialog service: one "ERROR DE CUIL"
/// message, critical icon, for every row skipped because of its CUIL.
class AvisosImportacionPantalla : public AvisosImportacion
{
public:
    explicit AvisosImportacionPantalla(Dialogos& dialogos)
        : m_dialogos(dialogos)
    {
    }

    void CuilIncorrecto(int fila, const QString& nombre) override;

private:
    Dialogos& m_dialogos;
};
