// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting a value into the room its line leaves it, so that no value of the slip runs into a rule,
// the next element of its line or the bar code's quiet zone, whatever its length.
#pragma once

#include <QString>

class Impresora;

/// Clearance in millimetres kept between a value and the rule or element that ends its room.
constexpr double HolguraAjuste = 1.0;
/// Smallest type a value is reduced to, in points: the size of the smallest captions on the slip.
constexpr double TamanoMinimoAjuste = 4.0;

/// Room on a line for one value, in millimetres from the left edge of the sheet.
struct Hueco
{
    /// Where the value starts when it fits.
    double x = 0;
    /// How far right its end may reach (a clearance already taken off).
    double limite = 0;
    /// How far left it may start instead: x for a text that keeps its start, the end of its caption
    /// for a figure.
    double xMinimo = 0;
};

/// Where a value was printed: its left and right ends in millimetres.
struct Tramo
{
    double desde = 0;
    double hasta = 0;
};

/// Prints texto with the top of its line at y, in the font in force, within the hueco. A text that
/// fits from x is printed there as it is. Otherwise it starts further left, only as far as needed
/// and not before xMinimo; what still does not fit is printed smaller on the same baseline, down to
/// TamanoMinimoAjuste (or the size in force, when smaller); what not even that fits is cut and ends
/// in "…". The font size in force is left as it was. An empty text prints nothing ({x, x}).
Tramo ImprimirAjustado(Impresora& imp, double y, const Hueco& hueco, const QString& texto);
