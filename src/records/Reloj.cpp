// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reloj.h"

namespace {
QDate Fijado;
}

QDate Reloj::Hoy()
{
    return Fijado.isValid() ? Fijado : QDate::currentDate();
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
