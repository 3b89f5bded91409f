// SPDX-License-Identifier: GPL-3.0-or-later
// The amount of a deposit slip written out in Spanish words, as the bank teller reads it.
#pragma once

#include <QString>

/// The amount in upper-case Spanish words followed by its cents, e.g. 31 -> "TREINTA  Y UN  CON ( 0/100)".
/// The double blanks are part of the union's text and are kept. The amount is first rounded to cents
/// (half away from zero), so the words always agree with the figure printed beside them.
/// Range 0 to 999,999,999.99; outside it (or for a negative amount) the result is empty.
QString MontoEnLetras(double importe);
