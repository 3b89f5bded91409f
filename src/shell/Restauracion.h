// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Conexion;

/// Replaces the operating database with a backup copy the user chose.
/// The copy is first written beside the operating file under a temporary name and checked there:
/// it must be an SQLite file that passes the integrity check and holds every table and column of
/// this system's schema. Only then is the operating database closed and the copy renamed over it;
/// the old file is kept until the new one is open. Whatever happens, the operating database is
/// open again afterwards, and a failed attempt leaves the operating file as it was.
class Restauracion
{
public:
    enum class Resultado { Restaurada, EsLaOperativa, NoEsBaseDeDatos, BaseIncorrecta, Error };

    explicit Restauracion(Conexion& bd);

    Resultado Restaurar(const QString& copia);
    /// True when copia is the operating file itself (under any spelling of its path).
    bool EsLaOperativa(const QString& copia) const;

    /// For Error: a number and a description of the failure.
    int CodigoError() const { return m_codigo; }
    QString DescripcionError() const { return m_error; }

    /// Checks a database file without changing it: NoEsBaseDeDatos, BaseIncorrecta or Restaurada
    /// (meaning usable). Error when it cannot be read at all.
    Resultado Verificar(const QString& archivo);

private:
    Resultado Fallo(int codigo, const QString& descripcion);
    Resultado Reemplazar(const QString& temporal, const QString& operativo);
    bool Reabrir(const QString& operativo);

    Conexion& m_bd;
    int m_codigo = 0;
    QString m_error;
};
