// SPDX-License-Identifier: GPL-3.0-or-later
#include "AvisosImportacionPantalla.h"

#include "shell/Dialogos.h"

void AvisosImportacionPantalla::CuilIncorrecto(int, const QString& nombre)
{
    m_dialogos.Mensaje(TextoCuilIncorrecto(nombre), TituloCuilIncorrecto(), Icono::Critico);
}
