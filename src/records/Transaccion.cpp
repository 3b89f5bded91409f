// SPDX-License-Identifier: GPL-3.0-or-later
#include "Transaccion.h"

#include "Conexion.h"

Transaccion::Transaccion(Conexion& bd)
    : m_bd(bd)
{
    m_iniciada = m_bd.IniciarTransaccion();
}

Transaccion::~Transaccion()
{
    if (m_iniciada && !m_terminada)
        m_bd.Deshacer();
}

bool Transaccion::Confirmar()
{
    if (!m_iniciada || m_terminada)
        return false;
    m_terminada = m_bd.Confirmar();
    return m_terminada;
}
