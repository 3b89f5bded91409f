// SPDX-License-Identifier: GPL-3.0-or-later
// The program's background picture, drawn at any size around the union's emblem.
#pragma once

#include <QRectF>

class QPainter;

/// The picture that fills the main window behind the screens.
void DibujarFondo(QPainter& pintor, const QRectF& r);
