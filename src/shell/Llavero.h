// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Where the mail account's password may be kept between runs: the desktop's keyring. Never the
/// settings file. Tests put a double of their own in its place (FijarLlaveroCorreo, Correo.h).
class Llavero
{
public:
    virtual ~Llavero() = default;

    /// True when a keyring answers on this session; without one the password is asked once per run.
    virtual bool Disponible() = 0;
    /// The stored password of `usuario` on `servidor`; false when there is none or it cannot be read.
    virtual bool Leer(const QString& servidor, const QString& usuario, QString& clave) = 0;
    /// Stores (or replaces) that password; false with the reason in UltimoError().
    virtual bool Guardar(const QString& servidor, const QString& usuario, const QString& clave) = 0;
    /// Forgets it; true also when there was none.
    virtual bool Borrar(const QString& servidor, const QString& usuario) = 0;
    virtual QString UltimoError() const = 0;
};
