// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plataforma.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <QUrlQuery>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {
bool IniciarPrimero(const QStringList& programas)
{
    for (const QString& programa : programas) {
        const QString ruta = QStandardPaths::findExecutable(programa);
        if (!ruta.isEmpty() && QProcess::startDetached(ruta, {}))
            return true;
    }
    return false;
}

/// fsync on a descriptor opened read-only works for files and folders alike on POSIX systems.
bool Sincronizar(const QString& ruta, int banderas)
{
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_CLOEXEC | banderas);
    if (fd < 0)
        return false;
    const bool bien = ::fsync(fd) == 0;
    ::close(fd);
    return bien;
}
} // namespace

QString CarpetaPrograma()
{
    QString carpeta = qEnvironmentVariable("TALVO_CARPETA");
    if (carpeta.isEmpty())
        carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (carpeta.isEmpty())
        return QString();
    QDir().mkpath(carpeta);
    return QDir::cleanPath(QFileInfo(carpeta).absoluteFilePath());
}

bool CarpetaEscribible(const QString& carpeta)
{
    if (carpeta.isEmpty() || !QFileInfo(carpeta).isDir())
        return false;
    QTemporaryFile prueba(carpeta + QStringLiteral("/.talvo-XXXXXX"));
    return prueba.open();
}

bool ArchivoEscribible(const QString& archivo)
{
    const int fd = ::open(QFile::encodeName(archivo).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool SincronizarArchivo(const QString& archivo)
{
    return Sincronizar(archivo, 0);
}

bool ConservarArchivo(const QString& archivo, const QString& copia)
{
    QFile::remove(copia);
    if (::link(QFile::encodeName(archivo).constData(), QFile::encodeName(copia).constData()) == 0)
        return true;
    return QFile::copy(archivo, copia) && SincronizarArchivo(copia);
}

bool ReemplazarArchivo(const QString& nuevo, const QString& destino, QString* error)
{
    // rename(2) replaces the destination atomically; Qt's QFile::rename refuses an existing one.
    if (::rename(QFile::encodeName(nuevo).constData(), QFile::encodeName(destino).constData()) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // The new name is durable only once the folder that holds it is.
    Sincronizar(QFileInfo(destino).absolutePath(), O_DIRECTORY);
    return true;
}

bool IniciarCalculadora()
{
    return IniciarPrimero({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                           QStringLiteral("mate-calc"), QStringLiteral("xcalc")});
}

bool IniciarEditorTexto()
{
    return IniciarPrimero({QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
                           QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("xed"),
                           QStringLiteral("pluma")});
}

bool AbrirProgramaCorreo(const QString& destinatario, const QString& asunto, const QString& texto)
{
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (!xdg.isEmpty()) {
        QStringList argumentos{QStringLiteral("--utf8")};
        if (!asunto.isEmpty())
            argumentos << QStringLiteral("--subject") << asunto;
        if (!texto.isEmpty())
            argumentos << QStringLiteral("--body") << texto;
        if (!destinatario.isEmpty())
            argumentos << destinatario;
        if (QProcess::startDetached(xdg, argumentos))
            return true;
    }
    QUrl url(QStringLiteral("mailto:") + destinatario);
    QUrlQuery consulta;
    if (!asunto.isEmpty())
        consulta.addQueryItem(QStringLiteral("subject"), QString::fromUtf8(QUrl::toPercentEncoding(asunto)));
    if (!texto.isEmpty())
        consulta.addQueryItem(QStringLiteral("body"), QString::fromUtf8(QUrl::toPercentEncoding(texto)));
    url.setQuery(consulta);
    return QDesktopServices::openUrl(url);
}

namespace {
std::function<bool(const QString&)>& AbridorDocumentos()
{
    static std::function<bool(const QString&)> abridor;
    return abridor;
}
} // namespace

bool AbrirDocumento(const QString& archivo)
{
    if (AbridorDocumentos())
        return AbridorDocumentos()(archivo);
    if (!QFileInfo::exists(archivo))
        return false;
    // xdg-open may wait for the program it starts, so it runs detached; whether any program takes
    // this kind of file is asked first, so that "nothing can open it" reaches the user.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgMime.isEmpty() && !xdgOpen.isEmpty()) {
        const QString tipo = QMimeDatabase().mimeTypeForFile(archivo).name();
        QProcess consulta;
        consulta.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), tipo});
        if (!consulta.waitForFinished(5000) || consulta.readAllStandardOutput().trimmed().isEmpty())
            return false;
        return QProcess::startDetached(xdgOpen, {archivo});
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(archivo));
}

void FijarAbridorDocumentos(std::function<bool(const QString&)> abridor)
{
    AbridorDocumentos() = std::move(abridor);
}

QString CarpetaTemporalUsuario()
{
    QString usuario = qEnvironmentVariable("USER");
    if (usuario.isEmpty())
        usuario = QDir::home().dirName();
    const QString carpeta = QDir(QDir::tempPath()).filePath(QStringLiteral("talvo-") + usuario);
    QDir().mkpath(carpeta);
    // The temporary folder is shared by every user: a folder of that name that someone else made,
    // or a link, is not used.
    const QFileInfo info(carpeta);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != ::getuid())
        return QString();
    QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QDir::cleanPath(info.absoluteFilePath());
}
