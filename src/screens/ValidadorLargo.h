// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

/// Keeps a text field within the characters its stored column holds, counted as the database
/// counts them: by character (code point), so an emoji, two UTF-16 units, is one character.
/// QLineEdit's own maxLength counts UTF-16 units and cuts an emoji in half at the limit, which
/// would store a broken text. Characters typed or pasted beyond the limit are dropped whole, the
/// ones just before the cursor (what was just inserted), as maxLength drops them; a lone half of
/// a character never stays in the field.
class ValidadorLargo : public QValidator
{
    Q_OBJECT
public:
    /// Limits campo to `caracteres` characters (its validator from now on).
    static void Limitar(QLineEdit* campo, int caracteres);

    ValidadorLargo(int caracteres, QObject* parent);

    State validate(QString& texto, int& posicion) const override;

private:
    int m_largo;
};
