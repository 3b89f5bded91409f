// SPDX-License-Identifier: GPL-3.0-or-later
// Mail sending: either straight to the SMTP server configured in the settings, or through the
// user's mail program, whose window shows the message ready to send.
#pragma once

#include <QString>

class Dialogos;

// Settings (group "PARAMETROS") of the outgoing mail server. The password is never stored: it is
// asked when first needed and kept in memory for the rest of the run.
inline const char* const ClaveSmtpServidor = "SMTPSERVIDOR";
inline const char* const ClaveSmtpPuerto = "SMTPPUERTO";
inline const char* const ClaveSmtpUsuario = "SMTPUSUARIO";
/// "NINGUNA", "STARTTLS" (the default) or "TLS".
inline const char* const ClaveSmtpSeguridad = "SMTPSEGURIDAD";
/// From address; when empty, the user name if it is an address.
inline const char* const ClaveSmtpRemitente = "SMTPREMITENTE";

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
