// SPDX-License-Identifier: GPL-3.0-or-later
// Money is kept as double pesos; where exact cents matter (the amount in words, the payment code)
// it is converted once, here, the same way FormatoImporte rounds the printed figure.
#pragma once

#include <QtGlobal>

#include <cmath>

/// Pesos to whole cents, rounded half away from zero (12.996 -> 1300, -0.005 -> -1).
inline qint64 Centavos(double pesos)
{
    return qint64(std::llround(pesos * 100.0));
}
