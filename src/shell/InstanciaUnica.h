// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

/// Keeps a second copy of the program from running on the same folder (and database) at once.
/// A lock left by a copy that crashed is detected as stale and taken over.
class InstanciaUnica
{
public:
    enum class Resultado {
        Tomada,    ///< this copy now holds the folder
        EnUso,     ///< another running copy holds it
        SinPermiso ///< the lock cannot be written there (read-only or missing folder)
    };

    Resultado Tomar(const QString& carpeta);
    void Soltar();

private:
    std::unique_ptr<QLockFile> m_bloqueo;
};
