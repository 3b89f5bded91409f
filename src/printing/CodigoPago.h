// SPDX-License-Identifier: GPL-3.0-or-later
// The 60-digit payment code the bank's reader scans from the slip: company, amounts and period,
// closed by a GS1 mod-10 check digit.
#pragma once

#include <QString>

class Liquidacion;

/// GS1 (EAN/UPC) mod-10 check digit of a string of decimal digits: weights 3, 1, 3, ... from the
/// right; '0' when the sum is a multiple of 10. A null QChar when a character is not a digit.
QChar DigitoVerificadorGS1(const QString& digitos);

/// The payment code of the slip: "8260", CUIT, total, period (or "999999" with a requirement number),
/// employee count, the concept amounts or the requirement, surcharge, "1" and the check digit.
/// Amounts go in whole cents. Returns an empty string, with the reason in Spanish in *error, when
/// any value cannot be written in its field (too wide, negative, non-digit, incomplete CUIT), so that
/// no slip ever carries a code the bank would read differently from what is printed.
QString CodigoPago(const Liquidacion& liq, QString* error = nullptr);
