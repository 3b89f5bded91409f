// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping windows whole on small screens: 800 × 600 is the smallest the program supports.
#pragma once

#include <QSize>

class QWidget;

/// The largest part of `deseado` that the top-level window `ventana` can take with its frame (title
/// bar and borders) inside the available area of its screen.
QSize TamanoQueCabe(const QWidget* ventana, const QSize& deseado);

/// Moves the shown top-level window `ventana` so that its frame lies inside the available area of
/// its screen, shrinking it first when it is larger; a window that fits stays where it is.
void MantenerEnPantalla(QWidget* ventana);
