// SPDX-License-Identifier: GPL-3.0-or-later
#include "AjustesCorreo.h"

#include "Correo.h"
#include "records/Global.h"

#include <QRegularExpression>

namespace {

const QString Si = QStringLiteral("SI");

QString Leer(const char* clave)
{
    return LeerParametro(QLatin1String(clave)).trimmed();
}

// Dotted labels of letters, digits and inner hyphens: host names and the domain of an address.
const QString Etiqueta = QStringLiteral("[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?");
const QString Dominio = QStringLiteral("%1(?:\\.%1)*").arg(Etiqueta);
const QString Atomo = QStringLiteral("[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+");

} // namespace

AjustesCorreo AjustesCorreo::Leidos()
{
    AjustesCorreo a;
    a.Servidor = Leer(ClaveSmtpServidor);
    a.Seguridad = SeguridadDeTexto(Leer(ClaveSmtpSeguridad));
    bool ok = false;
    const int puerto = Leer(ClaveSmtpPuerto).toInt(&ok);
    a.Puerto = ok && puerto > 0 && puerto <= 65535 ? puerto : 0;
    a.Usuario = Leer(ClaveSmtpUsuario);
    a.Remitente = Leer(ClaveSmtpRemitente);
    a.GuardarClave = Leer(ClaveSmtpLlavero).toUpper() == Si;
    return a;
}

void AjustesCorreo::Grabar() const
{
    GrabarParametro(QLatin1String(ClaveSmtpServidor), Servidor.trimmed());
    GrabarParametro(QLatin1String(ClaveSmtpPuerto), QString::number(PuertoEfectivo()));
    GrabarParametro(QLatin1String(ClaveSmtpSeguridad), TextoDeSeguridad(Seguridad));
    GrabarParametro(QLatin1String(ClaveSmtpUsuario), Usuario.trimmed());
    GrabarParametro(QLatin1String(ClaveSmtpRemitente), Remitente.trimmed());
    GrabarParametro(QLatin1String(ClaveSmtpLlavero), GuardarClave ? Si : QStringLiteral("NO"));
}

int AjustesCorreo::PuertoEfectivo() const
{
    return Puerto > 0 && Puerto <= 65535 ? Puerto : ClienteSmtp::PuertoPorDefecto(Seguridad);
}

QString AjustesCorreo::RemitenteEfectivo() const
{
    const QString remitente = Remitente.trimmed();
    if (remitente.isEmpty() && Usuario.contains(QLatin1Char('@')))
        return Usuario.trimmed();
    return remitente;
}

QString AjustesCorreo::DireccionRemitente() const
{
    return DireccionDe(RemitenteEfectivo());
}

ClienteSmtp::Seguridad AjustesCorreo::SeguridadDeTexto(const QString& texto)
{
    const QString t = texto.trimmed().toUpper();
    if (t == QLatin1String("NINGUNA"))
        return ClienteSmtp::Seguridad::Ninguna;
    if (t == QLatin1String("TLS") || t == QLatin1String("SSL"))
        return ClienteSmtp::Seguridad::Tls;
    return ClienteSmtp::Seguridad::StartTls;
}

QString AjustesCorreo::TextoDeSeguridad(ClienteSmtp::Seguridad seguridad)
{
    switch (seguridad) {
    case ClienteSmtp::Seguridad::Ninguna: return QStringLiteral("NINGUNA");
    case ClienteSmtp::Seguridad::Tls: return QStringLiteral("TLS");
    case ClienteSmtp::Seguridad::StartTls: break;
    }
    return QStringLiteral("STARTTLS");
}

QString AjustesCorreo::DireccionDe(const QString& texto)
{
    const int abre = int(texto.lastIndexOf(QLatin1Char('<')));
    const int cierra = int(texto.lastIndexOf(QLatin1Char('>')));
    return abre >= 0 && cierra > abre ? texto.mid(abre + 1, cierra - abre - 1).trimmed() : texto.trimmed();
}

bool AjustesCorreo::DireccionValida(const QString& texto)
{
    static const QRegularExpression direccion(QStringLiteral("^%1(?:\\.%1)*@%2$").arg(Atomo, Dominio));
    // The display name may hold any letter, but nothing that ends the name or the header early.
    static const QRegularExpression conNombre(QStringLiteral("^([^<>\\r\\n@]*)<([^<>]*)>$"));
    const QString t = texto.trimmed();
    const QRegularExpressionMatch m = conNombre.match(t);
    const QString sola = m.hasMatch() ? m.captured(2).trimmed() : t;
    return sola.size() <= 254 && direccion.match(sola).hasMatch();
}

bool AjustesCorreo::ServidorValido(const QString& texto)
{
    static const QRegularExpression nombre(QStringLiteral("^%1$").arg(Dominio));
    // IPv6: hexadecimal groups and colons (an IPv4 tail allowed); the server rejects a wrong one.
    static const QRegularExpression ipv6(QStringLiteral("^[0-9A-Fa-f]*:[0-9A-Fa-f:.]*:[0-9A-Fa-f.]*$"));
    QString t = texto.trimmed();
    const bool corchetes = t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
    if (corchetes)
        t = t.mid(1, t.size() - 2);
    if (t.contains(QLatin1Char(':')))
        return t.size() <= 45 && ipv6.match(t).hasMatch();
    return !corchetes && t.size() <= 253 && nombre.match(t).hasMatch();
}
