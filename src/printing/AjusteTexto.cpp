// SPDX-License-Identifier: GPL-3.0-or-later
#include "AjusteTexto.h"

#include "Impresora.h"

#include <algorithm>
#include <cmath>

namespace {

/// Rounding of millimetre sums must not count as overflow.
constexpr double kEpsilon = 1e-6;

/// The longest start of texto that, closed by "…", takes at most lugar millimetres; empty when
/// not even the ellipsis fits.
QString Recortado(const Impresora& imp, const QString& texto, double lugar)
{
    const QString puntos = QStringLiteral("…");
    const auto corto = [&](qsizetype n) {
        qsizetype fin = n;
        // Never split a character written as a surrogate pair.
        if (fin > 0 && fin < texto.size() && texto.at(fin).isLowSurrogate())
            --fin;
        QString inicio = texto.left(fin);
        while (!inicio.isEmpty() && inicio.back().isSpace())
            inicio.chop(1);
        return inicio + puntos;
    };
    // Widths grow with the number of characters kept: find the most that fit.
    qsizetype cabe = -1;
    qsizetype desde = 0;
    qsizetype hasta = texto.size() - 1;
    while (desde <= hasta) {
        const qsizetype medio = (desde + hasta) / 2;
        if (imp.AnchoTexto(corto(medio)) <= lugar) {
            cabe = medio;
            desde = medio + 1;
        } else {
            hasta = medio - 1;
        }
    }
    return cabe < 0 ? QString() : corto(cabe);
}

} // namespace

Tramo ImprimirAjustado(Impresora& imp, double y, const Hueco& hueco, const QString& texto)
{
    if (texto.isEmpty())
        return {hueco.x, hueco.x};
    const double tamano = imp.TamanoFuente();
    const double ascendente = imp.AscendenteFuente();
    double ancho = imp.AnchoTexto(texto);
    double x = hueco.x;
    if (x + ancho > hueco.limite)
        x = std::max(std::min(hueco.xMinimo, hueco.x), hueco.limite - ancho);
    const double lugar = hueco.limite - x + kEpsilon;
    QString impreso = texto;
    if (ancho > lugar) {
        // A tenth of a point at a time, so that the text fills its room.
        const double minimo = std::min(TamanoMinimoAjuste, tamano);
        double puntos = std::max(minimo, std::floor(tamano * std::max(lugar, 0.0) / ancho * 10) / 10);
        imp.setTamanoFuente(puntos);
        ancho = imp.AnchoTexto(texto);
        while (ancho > lugar && puntos > minimo) {
            puntos = std::max(minimo, puntos - 0.1);
            imp.setTamanoFuente(puntos);
            ancho = imp.AnchoTexto(texto);
        }
        if (ancho > lugar) {
            impreso = Recortado(imp, texto, lugar);
            ancho = impreso.isEmpty() ? 0 : imp.AnchoTexto(impreso);
        }
    }
    if (!impreso.isEmpty()) {
        imp.setCurrentX(x);
        // Smaller type keeps the baseline of the line.
        imp.setCurrentY(y + ascendente - imp.AscendenteFuente());
        imp.Imprimir(impreso);
    }
    imp.setTamanoFuente(tamano);
    return {x, x + ancho};
}
