// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class Conexion;

/// The business categories of the reference table "rubros", ordered by description, as the
/// company screen lists them.
class Rubros
{
public:
    /// Width the description is cut or padded to in a list entry, so that the codes line up.
    static constexpr int AnchoDescripcion = 58;

    /// Replaces the contents with every stored category. False (list empty) when the read fails.
    bool Leer(Conexion& bd);
    int Count() const { return int(m_codigos.size()); }
    /// Code and description of entry i (0-based).
    QString Codigo(int i) const { return m_codigos.value(i); }
    QString Descripcion(int i) const { return m_descripciones.value(i); }
    /// The list entry of entry i: description cut or padded to 58 characters, " - ", code.
    QString Entrada(int i) const { return Entrada(Descripcion(i), Codigo(i)); }
    static QString Entrada(const QString& descripcion, const QString& codigo);

private:
    QList<QString> m_codigos;
    QList<QString> m_descripciones;
};
