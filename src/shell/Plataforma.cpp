// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plataforma.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <QUrlQuery>

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

bool CarpetaEscribible(const QString& carpeta)
{
    QTemporaryFile prueba(carpeta + QStringLiteral("/.talvo-XXXXXX"));
    return prueba.open();
}
} // namespace

QString CarpetaPrograma()
{
    QString carpeta = qEnvironmentVariable("TALVO_CARPETA");
    if (carpeta.isEmpty()) {
        carpeta = QCoreApplication::applicationDirPath();
        if (carpeta.isEmpty() || !CarpetaEscribible(carpeta))
            carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    QDir().mkpath(carpeta);
    return QDir::cleanPath(QFileInfo(carpeta).absoluteFilePath());
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
