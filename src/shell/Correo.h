// SPDX-License-Identifier: GPL-3.0-or-later
// Mail sending: either straight to the SMTP server configured in the settings, or through the
// user's mail program, whose window shows the message ready to send.
#pragma once

#include <QString>

class Dialogos;
class Llavero;
struct AjustesCorreo;

// Settings (group "PARAMETROS") of the outgoing mail server. The password is never in the
// settings: it is kept in the desktop's keyring when the user chose so, else asked when first
// needed and kept in memory for the rest of the run.
inline const char* const ClaveSmtpServidor = "SMTPSERVIDOR";
inline const char* const ClaveSmtpPuerto = "SMTPPUERTO";
inline const char* const ClaveSmtpUsuario = "SMTPUSUARIO";
/// "NINGUNA", "STARTTLS" (the default) or "TLS".
inline const char* const ClaveSmtpSeguridad = "SMTPSEGURIDAD";
/// From address; when empty, the user name if it is an address.
inline const char* const ClaveSmtpRemitente = "SMTPREMITENTE";
/// "SI" keeps the password in the desktop's keyring; anything else does not.
inline const char* const ClaveSmtpLlavero = "SMTPLLAVERO";

/// Sends a message. With sinVentana and all of recipient, subject and text given, it goes out
/// directly through the configured SMTP server (the mail program when none is configured);
/// otherwise the mail program's window shows it. Returns an empty text on success, else
/// "Error No: " + number + CR LF + "Descripción: " + text.
QString EnviarCorreo(Dialogos& dialogos, const QString& destinatario = QString(), const QString& asunto = QString(),
                     const QString& texto = QString(), bool sinVentana = false);

/// True when an SMTP server is configured, so that sending without a window really sends.
bool CorreoDirectoConfigurado();

/// Forgets the mail server password kept for this run, so that the next send asks for it again.
void OlvidarClaveCorreo();

/// What became of one message handed to the SMTP server.
struct ResultadoEnvio
{
    bool Enviado = false;
    int Codigo = 0; // curl's error number, -1 for a failure before any connection
    QString Error; // the reason, with the server's own answer when it refused
    QString Respuesta; // the server's deciding answer: "250 ..." when it took the message, else its refusal
};

/// Sends through the server of `ajustes`. The password of its user is `claveDada` when given, else
/// the one kept for this run, else the keyring's (when `ajustes` keeps it there), else asked through
/// `dialogos`. A password the server refuses is forgotten; one from the keyring is also removed from
/// it and the user is asked at once for the right one, which replaces it there once the server took
/// it. With `guardarClave`, a password typed by the user that the server accepted goes into the
/// keyring when `ajustes` keeps it there; a keyring that refuses it is reported as a warning.
ResultadoEnvio EnviarPorServidor(Dialogos& dialogos, const AjustesCorreo& ajustes, const QString& destinatario,
                                 const QString& asunto, const QString& texto, const QString& claveDada = QString(),
                                 bool guardarClave = true);

/// The reason of a failed send in the user's words, from curl's error number.
QString MotivoFalloCorreo(int codigo);

/// The keyring that holds the mail password: the desktop's unless a test put another in its place.
Llavero& LlaveroCorreo();
/// Puts `llavero` in place of the desktop's (not owned); null restores the desktop's.
void FijarLlaveroCorreo(Llavero* llavero);
