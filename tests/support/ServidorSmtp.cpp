// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServidorSmtp.h"

#include <QFile>
#include <QJsonDocument>

ServidorSmtp::ServidorSmtp(const QStringList& opciones)
{
    m_proceso.start(QStringLiteral(TALVO_PYTHON),
                    QStringList{QStringLiteral(TALVO_SERVIDOR_SMTP), m_carpeta.path()} + opciones);
    QByteArray salida;
    while (!salida.contains('\n') && m_proceso.waitForReadyRead(10000))
        salida += m_proceso.readAllStandardOutput();
    if (salida.startsWith("LISTO "))
        m_puerto = salida.mid(6).trimmed().toInt();
}

ServidorSmtp::~ServidorSmtp()
{
    // Closing its standard input is its signal to stop.
    m_proceso.closeWriteChannel();
    if (!m_proceso.waitForFinished(5000))
        m_proceso.kill();
    m_proceso.waitForFinished(1000);
}

QJsonObject ServidorSmtp::Ultimo() const
{
    QFile f(m_carpeta.filePath(QStringLiteral("ultimo.json")));
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}
