// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pantalla.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace {
// Until the window manager has framed a window its frame is unknown: assume a usual title bar and
// borders, so that the window is not made too big for the screen.
const QMargins MarcoHabitual(4, 30, 4, 4);

QMargins Marco(const QWidget* ventana)
{
    const QRect marco = ventana->frameGeometry();
    const QRect interior = ventana->geometry();
    if (!ventana->isVisible() || !ventana->testAttribute(Qt::WA_WState_Created))
        return MarcoHabitual;
    return QMargins(interior.left() - marco.left(), interior.top() - marco.top(), marco.right() - interior.right(),
                    marco.bottom() - interior.bottom());
}

QRect Disponible(const QWidget* ventana)
{
    const QScreen* pantalla = ventana->screen();
    if (!pantalla)
        pantalla = QGuiApplication::primaryScreen();
    return pantalla ? pantalla->availableGeometry() : QRect();
}
} // namespace

QSize TamanoQueCabe(const QWidget* ventana, const QSize& deseado)
{
    const QRect zona = Disponible(ventana);
    if (zona.isEmpty())
        return deseado;
    return deseado.boundedTo(zona.size().shrunkBy(Marco(ventana)));
}

void MantenerEnPantalla(QWidget* ventana)
{
    const QRect zona = Disponible(ventana);
    if (zona.isEmpty() || !ventana->isWindow())
        return;
    const QSize tamano = TamanoQueCabe(ventana, ventana->size());
    if (tamano != ventana->size())
        ventana->resize(tamano);
    const QMargins marco = Marco(ventana);
    const QSize exterior = ventana->size().grownBy(marco);
    // move() places the frame's top-left corner.
    const QPoint origen = ventana->frameGeometry().topLeft();
    const int x = qMax(zona.left(), qMin(origen.x(), zona.right() + 1 - exterior.width()));
    const int y = qMax(zona.top(), qMin(origen.y(), zona.bottom() + 1 - exterior.height()));
    if (QPoint(x, y) != origen)
        ventana->move(x, y);
}
