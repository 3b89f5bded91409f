// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

/// Points the per-user settings store at a private temporary folder for this test run.
/// Call before the first setting is read or written (initTestCase).
void AislarConfiguracion();

/// Sets the default locale for the scope (number and date notation of the user's settings).
class LocalPrueba
{
public:
    explicit LocalPrueba(const QLocale& local)
        : m_anterior(QLocale())
    {
        QLocale::setDefault(local);
    }
    ~LocalPrueba() { QLocale::setDefault(m_anterior); }

private:
    QLocale m_anterior;
};

inline QLocale LocalArgentina()
{
    return QLocale(QLocale::Spanish, QLocale::Argentina);
}
