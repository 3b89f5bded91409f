// SPDX-License-Identifier: GPL-3.0-or-later
// The union's emblem and the program's background picture, drawn at any size.
#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

/// The round emblem of the union inside the square r: a shop front under an awning, the word
/// OBRIX and the union's name around the ring.
void DibujarEmblema(QPainter& pintor, const QRectF& r);
QPixmap ImagenEmblema(int lado);

/// The picture that fills the main window behind the screens.
void DibujarFondo(QPainter& pintor, const QRectF& r);
