// SPDX-License-Identifier: GPL-3.0-or-later
#include "Categorias.h"

#include "Conexion.h"
#include "Consulta.h"

bool Categorias::Leer(Conexion& bd)
{
    m_codigos.clear();
    m_descripciones.clear();
    Consulta c = bd.AbrirConsulta(QStringLiteral("select codigo, descripcion from categorias order by codigo"));
    if (!c.Valida())
        return false;
    while (!c.Fin()) {
        // Codes are stored as three-digit text ("001"); employees keep the number.
        m_codigos.append(c.Texto(QStringLiteral("codigo")).toInt());
        m_descripciones.append(c.Texto(QStringLiteral("descripcion")));
        c.Siguiente();
    }
    c.Cerrar();
    return true;
}
