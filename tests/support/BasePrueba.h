// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/Conexion.h"

#include <QTemporaryDir>

#include <memory>

/// A fresh talvo.fys written from the program's own template into a temporary folder and opened.
/// Loads the template's parameters (2, 2, 2) into the shared state and points BaseDatos at it.
class BasePrueba
{
public:
    BasePrueba();
    ~BasePrueba();

    bool Valida() const { return m_valida; }
    Conexion& bd() { return *m_bd; }
    QString Carpeta() const { return m_carpeta.path(); }
    QString Archivo() const;
    /// Counts the rows of a query such as "select count(*) from empleados".
    qint64 Contar(const QString& sql);

private:
    QTemporaryDir m_carpeta;
    std::unique_ptr<Conexion> m_bd;
    bool m_valida = false;
};
