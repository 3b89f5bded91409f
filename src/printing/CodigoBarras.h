// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;
struct zint_symbol;

/// What a bar code symbol looks like, in device pixels of the device it is drawn on.
struct ParametrosCodigoBarras
{
    /// Symbologies this layer draws: Code 128 with automatic subsets (8), Code 128 subset C (21).
    static constexpr int Code128Auto = 8;
    static constexpr int Code128C = 21;

    int Simbologia = Code128Auto;
    /// Only 0 (0 degrees) is drawn; the slip never rotates its symbol.
    int Rotacion = 0;
    QColor Color = Qt::black;
    /// Narrow module (X dimension) in device pixels.
    int AnchoModulo = 1;
    /// Bar height in device pixels.
    int Alto = 1;

    /// The slip's choice for a device of the given resolution: a 4/300 inch module from 300 dpi up
    /// (1 pixel below), 0.4 inch high.
    static ParametrosCodigoBarras ParaSlip(int dpiY);
};

/// A bar code symbol drawn with libzint's Code 128 (subset C for an even run of digits) on any
/// QPainter, in device pixels. Create it from the parameters, ask its size for some data, draw it,
/// and let it go: the destructor releases the library's symbol.
class CodigoBarras
{
public:
    explicit CodigoBarras(const ParametrosCodigoBarras& parametros);
    ~CodigoBarras();
    CodigoBarras(const CodigoBarras&) = delete;
    CodigoBarras& operator=(const CodigoBarras&) = delete;

    /// Size of the symbol for datos in device pixels; empty when it cannot be drawn (see UltimoError).
    QSize Tamano(const QString& datos);
    /// Draws the symbol with its top-left corner at a device pixel position, whatever transform
    /// the painter has. False (nothing drawn) when it cannot be encoded.
    bool Dibujar(QPainter& pintor, const QPoint& posicion, const QString& datos);
    QString UltimoError() const { return m_error; }

private:
    bool Codificar(const QString& datos);

    ParametrosCodigoBarras m_parametros;
    zint_symbol* m_simbolo = nullptr;
    QString m_datos;
    bool m_codificado = false;
    QString m_error;
};
