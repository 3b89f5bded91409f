// SPDX-License-Identifier: GPL-3.0-or-later
#include "Correo.h"

#include "AjustesCorreo.h"
#include "Dialogos.h"
#include "LlaveroEscritorio.h"
#include "Plataforma.h"
#include "liquidation/ClienteSmtp.h"
#include "records/Global.h"

#include <curl/curl.h>

namespace {

// Password of the mail account for this run only, with the account it belongs to.
QString ClaveRecordada;
QString CuentaRecordada;

Llavero* LlaveroFijado = nullptr;

// Where the password of a send came from.
enum class Origen { Dada, Sesion, Llavero, Pedida };

QString Error(int numero, const QString& descripcion)
{
    return QStringLiteral("Error No: %1\r\nDescripción: %2").arg(numero).arg(descripcion);
}

QString PorVentana(const QString& destinatario, const QString& asunto, const QString& texto)
{
    if (AbrirProgramaCorreo(destinatario, asunto, texto))
        return QString();
    return Error(-1, QStringLiteral("No se pudo abrir el programa de correo electrónico."));
}

QString Cuenta(const AjustesCorreo& ajustes)
{
    return ajustes.Usuario.trimmed() + QLatin1Char('@') + ajustes.Servidor.trimmed();
}

bool PedirClave(Dialogos& dialogos, const AjustesCorreo& ajustes, QString& clave)
{
    clave.clear();
    return dialogos.PedirTexto(QStringLiteral("CORREO ELECTRONICO"),
                               QStringLiteral("Contraseña de %1 en el servidor de correo %2:")
                                   .arg(ajustes.Usuario.trimmed(), ajustes.Servidor.trimmed()),
                               true, clave);
}

void Recordar(const AjustesCorreo& ajustes, const QString& clave)
{
    ClaveRecordada = clave;
    CuentaRecordada = Cuenta(ajustes);
}

ResultadoEnvio Fallido(const QString& motivo)
{
    ResultadoEnvio r;
    r.Codigo = -1;
    r.Error = motivo;
    return r;
}

ResultadoEnvio Intentar(const AjustesCorreo& ajustes, const QString& clave, const QString& destinatario,
                        const QString& asunto, const QString& texto)
{
    ClienteSmtp cliente;
    cliente.setServidor(ajustes.Servidor.trimmed());
    cliente.setPuerto(ajustes.PuertoEfectivo());
    cliente.setSeguridad(ajustes.Seguridad);
    cliente.setUsuario(ajustes.Usuario.trimmed());
    cliente.setClave(clave);
    cliente.setRemitente(ajustes.RemitenteEfectivo());
    ResultadoEnvio r;
    r.Enviado = cliente.Enviar(destinatario, asunto, texto);
    r.Codigo = cliente.UltimoCodigo();
    r.Error = cliente.UltimoError();
    r.Respuesta = cliente.UltimaRespuesta();
    return r;
}

bool Rechazada(const ResultadoEnvio& r)
{
    return !r.Enviado && r.Codigo == CURLE_LOGIN_DENIED;
}

} // namespace

Llavero& LlaveroCorreo()
{
    static LlaveroEscritorio escritorio;
    return LlaveroFijado ? *LlaveroFijado : escritorio;
}

void FijarLlaveroCorreo(Llavero* llavero)
{
    LlaveroFijado = llavero;
}

bool CorreoDirectoConfigurado()
{
    return !LeerParametro(QLatin1String(ClaveSmtpServidor)).trimmed().isEmpty();
}

void OlvidarClaveCorreo()
{
    ClaveRecordada.clear();
    CuentaRecordada.clear();
}

ResultadoEnvio EnviarPorServidor(Dialogos& dialogos, const AjustesCorreo& ajustes, const QString& destinatario,
                                 const QString& asunto, const QString& texto, const QString& claveDada,
                                 bool guardarClave)
{
    const QString servidor = ajustes.Servidor.trimmed();
    const QString usuario = ajustes.Usuario.trimmed();
    if (servidor.isEmpty())
        return Fallido(QStringLiteral("No está configurado el servidor de correo (%1).")
                           .arg(QLatin1String(ClaveSmtpServidor)));
    if (ajustes.RemitenteEfectivo().isEmpty())
        return Fallido(QStringLiteral("No está configurada la dirección del remitente del correo (%1).")
                           .arg(QLatin1String(ClaveSmtpRemitente)));
    if (usuario.isEmpty())
        return Intentar(ajustes, QString(), destinatario, asunto, texto);

    // The keyring is asked only when the user chose it, so that nothing else touches the session bus.
    Llavero& llavero = LlaveroCorreo();
    const bool conLlavero = ajustes.GuardarClave && llavero.Disponible();
    QString clave;
    Origen origen = Origen::Pedida;
    if (!claveDada.isEmpty()) {
        clave = claveDada;
        origen = Origen::Dada;
    } else if (CuentaRecordada == Cuenta(ajustes) && !ClaveRecordada.isEmpty()) {
        clave = ClaveRecordada;
        origen = Origen::Sesion;
    } else if (conLlavero && llavero.Leer(servidor, usuario, clave) && !clave.isEmpty()) {
        origen = Origen::Llavero;
    } else {
        if (!PedirClave(dialogos, ajustes, clave))
            return Fallido(QStringLiteral("No se ingresó la contraseña del servidor de correo."));
        Recordar(ajustes, clave);
    }

    ResultadoEnvio r = Intentar(ajustes, clave, destinatario, asunto, texto);
    if (Rechazada(r) && origen != Origen::Dada)
        OlvidarClaveCorreo(); // a wrong password is asked again next time
    bool reemplazo = false;
    if (Rechazada(r) && origen == Origen::Llavero) {
        // The stored password no longer opens the account (it was changed elsewhere): it is dropped
        // and the user, who typed nothing wrong, gives the right one for this very send.
        llavero.Borrar(servidor, usuario);
        if (PedirClave(dialogos, ajustes, clave)) {
            origen = Origen::Pedida;
            reemplazo = true;
            Recordar(ajustes, clave);
            r = Intentar(ajustes, clave, destinatario, asunto, texto);
            if (Rechazada(r))
                OlvidarClaveCorreo();
        }
    }
    // Only a password the server took is kept, and one that replaces a stale entry is kept even by a
    // test send: the keyring held that account's password before.
    const bool nueva = origen == Origen::Pedida || origen == Origen::Dada;
    if (r.Enviado && conLlavero && nueva && (guardarClave || reemplazo) && !llavero.Guardar(servidor, usuario, clave))
        dialogos.Mensaje(QStringLiteral("El mensaje se envió, pero no se pudo guardar la contraseña en el llavero "
                                        "del escritorio: se pedirá otra vez la próxima vez que abra el programa.\r\n")
                             + llavero.UltimoError(),
                         QStringLiteral("CORREO ELECTRONICO"), Icono::Exclamacion);
    return r;
}

QString MotivoFalloCorreo(int codigo)
{
    switch (codigo) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("No se encontró el servidor de correo: revise su nombre.");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("No se pudo conectar con el servidor de correo: revise el servidor y el puerto.");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("El servidor de correo no respondió a tiempo.");
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("El servidor de correo rechazó el usuario o la contraseña.");
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("El servidor de correo no ofrece la conexión segura STARTTLS en ese puerto.");
    case CURLE_SSL_CONNECT_ERROR:
        return QStringLiteral("No se pudo establecer la conexión segura: revise la seguridad y el puerto.");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("El certificado del servidor de correo no es válido para ese nombre.");
    case CURLE_WEIRD_SERVER_REPLY:
        return QStringLiteral("El servidor respondió de un modo inesperado: revise la seguridad y el puerto.");
    case CURLE_SEND_ERROR:
        return QStringLiteral("El servidor de correo no aceptó el mensaje.");
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("Se cortó la comunicación con el servidor de correo.");
    case CURLE_AUTH_ERROR:
        return QStringLiteral("El servidor no ofrece un modo de identificarse que el programa admita.");
    default: break;
    }
    return QStringLiteral("El servidor de correo no recibió el mensaje.");
}

QString EnviarCorreo(Dialogos& dialogos, const QString& destinatario, const QString& asunto, const QString& texto,
                     bool sinVentana)
{
    const bool completo = !destinatario.isEmpty() && !asunto.isEmpty() && !texto.isEmpty();
    if (!sinVentana || !completo || !CorreoDirectoConfigurado())
        return PorVentana(destinatario, asunto, texto);
    const ResultadoEnvio r = EnviarPorServidor(dialogos, AjustesCorreo::Leidos(), destinatario, asunto, texto);
    return r.Enviado ? QString() : Error(r.Codigo, r.Error);
}
