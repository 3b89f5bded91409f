// SPDX-License-Identifier: GPL-3.0-or-later
#include "AreaTrabajo.h"

#include "Fondo.h"

#include <QPainter>
#include <QPaintEvent>

AreaTrabajo::AreaTrabajo(QWidget* parent)
    : QMdiArea(parent)
{
}

void AreaTrabajo::paintEvent(QPaintEvent* evento)
{
    QWidget* vista = viewport();
    const qreal escala = vista->devicePixelRatioF();
    if (m_fondo.size() != vista->size() * escala) {
        m_fondo = QPixmap(vista->size() * escala);
        m_fondo.setDevicePixelRatio(escala);
        QPainter p(&m_fondo);
        DibujarFondo(p, QRectF(QPointF(0, 0), QSizeF(vista->size())));
    }
    QPainter p(vista);
    p.drawPixmap(evento->rect(), m_fondo, QRectF(QPointF(evento->rect().topLeft()) * escala,
                                                 QSizeF(evento->rect().size()) * escala));
}
