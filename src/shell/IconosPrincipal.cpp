// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconosPrincipal.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
const QColor Tinta(22, 58, 112);
const QColor Papel(252, 252, 246);
const QColor Dorado(214, 168, 52);
const QColor Verde(46, 139, 87);
const QColor Rojo(190, 40, 40);

// Every icon is drawn on a 64 x 64 grid.
void Hoja(QPainter& p, const QRectF& r)
{
    QPainterPath hoja;
    hoja.moveTo(r.topLeft());
    hoja.lineTo(r.right() - 10, r.top());
    hoja.lineTo(r.right(), r.top() + 10);
    hoja.lineTo(r.bottomRight());
    hoja.lineTo(r.bottomLeft());
    hoja.closeSubpath();
    p.setPen(QPen(Tinta, 3));
    p.setBrush(Papel);
    p.drawPath(hoja);
    p.setPen(QPen(Tinta.lighter(160), 2.5));
    for (qreal y = r.top() + 16; y < r.bottom() - 6; y += 8)
        p.drawLine(QPointF(r.left() + 7, y), QPointF(r.right() - 7, y));
}

void Edificio(QPainter& p)
{
    p.setPen(QPen(Tinta, 3));
    p.setBrush(QColor(200, 214, 236));
    p.drawRect(QRectF(8, 18, 30, 40));
    p.drawRect(QRectF(38, 30, 18, 28));
    p.setBrush(Tinta);
    for (int fila = 0; fila < 3; ++fila)
        for (int col = 0; col < 2; ++col)
            p.drawRect(QRectF(14 + col * 12, 24 + fila * 10, 6, 5));
    p.drawRect(QRectF(43, 36, 8, 6));
}

void Signo(QPainter& p, const QPointF& centro, qreal radio, const QColor& fondo, const QString& texto)
{
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(fondo);
    p.drawEllipse(centro, radio, radio);
    QFont letra(QStringLiteral("Liberation Sans"));
    letra.setBold(true);
    letra.setPixelSize(int(radio * 1.5));
    p.setFont(letra);
    p.drawText(QRectF(centro.x() - radio, centro.y() - radio, radio * 2, radio * 2), Qt::AlignCenter, texto);
}

void Dibujar(QPainter& p, IconoComando icono)
{
    switch (icono) {
    case IconoComando::Altas:
        Edificio(p);
        Signo(p, QPointF(48, 16), 13, Verde, QStringLiteral("+"));
        break;
    case IconoComando::Boleta:
        Hoja(p, QRectF(10, 4, 40, 54));
        Signo(p, QPointF(46, 46), 14, Verde, QStringLiteral("$"));
        break;
    case IconoComando::Actas:
        Hoja(p, QRectF(10, 4, 40, 54));
        p.setPen(QPen(Rojo, 3));
        p.setBrush(QColor(240, 200, 200));
        p.drawEllipse(QPointF(44, 44), 13, 13);
        p.drawLine(QPointF(37, 44), QPointF(51, 44));
        p.drawLine(QPointF(44, 37), QPointF(44, 51));
        break;
    case IconoComando::Anterior:
        Hoja(p, QRectF(20, 4, 36, 48));
        Hoja(p, QRectF(8, 12, 36, 48));
        p.setPen(QPen(Verde, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(18, 40), QPointF(36, 40), QPointF(30, 33)}));
        p.drawLine(QPointF(36, 40), QPointF(30, 47));
        break;
    case IconoComando::Consulta:
        Hoja(p, QRectF(6, 4, 38, 52));
        p.setPen(QPen(Tinta, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(220, 235, 255, 220));
        p.drawEllipse(QPointF(38, 36), 12, 12);
        p.drawLine(QPointF(47, 45), QPointF(58, 57));
        break;
    case IconoComando::Elimina: {
        p.setPen(QPen(Tinta, 3));
        p.setBrush(QColor(210, 214, 222));
        p.drawRect(QRectF(10, 14, 44, 6));
        p.drawRect(QRectF(24, 8, 16, 6));
        QPainterPath tacho;
        tacho.moveTo(14, 22);
        tacho.lineTo(50, 22);
        tacho.lineTo(46, 58);
        tacho.lineTo(18, 58);
        tacho.closeSubpath();
        p.drawPath(tacho);
        p.setPen(QPen(Rojo, 3));
        for (int x = 24; x <= 40; x += 8)
            p.drawLine(QPointF(x, 28), QPointF(x, 52));
        break;
    }
    case IconoComando::Ayuda:
        Signo(p, QPointF(32, 32), 27, QColor(40, 100, 190), QStringLiteral("?"));
        break;
    case IconoComando::Salida:
        p.setPen(QPen(Tinta, 3));
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(QRectF(12, 6, 30, 52));
        p.setBrush(Dorado);
        p.drawEllipse(QPointF(35, 34), 3, 3);
        p.setPen(QPen(Rojo, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(36, 20), QPointF(58, 20));
        p.drawPolyline(QPolygonF({QPointF(50, 12), QPointF(58, 20), QPointF(50, 28)}));
        break;
    case IconoComando::Empresa:
        Edificio(p);
        p.setPen(QPen(Verde, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(42, 8), QPointF(56, 14), QPointF(42, 20)}));
        break;
    }
}
} // namespace

QIcon IconoDeComando(IconoComando icono)
{
    QIcon resultado;
    for (const int lado : {32, 64}) {
        QPixmap imagen(lado, lado);
        imagen.fill(Qt::transparent);
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(lado / 64.0, lado / 64.0);
        Dibujar(p, icono);
        p.end();
        resultado.addPixmap(imagen);
    }
    return resultado;
}
