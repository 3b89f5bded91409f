// SPDX-License-Identifier: GPL-3.0-or-later
// The readers under test take file names, so each run writes its input to a file. Files live in a
// folder of this process alone (removed at exit), so several fuzzers may run side by side, and each
// run's file is removed when the run ends.
#pragma once

#include <QByteArray>
#include <QString>

class ArchivoTemporal
{
public:
    /// Writes datos to nombre inside the process's folder (stops the fuzzer if it cannot).
    ArchivoTemporal(const QString& nombre, const QByteArray& datos);
    ~ArchivoTemporal();
    ArchivoTemporal(const ArchivoTemporal&) = delete;
    ArchivoTemporal& operator=(const ArchivoTemporal&) = delete;

    QString Ruta() const { return m_ruta; }
    /// The process's folder; every file in it belongs to the current run.
    static QString Carpeta();

private:
    QString m_ruta;
};
