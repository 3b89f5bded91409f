// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Conexion;
class QFile;

/// Replaces the operating database with a backup copy the user chose.
/// The copy is first written beside the operating file under a temporary name, synced and checked
/// there: it must be an SQLite file that passes the integrity check, whose schema is exactly the
/// template's and which holds the parameters row. Only then is the operating database closed, kept
/// under a second name and the copy renamed over it in one step, so that talvo.fys is at every
/// instant the whole old file or the whole new one, whatever interrupts the program. The old file
/// goes back if the new one cannot be opened. Whatever happens, the operating database is open
/// again afterwards, and a failed attempt leaves the operating file as it was.
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

    /// Called with 1, 2, 3, … after each step of Restaurar that touches a file (tests stop the
    /// program there to prove that no instant leaves the operating file missing or partial).
    void setAlAvanzar(std::function<void(int paso)> alAvanzar) { m_alAvanzar = std::move(alAvanzar); }

    /// Removes the temporary copies a restore interrupted by a crash left in carpeta. Only for
    /// start-up, once this copy of the program holds the folder.
    static void LimpiarRestos(const QString& carpeta);

private:
    Resultado Fallo(int codigo, const QString& descripcion);
    Resultado Copiar(const QString& copia, QFile& salida);
    Resultado Reemplazar(const QString& temporal, const QString& operativo);
    bool Reabrir(const QString& operativo);
    void Avanzar();

    Conexion& m_bd;
    int m_codigo = 0;
    QString m_error;
    std::function<void(int)> m_alAvanzar;
    int m_paso = 0;
};
