// SPDX-License-Identifier: GPL-3.0-or-later
#include "LlaveroEscritorio.h"

#include <QFileInfo>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <libsecret/secret.h>
#pragma pop_macro("signals")

namespace {

// One entry per mail account, found again by server and user name.
const SecretSchema* Esquema()
{
    static const SecretSchema esquema = [] {
        SecretSchema s{};
        s.name = "example.obrix.Talvo.Correo";
        s.flags = SECRET_SCHEMA_NONE;
        s.attributes[0].name = "servidor";
        s.attributes[0].type = SECRET_SCHEMA_ATTRIBUTE_STRING;
        s.attributes[1].name = "usuario";
        s.attributes[1].type = SECRET_SCHEMA_ATTRIBUTE_STRING;
        return s;
    }();
    return &esquema;
}

/// Sets `destino` to `motivo` with the text of a GLib error (freed here); false for the caller to return.
bool Fallo(GError* error, const QString& motivo, QString& destino)
{
    destino = motivo;
    if (error) {
        destino += QStringLiteral(" (%1)").arg(QString::fromUtf8(error->message));
        g_error_free(error);
    }
    return false;
}

/// Whether a session bus can be reached without starting one. Without this check GLib would try to
/// start a bus of its own through dbus-launch when an X display is set (a daemon left running after
/// the program), and a session with no bus at all is the usual case on servers and in CI.
bool HayBusDeSesion()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString carpeta = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !carpeta.isEmpty() && QFileInfo::exists(carpeta + QStringLiteral("/bus"));
}

} // namespace

LlaveroEscritorio::~LlaveroEscritorio()
{
    if (m_bus)
        g_object_unref(m_bus);
}

bool LlaveroEscritorio::Bus()
{
    if (!HayBusDeSesion()) {
        m_ultimoError = QStringLiteral("No hay una sesión de escritorio (D-Bus) en la que buscar el llavero.");
        return false;
    }
    // GLib ends the whole process (SIGTERM) when its shared session bus connection is closed by the
    // other end. A keyring is not worth the user's open slips: the connection, which libsecret
    // shares, is told not to, and held so that the setting stays with it.
    if (!m_bus) {
        m_bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
        if (m_bus)
            g_dbus_connection_set_exit_on_close(m_bus, FALSE);
    }
    return true;
}

bool LlaveroEscritorio::Disponible()
{
    if (!Bus())
        return false;
    // Opening a session asks the service itself, so a bus with no keyring behind it is not taken
    // for one.
    GError* error = nullptr;
    SecretService* servicio = secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, nullptr, &error);
    if (!servicio)
        return Fallo(error, QStringLiteral("El escritorio no ofrece un llavero (Secret Service)."), m_ultimoError);
    g_object_unref(servicio);
    m_ultimoError.clear();
    return true;
}

bool LlaveroEscritorio::Leer(const QString& servidor, const QString& usuario, QString& clave)
{
    if (!Bus())
        return false;
    GError* error = nullptr;
    const QByteArray s = servidor.toUtf8();
    const QByteArray u = usuario.toUtf8();
    gchar* valor = secret_password_lookup_sync(Esquema(), nullptr, &error, "servidor", s.constData(), "usuario",
                                               u.constData(), nullptr);
    if (error)
        return Fallo(error, QStringLiteral("No se pudo leer la contraseña del llavero del escritorio."),
                     m_ultimoError);
    m_ultimoError.clear();
    if (!valor)
        return false;
    clave = QString::fromUtf8(valor);
    secret_password_free(valor); // wipes the copy before freeing it
    return true;
}

bool LlaveroEscritorio::Guardar(const QString& servidor, const QString& usuario, const QString& clave)
{
    if (!Bus())
        return false;
    GError* error = nullptr;
    const QByteArray s = servidor.toUtf8();
    const QByteArray u = usuario.toUtf8();
    QByteArray c = clave.toUtf8();
    const QByteArray etiqueta = QStringLiteral("TALVO: contraseña de %1 en %2").arg(usuario, servidor).toUtf8();
    const bool ok = secret_password_store_sync(Esquema(), SECRET_COLLECTION_DEFAULT, etiqueta.constData(),
                                               c.constData(), nullptr, &error, "servidor", s.constData(), "usuario",
                                               u.constData(), nullptr);
    c.fill('\0');
    if (!ok)
        return Fallo(error, QStringLiteral("El llavero del escritorio no guardó la contraseña."), m_ultimoError);
    m_ultimoError.clear();
    return true;
}

bool LlaveroEscritorio::Borrar(const QString& servidor, const QString& usuario)
{
    if (!Bus())
        return false;
    GError* error = nullptr;
    const QByteArray s = servidor.toUtf8();
    const QByteArray u = usuario.toUtf8();
    secret_password_clear_sync(Esquema(), nullptr, &error, "servidor", s.constData(), "usuario", u.constData(),
                               nullptr);
    if (error)
        return Fallo(error, QStringLiteral("No se pudo quitar la contraseña del llavero del escritorio."),
                     m_ultimoError);
    m_ultimoError.clear();
    return true;
}
