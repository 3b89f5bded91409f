// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fondo.h"

#include "printing/Emblema.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

void DibujarFondo(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(r.topLeft(), r.bottomLeft());
    cielo.setColorAt(0.0, QColor(232, 238, 247));
    cielo.setColorAt(1.0, QColor(188, 204, 228));
    p.fillRect(r, cielo);

    // Faint diagonal bands, like the paper of a deposit slip.
    p.setPen(QPen(QColor(255, 255, 255, 60), 18));
    for (qreal x = r.left() - r.height(); x < r.right(); x += 64)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));

    const qreal lado = qMin(r.width() * 0.42, r.height() * 0.55);
    const QRectF emblema(r.center().x() - lado / 2, r.center().y() - lado * 0.62, lado, lado);
    p.setOpacity(0.92);
    DibujarEmblema(p, emblema);
    p.setOpacity(1.0);

    QFont titulo(QStringLiteral("Liberation Sans"));
    titulo.setBold(true);
    titulo.setPixelSize(qMax(12, int(lado * 0.085)));
    p.setFont(titulo);
    p.setPen(QColor(22, 58, 112));
    const QRectF renglon(r.left(), emblema.bottom() + lado * 0.05, r.width(), lado * 0.12);
    p.drawText(renglon, Qt::AlignCenter, QStringLiteral("Aplicativo de Aportes"));
    QFont subtitulo = titulo;
    subtitulo.setBold(false);
    subtitulo.setPixelSize(qMax(10, int(lado * 0.05)));
    p.setFont(subtitulo);
    p.drawText(renglon.translated(0, lado * 0.11), Qt::AlignCenter,
               QStringLiteral("Sindicato de Empleados de Comercio de Velmar"));
    p.restore();
}
