// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class Conexion;

/// The towns that share a postal code, from the reference table "localidades", with their
/// province; and the province names of "provincias".
class Localidades
{
public:
    /// The digits of a typed postal code, in order ("B8000XYZ" -> "8000"): the stored codes are
    /// the four digits of the old national numbering.
    static QString Digitos(const QString& codigoPostal);

    /// Replaces the contents with the towns of the postal code's digits. A code without digits
    /// leaves the contents as they were and returns false; so does a failed read (then empty).
    bool Buscar(Conexion& bd, const QString& codigoPostal);
    int Count() const { return int(m_nombres.size()); }
    /// Name and province id of town i (0-based).
    QString Nombre(int i) const { return m_nombres.value(i); }
    int IdProvincia(int i) const { return m_provincias.value(i); }

    /// The name of the province whose id is codProv (decimal text); empty when the code is empty,
    /// not a number or not stored.
    static QString NombreProvincia(Conexion& bd, const QString& codProv);

private:
    QList<QString> m_nombres;
    QList<int> m_provincias;
};
