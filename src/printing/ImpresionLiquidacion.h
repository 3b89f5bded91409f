// SPDX-License-Identifier: GPL-3.0-or-later
// The slip page: an A4 sheet with the sworn declaration and deposit slip twice, the upper half for
// the collector and the lower half for the depositor. The form layer draws what never changes,
// the data layer the slip's values, its amount in words, payment code and bar code.
#pragma once

#include <QString>

class Impresora;
class Liquidacion;

/// Vertical offsets of the two halves of the page, in millimetres.
constexpr double MitadSuperior = 0;
constexpr double MitadInferior = 130;

/// Prints BoletasAImprimir identical copies (nothing for 0 or less): each copy a job of one page on
/// a real printer, the pages of one file on a PDF printer. The payment code is composed first: a
/// slip whose code cannot be built prints nothing. False with the reason in *error (empty when the
/// user cancelled the file name of a PDF printer).
bool Imprimir(const Liquidacion& liq, Impresora& impresora, QString* error = nullptr);

/// One copy: page set-up, the form layer, the data layer, end of the page.
bool ImprimirBoleta(const Liquidacion& liq, Impresora& impresora, const QString& codigoPago, QString* error);

/// The form layer: logo, union name, collection points, captions, rules, version line, copy marks
/// for both halves, and the cut line between them.
void ImprimirFormulario(const Liquidacion& liq, Impresora& impresora);

/// The data layer: the company's and the slip's values, the amount in words, the payment form,
/// the payment-type digit, the bar code symbols and digits of the payment code, the declaration.
void ImprimirDatos(const Liquidacion& liq, Impresora& impresora, const QString& codigoPago);

/// 2 when the 2 % deposit is greater than 2 % of the remunerations (to four decimals), else 1.
int TipoDePago(const Liquidacion& liq);
