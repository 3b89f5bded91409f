// SPDX-License-Identifier: GPL-3.0-or-later
// The union's emblem, drawn in one place for the screen and the printed slip.
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

/// The round emblem of the union inside the square r (centred in r when r is not square): a shop
/// front under an awning, the word OBRIX and the union's name around the ring.
void DibujarEmblema(QPainter& pintor, const QRectF& r);
/// The emblem on a transparent square picture of lado pixels.
QImage ImagenEmblema(int lado);

/// The emblem as the slip prints it into the logo's 17 x 20 mm box: the same drawing, centred
/// on a transparent picture of the box's proportions (600 dpi), drawn once per run.
const QImage& LogoSindicato();
