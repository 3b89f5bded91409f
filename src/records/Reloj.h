// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>

/// "Today" for the whole program: the default period of a new slip, the three-month rule, the start
/// of activity and the entry date of new records, the date printed on the slip. It is the system's
/// clock unless a test has fixed the day.
class Reloj
{
public:
    static QDate Hoy();
    /// Today's date with the current time of day.
    static QDateTime Ahora();
    /// Fixes today's date; an invalid date goes back to the system's clock.
    static void Fijar(const QDate& hoy);
};
