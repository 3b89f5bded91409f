// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Conexion;

/// Rolls the open transaction back unless Confirmar() was called: a multi-row write either
/// lands whole or leaves the file as it was.
class Transaccion
{
public:
    explicit Transaccion(Conexion& bd);
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

    bool Iniciada() const { return m_iniciada; }
    bool Confirmar();

private:
    Conexion& m_bd;
    bool m_iniciada = false;
    bool m_terminada = false;
};
