// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reloj.h"

namespace {
QDate Fijado;
// The system's date, kept until the next local midnight: asking the system for the local date
// reads the time zone each time, and every new employee asks for it (a slip read creates thousands).
QDate Cacheada;
qint64 HastaMs = 0;
} // namespace

QDate Reloj::Hoy()
{
    if (Fijado.isValid())
        return Fijado;
    if (QDateTime::currentMSecsSinceEpoch() >= HastaMs) {
        Cacheada = QDate::currentDate();
        HastaMs = QDateTime(Cacheada.addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    }
    return Cacheada;
}

QDateTime Reloj::Ahora()
{
    const QDateTime ahora = QDateTime::currentDateTime();
    return Fijado.isValid() ? QDateTime(Fijado, ahora.time()) : ahora;
}

void Reloj::Fijar(const QDate& hoy)
{
    Fijado = hoy;
}
