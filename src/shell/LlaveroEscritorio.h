// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Llavero.h"

struct _GDBusConnection;

/// The desktop's keyring reached through the Secret Service on the session bus (libsecret): GNOME
/// Keyring, KWallet or KeePassXC, whichever the desktop runs. Without a session bus every call
/// fails at once, without trying to start one. Reasons are in Spanish, with GLib's own text.
class LlaveroEscritorio : public Llavero
{
public:
    LlaveroEscritorio() = default;
    ~LlaveroEscritorio() override;
    LlaveroEscritorio(const LlaveroEscritorio&) = delete;
    LlaveroEscritorio& operator=(const LlaveroEscritorio&) = delete;

    bool Disponible() override;
    bool Leer(const QString& servidor, const QString& usuario, QString& clave) override;
    bool Guardar(const QString& servidor, const QString& usuario, const QString& clave) override;
    bool Borrar(const QString& servidor, const QString& usuario) override;
    QString UltimoError() const override { return m_ultimoError; }

private:
    /// False, with the reason, when there is no session bus to ask.
    bool Bus();

    _GDBusConnection* m_bus = nullptr;
    QString m_ultimoError;
};
