// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

/// tests/support/servidor_smtp.py (a real SMTP server on loopback) in its own process, until
/// destroyed. With a user and a password in `opciones`, it demands that login.
class ServidorSmtp
{
public:
    explicit ServidorSmtp(const QStringList& opciones = {});
    ~ServidorSmtp();
    ServidorSmtp(const ServidorSmtp&) = delete;
    ServidorSmtp& operator=(const ServidorSmtp&) = delete;

    /// The port it listens on; 0 when it did not start.
    int Puerto() const { return m_puerto; }
    /// The last message received, decoded; empty when there is none.
    QJsonObject Ultimo() const;

private:
    QTemporaryDir m_carpeta;
    QProcess m_proceso;
    int m_puerto = 0;
};
