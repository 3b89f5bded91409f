// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class Conexion;

/// The employee categories of the reference table "categorias", ordered by code, as the employee
/// screen lists them: the description is shown, the code (a number) is what an employee stores.
class Categorias
{
public:
    /// Replaces the contents with every stored category. False (list empty) when the read fails.
    bool Leer(Conexion& bd);
    int Count() const { return int(m_codigos.size()); }
    /// Code and description of entry i (0-based).
    int Codigo(int i) const { return m_codigos.value(i); }
    QString Descripcion(int i) const { return m_descripciones.value(i); }

private:
    QList<int> m_codigos;
    QList<QString> m_descripciones;
};
