// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "liquidation/ClienteSmtp.h"

#include <QString>

/// The outgoing mail server as the settings (section "PARAMETROS") hold it, or as the mail settings
/// dialog has it typed. The password is not part of it: it lives in memory for the run or in the
/// desktop's keyring.
struct AjustesCorreo
{
    QString Servidor; // empty: no server, the mail program's window is used
    int Puerto = 0; // 0: the default port of the security
    ClienteSmtp::Seguridad Seguridad = ClienteSmtp::Seguridad::StartTls;
    QString Usuario; // empty: the server is used without logging in
    QString Remitente; // "address" or "Name <address>"; empty: the user name when it is an address
    bool GuardarClave = false; // keep the password in the desktop's keyring

    /// As stored; what is missing or unreadable gets its default.
    static AjustesCorreo Leidos();
    void Grabar() const;

    int PuertoEfectivo() const;
    QString RemitenteEfectivo() const;
    /// The bare address of RemitenteEfectivo().
    QString DireccionRemitente() const;

    /// "NINGUNA", "STARTTLS" or "TLS", as stored; anything else reads as STARTTLS.
    static ClienteSmtp::Seguridad SeguridadDeTexto(const QString& texto);
    static QString TextoDeSeguridad(ClienteSmtp::Seguridad seguridad);

    /// The bare address of "address" or "Name <address>".
    static QString DireccionDe(const QString& texto);
    /// "local@domain", optionally as "Name <local@domain>", with nothing a header could be broken with.
    static bool DireccionValida(const QString& texto);
    /// A host name, an IPv4 address or an IPv6 address (with or without brackets).
    static bool ServidorValido(const QString& texto);
};
