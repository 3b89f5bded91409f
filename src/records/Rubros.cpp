// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rubros.h"

#include "Conexion.h"
#include "Consulta.h"

bool Rubros::Leer(Conexion& bd)
{
    m_codigos.clear();
    m_descripciones.clear();
    Consulta c = bd.AbrirConsulta(QStringLiteral("select descripcion, codigo from rubros order by descripcion"));
    if (!c.Valida())
        return false;
    while (!c.Fin()) {
        m_descripciones.append(c.Texto(QStringLiteral("descripcion")));
        m_codigos.append(c.Texto(QStringLiteral("codigo")));
        c.Siguiente();
    }
    c.Cerrar();
    return true;
}

QString Rubros::Entrada(const QString& descripcion, const QString& codigo)
{
    return descripcion.left(AnchoDescripcion).leftJustified(AnchoDescripcion, QLatin1Char(' '))
        + QStringLiteral(" - ") + codigo;
}
