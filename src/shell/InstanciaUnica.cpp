// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanciaUnica.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {
/// A lock file that names no process is being written by a copy that is starting, or was left
/// half written by one that died; after this long it is the latter.
constexpr qint64 EdadLockIlegible = 10; // seconds
} // namespace

InstanciaUnica::Resultado InstanciaUnica::Tomar(const QString& carpeta)
{
    const QString archivo = QDir(carpeta).filePath(QStringLiteral("talvo.lock"));
    m_bloqueo = std::make_unique<QLockFile>(archivo);
    // Never consider a live holder stale by age; a dead holder's lock is removed by QLockFile itself.
    m_bloqueo->setStaleLockTime(0);
    if (m_bloqueo->tryLock(0))
        return Resultado::Tomada;
    const QLockFile::LockError error = m_bloqueo->error();
    if (error == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString maquina, programa;
        const QDateTime modificado = QFileInfo(archivo).lastModified();
        // Only a lock that names a live process is another copy; QLockFile never clears an
        // unreadable one when stale locks are not judged by age.
        if (!m_bloqueo->getLockInfo(&pid, &maquina, &programa) && modificado.isValid()
            && modificado.secsTo(QDateTime::currentDateTime()) > EdadLockIlegible && m_bloqueo->removeStaleLockFile()
            && m_bloqueo->tryLock(0))
            return Resultado::Tomada;
    }
    const bool enUso = m_bloqueo->error() == QLockFile::LockFailedError;
    m_bloqueo.reset();
    return enUso ? Resultado::EnUso : Resultado::SinPermiso;
}

void InstanciaUnica::Soltar()
{
    if (m_bloqueo)
        m_bloqueo->unlock();
    m_bloqueo.reset();
}
