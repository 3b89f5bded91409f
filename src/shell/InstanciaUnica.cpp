// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanciaUnica.h"

#include <QDir>

bool InstanciaUnica::Tomar(const QString& carpeta)
{
    m_bloqueo = std::make_unique<QLockFile>(QDir(carpeta).filePath(QStringLiteral("talvo.lock")));
    // Never consider a live holder stale by age; a dead holder's lock is removed by QLockFile itself.
    m_bloqueo->setStaleLockTime(0);
    if (m_bloqueo->tryLock(0))
        return true;
    m_bloqueo.reset();
    return false;
}

void InstanciaUnica::Soltar()
{
    if (m_bloqueo)
        m_bloqueo->unlock();
    m_bloqueo.reset();
}
