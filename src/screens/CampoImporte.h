// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

/// A right-aligned field for an amount in pesos, typed in the user's notation.
/// Keys pass through FiltrarTeclaNumerica: "." and "," both type the locale's decimal separator,
/// digits and backspace pass, any other character is dropped (editing and navigation keys, and
/// shortcuts with Ctrl, work as in any field). Leaving the field after editing it with a text that is
/// not an amount keeps the focus in it, without a message; leaving it with an amount emits
/// importeAceptado and shows the amount as "0.00" in the locale's notation.
class CampoImporte : public QLineEdit
{
    Q_OBJECT
public:
    explicit CampoImporte(QWidget* parent = nullptr);

    /// The amount the text holds (ImporteDeTexto); false when it is not an amount.
    bool Importe(double& importe) const;
    /// Shows importe as "0.00" in the locale's notation.
    void setImporte(double importe);

signals:
    /// The user left the field holding an amount (already shown as "0.00").
    void importeAceptado(double importe);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
};
