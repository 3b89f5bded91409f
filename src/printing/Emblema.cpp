// SPDX-License-Identifier: GPL-3.0-or-later
#include "Emblema.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
const QColor Azul(22, 58, 112);
const QColor AzulClaro(58, 110, 180);
const QColor Dorado(214, 168, 52);
const QColor Crema(250, 246, 232);

/// Writes texto along an arc of a circle of radio around centro, centred on the top of the circle
/// (arriba) or on its bottom, always readable from left to right.
void TextoEnArco(QPainter& p, const QPointF& centro, qreal radio, const QString& texto, qreal arcoGrados, bool arriba)
{
    // Each letter takes a share of the arc in proportion to its width, so the spacing looks even.
    const QFontMetricsF medida(p.font());
    const qreal total = medida.horizontalAdvance(texto);
    if (total <= 0)
        return;
    const qreal gradosPorPunto = arcoGrados / total;
    qreal recorrido = 0;
    for (const QChar c : texto) {
        const qreal ancho = medida.horizontalAdvance(c);
        const qreal angulo = (recorrido + ancho / 2) * gradosPorPunto - arcoGrados / 2;
        p.save();
        p.translate(centro);
        p.rotate(arriba ? angulo : -angulo);
        p.translate(0, arriba ? -radio : radio);
        p.drawText(QPointF(-ancho / 2, medida.ascent() / 2.5), QString(c));
        p.restore();
        recorrido += ancho;
    }
}

void DibujarFachada(QPainter& p, const QRectF& r)
{
    // Shop front: wall, window, door, and a striped awning with a scalloped edge.
    const qreal w = r.width();
    const QRectF pared(r.left() + w * 0.12, r.top() + r.height() * 0.38, w * 0.76, r.height() * 0.52);
    p.setPen(QPen(Azul, w * 0.02));
    p.setBrush(Crema);
    p.drawRect(pared);
    p.setBrush(AzulClaro.lighter(150));
    p.drawRect(QRectF(pared.left() + w * 0.08, pared.top() + pared.height() * 0.22, w * 0.30, pared.height() * 0.42));
    p.setBrush(Azul);
    p.drawRect(QRectF(pared.right() - w * 0.28, pared.top() + pared.height() * 0.22, w * 0.18, pared.height() * 0.78));

    const QRectF toldo(r.left() + w * 0.06, r.top() + r.height() * 0.16, w * 0.88, r.height() * 0.22);
    const int franjas = 6;
    const qreal ancho = toldo.width() / franjas;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < franjas; ++i) {
        QPainterPath franja;
        const qreal x = toldo.left() + i * ancho;
        franja.moveTo(x + ancho * 0.15, toldo.top());
        franja.lineTo(x + ancho * 0.85, toldo.top());
        franja.lineTo(x + ancho, toldo.bottom());
        franja.arcTo(QRectF(x, toldo.bottom() - ancho / 2, ancho, ancho), 0, -180);
        franja.closeSubpath();
        p.setBrush(i % 2 ? QColor(196, 52, 48) : Dorado);
        p.drawPath(franja);
    }
    p.setPen(QPen(Azul, w * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(toldo.left() + ancho * 0.15, toldo.top()), QPointF(toldo.right() - ancho * 0.15, toldo.top()));
}
} // namespace

void DibujarEmblema(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal lado = qMin(r.width(), r.height());
    const QRectF c(r.center().x() - lado / 2, r.center().y() - lado / 2, lado, lado);
    const QPointF centro = c.center();

    // Ring and inner disc.
    QRadialGradient anillo(centro, lado / 2);
    anillo.setColorAt(0.0, AzulClaro);
    anillo.setColorAt(1.0, Azul);
    p.setPen(QPen(Dorado, lado * 0.018));
    p.setBrush(anillo);
    p.drawEllipse(c.adjusted(lado * 0.01, lado * 0.01, -lado * 0.01, -lado * 0.01));
    const QRectF interior = c.adjusted(lado * 0.17, lado * 0.17, -lado * 0.17, -lado * 0.17);
    p.setBrush(Crema);
    p.setPen(QPen(Dorado, lado * 0.012));
    p.drawEllipse(interior);

    if (lado >= 48) {
        QFont letra(QStringLiteral("Liberation Sans"));
        letra.setBold(true);
        letra.setPixelSize(qMax(6, int(lado * 0.075)));
        p.setFont(letra);
        p.setPen(Crema);
        TextoEnArco(p, centro, lado * 0.415, QStringLiteral("EMPLEADOS DE COMERCIO"), 160, true);
        TextoEnArco(p, centro, lado * 0.415, QStringLiteral("· VELMAR ·"), 60, false);
    }

    // Shop front and name inside.
    const QRectF dibujo(interior.left() + interior.width() * 0.14, interior.top() + interior.height() * 0.06,
                        interior.width() * 0.72, interior.height() * 0.62);
    DibujarFachada(p, dibujo);
    QFont nombre(QStringLiteral("Liberation Sans"));
    nombre.setBold(true);
    nombre.setPixelSize(qMax(5, int(interior.height() * 0.2)));
    p.setFont(nombre);
    p.setPen(Azul);
    p.drawText(QRectF(interior.left(), interior.top() + interior.height() * 0.66, interior.width(),
                      interior.height() * 0.24),
               Qt::AlignCenter, QStringLiteral("OBRIX"));
    p.restore();
}

QImage ImagenEmblema(int lado)
{
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    DibujarEmblema(p, QRectF(0, 0, lado, lado));
    return imagen;
}

const QImage& LogoSindicato()
{
    // 17 x 20 mm at 600 dpi; the round emblem fills the width, centred in the height, so that
    // printing it into the logo's box does not distort it.
    static const QImage logo = [] {
        QImage caja(402, 472, QImage::Format_ARGB32_Premultiplied);
        caja.fill(Qt::transparent);
        QPainter p(&caja);
        p.drawImage(QPoint(0, (caja.height() - caja.width()) / 2), ImagenEmblema(caja.width()));
        return caja;
    }();
    return logo;
}
