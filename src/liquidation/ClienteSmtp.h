// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

/// Sends one plain-text message to one recipient through an SMTP server (libcurl), with the
/// subject and text in UTF-8 so that accents arrive intact. Failures are reported by result,
/// with curl's error number and text (which carries the server's answer when it refused).
class ClienteSmtp
{
public:
    enum class Seguridad { Ninguna, StartTls, Tls };

    void setServidor(const QString& v) { m_servidor = v; }
    void setPuerto(int v) { m_puerto = v; }
    void setSeguridad(Seguridad v) { m_seguridad = v; }
    /// Account name; empty sends without logging in.
    void setUsuario(const QString& v) { m_usuario = v; }
    void setClave(const QString& v) { m_clave = v; }
    /// From address (envelope and header).
    void setRemitente(const QString& v) { m_remitente = v; }
    /// Seconds allowed to connect; the whole exchange gets four times as much.
    void setSegundosEspera(int v) { m_segundosEspera = v; }

    /// Default port for the security: 25 none, 587 STARTTLS, 465 TLS.
    static int PuertoPorDefecto(Seguridad seguridad);

    bool Enviar(const QString& destinatario, const QString& asunto, const QString& texto);
    /// curl's error number of the last failed send (0 after a success).
    int UltimoCodigo() const { return m_ultimoCodigo; }
    QString UltimoError() const { return m_ultimoError; }
    /// The server's answer that decided the last send: its acceptance of the message ("250 ...")
    /// after a success, its last refusal (4xx or 5xx) after a failure; empty when it gave none.
    QString UltimaRespuesta() const { return m_ultimaRespuesta; }

    /// The whole message as sent: headers (Date, From, To, Subject, Message-ID, MIME) and the text
    /// as quoted-printable UTF-8, every line ended by CR LF.
    static QByteArray ArmarMensaje(const QString& remitente, const QString& destinatario, const QString& asunto,
                                   const QString& texto, const QDateTime& fecha);
    /// A header value: as it is when plain ASCII, else RFC 2047 encoded words (UTF-8, base64).
    static QByteArray EncabezadoCodificado(const QString& valor);
    /// Quoted-printable of UTF-8 text with CR LF line ends and lines of at most 76 characters.
    static QByteArray QuotedPrintable(const QString& texto);

private:
    QString m_servidor;
    int m_puerto = 25;
    Seguridad m_seguridad = Seguridad::Ninguna;
    QString m_usuario;
    QString m_clave;
    QString m_remitente;
    int m_segundosEspera = 20;
    int m_ultimoCodigo = 0;
    QString m_ultimoError;
    QString m_ultimaRespuesta;
};
