// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValidadorLargo.h"

#include <QLineEdit>

namespace {
bool Par(const QString& texto, int i)
{
    return i + 1 < texto.size() && texto.at(i).isHighSurrogate() && texto.at(i + 1).isLowSurrogate();
}

/// The characters of texto as the database counts them; a lone half counts as one.
int Caracteres(const QString& texto)
{
    int caracteres = 0;
    for (int i = 0; i < texto.size(); ++i, ++caracteres)
        if (Par(texto, i))
            ++i;
    return caracteres;
}
} // namespace

void ValidadorLargo::Limitar(QLineEdit* campo, int caracteres)
{
    // Enough units for the longest text the limit allows; the validator cuts by character.
    campo->setMaxLength(2 * caracteres);
    campo->setValidator(new ValidadorLargo(caracteres, campo));
}

ValidadorLargo::ValidadorLargo(int caracteres, QObject* parent)
    : QValidator(parent)
    , m_largo(caracteres)
{
}

QValidator::State ValidadorLargo::validate(QString& texto, int& posicion) const
{
    // Lone halves out (a paste cut by maxLength, a broken clipboard).
    for (int i = 0; i < texto.size(); ++i) {
        if (Par(texto, i)) {
            ++i;
        } else if (texto.at(i).isSurrogate()) {
            texto.remove(i--, 1);
            if (i < posicion - 1)
                --posicion;
        }
    }
    // Beyond the limit: what was just inserted, before the cursor; a text set whole loses its end.
    for (int exceso = Caracteres(texto) - m_largo; exceso > 0; --exceso) {
        if (posicion <= 0)
            posicion = texto.size();
        const int ancho = posicion >= 2 && Par(texto, posicion - 2) ? 2 : 1;
        texto.remove(posicion - ancho, ancho);
        posicion -= ancho;
    }
    return Acceptable;
}
