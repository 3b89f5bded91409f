// SPDX-License-Identifier: GPL-3.0-or-later
// The union's emblem, drawn once per run: a shield with the union's initials over a counter.
#include "ImpresionLiquidacion.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage DibujarLogo()
{
    // 17 x 20 mm at 600 dpi.
    QImage imagen(402, 472, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::white);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor azul(22, 52, 110);

    QPainterPath escudo;
    escudo.moveTo(20, 20);
    escudo.lineTo(382, 20);
    escudo.lineTo(382, 250);
    escudo.cubicTo(382, 360, 290, 420, 201, 455);
    escudo.cubicTo(112, 420, 20, 360, 20, 250);
    escudo.closeSubpath();
    p.setPen(QPen(azul, 16));
    p.setBrush(Qt::white);
    p.drawPath(escudo);

    // The counter: a store's awning in the top band.
    p.setPen(Qt::NoPen);
    p.setBrush(azul);
    p.drawRect(QRect(28, 28, 346, 110));
    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRect(58 + i * 64, 28, 32, 110));
    p.setBrush(azul);
    p.drawRect(QRect(28, 138, 346, 14));

    QFont letra(QStringLiteral("Arial"));
    letra.setBold(true);
    letra.setPixelSize(120);
    p.setFont(letra);
    p.setPen(azul);
    p.drawText(QRect(20, 170, 362, 140), Qt::AlignCenter, QStringLiteral("AEC"));
    letra.setPixelSize(56);
    p.setFont(letra);
    p.drawText(QRect(20, 300, 362, 80), Qt::AlignCenter, QStringLiteral("VELMAR"));
    return imagen;
}

} // namespace

const QImage& LogoSindicato()
{
    static const QImage logo = DibujarLogo();
    return logo;
}
