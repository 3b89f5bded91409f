// SPDX-License-Identifier: GPL-3.0-or-later
#include "Correo.h"

#include "Dialogos.h"
#include "Plataforma.h"
#include "liquidation/ClienteSmtp.h"
#include "records/Global.h"

#include <curl/curl.h>

namespace {

// Password of the mail account for this run only, with the account it belongs to.
QString ClaveRecordada;
QString CuentaRecordada;

QString Error(int numero, const QString& descripcion)
{
    return QStringLiteral("Error No: %1\r\nDescripción: %2").arg(numero).arg(descripcion);
}

ClienteSmtp::Seguridad SeguridadDe(const QString& texto)
{
    const QString t = texto.trimmed().toUpper();
    if (t == QLatin1String("NINGUNA"))
        return ClienteSmtp::Seguridad::Ninguna;
    if (t == QLatin1String("TLS") || t == QLatin1String("SSL"))
        return ClienteSmtp::Seguridad::Tls;
    return ClienteSmtp::Seguridad::StartTls;
}

QString PorVentana(const QString& destinatario, const QString& asunto, const QString& texto)
{
    if (AbrirProgramaCorreo(destinatario, asunto, texto))
        return QString();
    return Error(-1, QStringLiteral("No se pudo abrir el programa de correo electrónico."));
}

QString PorServidor(Dialogos& dialogos, const QString& servidor, const QString& destinatario,
                    const QString& asunto, const QString& texto)
{
    ClienteSmtp cliente;
    const ClienteSmtp::Seguridad seguridad = SeguridadDe(LeerParametro(QLatin1String(ClaveSmtpSeguridad)));
    bool ok = false;
    int puerto = LeerParametro(QLatin1String(ClaveSmtpPuerto)).trimmed().toInt(&ok);
    if (!ok || puerto <= 0 || puerto > 65535)
        puerto = ClienteSmtp::PuertoPorDefecto(seguridad);
    const QString usuario = LeerParametro(QLatin1String(ClaveSmtpUsuario)).trimmed();
    QString remitente = LeerParametro(QLatin1String(ClaveSmtpRemitente)).trimmed();
    if (remitente.isEmpty() && usuario.contains(QLatin1Char('@')))
        remitente = usuario;
    if (remitente.isEmpty())
        return Error(-1, QStringLiteral("No está configurada la dirección del remitente del correo (%1).")
                             .arg(QLatin1String(ClaveSmtpRemitente)));

    const QString cuenta = usuario + QLatin1Char('@') + servidor;
    if (!usuario.isEmpty() && (CuentaRecordada != cuenta || ClaveRecordada.isEmpty())) {
        QString clave;
        if (!dialogos.PedirTexto(QStringLiteral("CORREO ELECTRONICO"),
                                 QStringLiteral("Contraseña de %1 en el servidor de correo %2:").arg(usuario, servidor),
                                 true, clave))
            return Error(-1, QStringLiteral("No se ingresó la contraseña del servidor de correo."));
        ClaveRecordada = clave;
        CuentaRecordada = cuenta;
    }

    cliente.setServidor(servidor);
    cliente.setPuerto(puerto);
    cliente.setSeguridad(seguridad);
    cliente.setUsuario(usuario);
    cliente.setClave(usuario.isEmpty() ? QString() : ClaveRecordada);
    cliente.setRemitente(remitente);
    if (cliente.Enviar(destinatario, asunto, texto))
        return QString();
    if (cliente.UltimoCodigo() == CURLE_LOGIN_DENIED)
        OlvidarClaveCorreo(); // a wrong password is asked again next time
    return Error(cliente.UltimoCodigo(), cliente.UltimoError());
}

} // namespace

bool CorreoDirectoConfigurado()
{
    return !LeerParametro(QLatin1String(ClaveSmtpServidor)).trimmed().isEmpty();
}

void OlvidarClaveCorreo()
{
    ClaveRecordada.clear();
    CuentaRecordada.clear();
}

QString EnviarCorreo(Dialogos& dialogos, const QString& destinatario, const QString& asunto, const QString& texto,
                     bool sinVentana)
{
    const bool completo = !destinatario.isEmpty() && !asunto.isEmpty() && !texto.isEmpty();
    const QString servidor = LeerParametro(QLatin1String(ClaveSmtpServidor)).trimmed();
    if (!sinVentana || !completo || servidor.isEmpty())
        return PorVentana(destinatario, asunto, texto);
    return PorServidor(dialogos, servidor, destinatario, asunto, texto);
}
