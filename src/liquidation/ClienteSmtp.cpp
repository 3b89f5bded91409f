// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClienteSmtp.h"

#include <QSysInfo>
#include <QUuid>

#include <curl/curl.h>

#include <cstring>

namespace {

const QByteArray Crlf("\r\n");

void IniciarCurl()
{
    static const bool iniciado = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(iniciado);
}

struct Lectura
{
    QByteArray datos;
    qsizetype posicion = 0;
};

size_t LeerMensaje(char* destino, size_t tamano, size_t cantidad, void* usuario)
{
    auto* lectura = static_cast<Lectura*>(usuario);
    const qsizetype resto = lectura->datos.size() - lectura->posicion;
    const qsizetype n = qMin(resto, qsizetype(tamano * cantidad));
    if (n <= 0)
        return 0;
    std::memcpy(destino, lectura->datos.constData() + lectura->posicion, size_t(n));
    lectura->posicion += n;
    return size_t(n);
}

struct Respuestas
{
    QByteArray rechazo; // the last 4xx or 5xx answer
    QByteArray ultima; // the last answer of any kind
};

/// Keeps the server's last refusal (4xx or 5xx answer), so that it can be reported in its own words,
/// and its last answer, which after a send is its acceptance of the message.
int AnotarRespuesta(CURL*, curl_infotype tipo, char* datos, size_t tamano, void* usuario)
{
    if (tipo == CURLINFO_HEADER_IN) {
        auto* respuestas = static_cast<Respuestas*>(usuario);
        const QByteArray linea = QByteArray(datos, qsizetype(tamano)).trimmed();
        respuestas->ultima = linea;
        if (linea.startsWith('4') || linea.startsWith('5'))
            respuestas->rechazo = linea;
    }
    return 0;
}

bool EsAsciiImprimible(const QString& texto)
{
    for (QChar c : texto) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

QString Dominio(const QString& direccion)
{
    const int arroba = int(direccion.lastIndexOf(QLatin1Char('@')));
    const QString dominio = arroba >= 0 ? direccion.mid(arroba + 1).trimmed() : QString();
    return dominio.isEmpty() ? QStringLiteral("localhost") : dominio;
}

/// The bare address of "Name <address>" or of a plain address.
QString Direccion(const QString& texto)
{
    const int abre = int(texto.lastIndexOf(QLatin1Char('<')));
    const int cierra = int(texto.lastIndexOf(QLatin1Char('>')));
    return abre >= 0 && cierra > abre ? texto.mid(abre + 1, cierra - abre - 1).trimmed() : texto.trimmed();
}

/// An address header: a display name outside ASCII goes as encoded words, the address as it is.
QByteArray EncabezadoDireccion(const QString& texto)
{
    const QString direccion = Direccion(texto);
    const int abre = int(texto.lastIndexOf(QLatin1Char('<')));
    QString nombre = abre > 0 ? texto.left(abre).trimmed() : QString();
    if (nombre.size() >= 2 && nombre.startsWith(QLatin1Char('"')) && nombre.endsWith(QLatin1Char('"')))
        nombre = nombre.mid(1, nombre.size() - 2);
    if (nombre.isEmpty())
        return direccion.toUtf8();
    if (EsAsciiImprimible(nombre)) {
        // Quoted, so that a comma or a dot in a business name is not read as address syntax.
        QString citado = nombre;
        citado.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
        return '"' + citado.toLatin1() + "\" <" + direccion.toUtf8() + ">";
    }
    return ClienteSmtp::EncabezadoCodificado(nombre) + " <" + direccion.toUtf8() + ">";
}

// One encoded character of quoted-printable: "=XX".
QByteArray Escapado(uchar c)
{
    return QByteArray("=") + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
}

} // namespace

int ClienteSmtp::PuertoPorDefecto(Seguridad seguridad)
{
    switch (seguridad) {
    case Seguridad::StartTls: return 587;
    case Seguridad::Tls: return 465;
    case Seguridad::Ninguna: break;
    }
    return 25;
}

QByteArray ClienteSmtp::EncabezadoCodificado(const QString& valor)
{
    if (EsAsciiImprimible(valor))
        return valor.toLatin1();
    // Encoded words short enough for "Subject: " and the word to fit in 78 characters, never
    // splitting the bytes of one character.
    QByteArray salida;
    QByteArray trozo;
    auto cerrar = [&]() {
        if (trozo.isEmpty())
            return;
        if (!salida.isEmpty())
            salida += "\r\n ";
        salida += "=?UTF-8?B?" + trozo.toBase64() + "?=";
        trozo.clear();
    };
    const QList<uint> puntos = valor.toUcs4();
    for (uint c : puntos) {
        const QByteArray bytes = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1).toUtf8();
        if (trozo.size() + bytes.size() > 39)
            cerrar();
        trozo += bytes;
    }
    cerrar();
    return salida;
}

QByteArray ClienteSmtp::QuotedPrintable(const QString& texto)
{
    QString normalizado = texto;
    normalizado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QList<QByteArray> lineas = normalizado.toUtf8().split('\n');
    QByteArray salida;
    for (qsizetype l = 0; l < lineas.size(); ++l) {
        const QByteArray& linea = lineas.at(l);
        QByteArray actual;
        for (qsizetype i = 0; i < linea.size(); ++i) {
            const uchar c = uchar(linea.at(i));
            const bool ultimo = i == linea.size() - 1;
            QByteArray pieza;
            if (c == '=' || c < 32 || c > 126)
                pieza = Escapado(c);
            else if ((c == ' ' || c == '\t') && ultimo)
                pieza = Escapado(c); // trailing blanks would be stripped in transit
            else if (c == '.' && actual.isEmpty())
                pieza = Escapado(c); // a dot opening a line has a meaning of its own in SMTP
            else
                pieza = QByteArray(1, char(c));
            // Soft line break, keeping room for the "=" that ends a broken line.
            if (actual.size() + pieza.size() > 75) {
                salida += actual + "=\r\n";
                actual.clear();
                if (pieza == ".")
                    pieza = Escapado(c);
            }
            actual += pieza;
        }
        salida += actual;
        if (l < lineas.size() - 1)
            salida += Crlf;
    }
    return salida;
}

QByteArray ClienteSmtp::ArmarMensaje(const QString& remitente, const QString& destinatario, const QString& asunto,
                                     const QString& texto, const QDateTime& fecha)
{
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QByteArray m;
    m += "Date: " + fecha.toString(Qt::RFC2822Date).toLatin1() + Crlf;
    m += "From: " + EncabezadoDireccion(remitente) + Crlf;
    m += "To: " + EncabezadoDireccion(destinatario) + Crlf;
    m += "Subject: " + EncabezadoCodificado(asunto) + Crlf;
    m += "Message-ID: <" + id.toLatin1() + "@" + Dominio(Direccion(remitente)).toUtf8() + ">" + Crlf;
    m += "MIME-Version: 1.0" + Crlf;
    m += "Content-Type: text/plain; charset=UTF-8" + Crlf;
    m += "Content-Transfer-Encoding: quoted-printable" + Crlf;
    m += Crlf;
    m += QuotedPrintable(texto);
    if (!m.endsWith(Crlf))
        m += Crlf;
    return m;
}

bool ClienteSmtp::Enviar(const QString& destinatario, const QString& asunto, const QString& texto)
{
    IniciarCurl();
    m_ultimoCodigo = 0;
    m_ultimoError.clear();
    m_ultimaRespuesta.clear();
    CURL* curl = curl_easy_init();
    if (!curl) {
        m_ultimoCodigo = CURLE_FAILED_INIT;
        m_ultimoError = QString::fromUtf8(curl_easy_strerror(CURLE_FAILED_INIT));
        return false;
    }

    const QString anfitrion = m_servidor.contains(QLatin1Char(':')) && !m_servidor.startsWith(QLatin1Char('['))
        ? QLatin1Char('[') + m_servidor + QLatin1Char(']')
        : m_servidor;
    const QString esquema = m_seguridad == Seguridad::Tls ? QStringLiteral("smtps") : QStringLiteral("smtp");
    // The path names the domain this program greets the server with.
    QString saludo = QSysInfo::machineHostName();
    if (saludo.isEmpty())
        saludo = QStringLiteral("localhost");
    const QByteArray url = QStringLiteral("%1://%2:%3/%4").arg(esquema, anfitrion).arg(m_puerto).arg(saludo).toUtf8();
    const QByteArray desde = "<" + Direccion(m_remitente).toUtf8() + ">";
    const QByteArray para = "<" + Direccion(destinatario).toUtf8() + ">";
    const QByteArray usuario = m_usuario.toUtf8();
    const QByteArray clave = m_clave.toUtf8();
    Lectura lectura;
    lectura.datos = ArmarMensaje(m_remitente, destinatario, asunto, texto, QDateTime::currentDateTime());

    char error[CURL_ERROR_SIZE] = {0};
    curl_slist* destinatarios = curl_slist_append(nullptr, para.constData());
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(m_segundosEspera));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(m_segundosEspera) * 4);
    curl_easy_setopt(curl, CURLOPT_USE_SSL,
                     long(m_seguridad == Seguridad::Ninguna ? CURLUSESSL_NONE : CURLUSESSL_ALL));
    if (!m_usuario.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, usuario.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, clave.constData());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, desde.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, destinatarios);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, LeerMensaje);
    curl_easy_setopt(curl, CURLOPT_READDATA, &lectura);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    Respuestas respuestas;
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, AnotarRespuesta);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &respuestas);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);

    const CURLcode resultado = curl_easy_perform(curl);
    // Taken before the cleanup below, whose QUIT draws one more answer.
    m_ultimaRespuesta = QString::fromUtf8(resultado == CURLE_OK ? respuestas.ultima : respuestas.rechazo);
    if (resultado != CURLE_OK) {
        m_ultimoCodigo = int(resultado);
        m_ultimoError = error[0] ? QString::fromUtf8(error).trimmed()
                                 : QString::fromUtf8(curl_easy_strerror(resultado));
        if (!respuestas.rechazo.isEmpty())
            m_ultimoError +=
                QStringLiteral(" (respuesta del servidor: %1)").arg(QString::fromUtf8(respuestas.rechazo));
    }
    curl_slist_free_all(destinatarios);
    curl_easy_cleanup(curl);
    return resultado == CURLE_OK;
}
