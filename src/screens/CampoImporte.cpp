// SPDX-License-Identifier: GPL-3.0-or-later
#include "CampoImporte.h"

#include "records/Global.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

CampoImporte::CampoImporte(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool CampoImporte::Importe(double& importe) const
{
    return ImporteDeTexto(text(), importe);
}

void CampoImporte::setImporte(double importe)
{
    setText(FormatoImporte(importe));
}

void CampoImporte::keyPressEvent(QKeyEvent* evento)
{
    const QString texto = evento->text();
    // Keys without a character (arrows, Delete, Home, Tab) and shortcuts are the field's own business.
    if (texto.isEmpty() || (evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        || evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter || evento->key() == Qt::Key_Escape
        || evento->key() == Qt::Key_Tab || evento->key() == Qt::Key_Backtab) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    // A key that types several units (an emoji, a composed sequence) is no digit, separator or backspace.
    if (texto.size() != 1) {
        evento->accept(); // dropped
        return;
    }
    const int codigo = texto.at(0).unicode();
    const int filtrado = FiltrarTeclaNumerica(codigo);
    if (filtrado == 0) {
        evento->accept(); // dropped
        return;
    }
    if (filtrado == codigo) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    insert(QString(QChar(filtrado)));
    evento->accept();
}

void CampoImporte::focusOutEvent(QFocusEvent* evento)
{
    QLineEdit::focusOutEvent(evento);
    // Leaving for another window (a message, a menu) is not leaving the field.
    // A text the user did not touch is not checked: two fields never pull the focus from each other.
    if (evento->reason() == Qt::ActiveWindowFocusReason || evento->reason() == Qt::PopupFocusReason
        || !isVisible() || isReadOnly() || !isModified())
        return;
    double importe = 0;
    if (!Importe(importe)) {
        // The focus comes back once the widget that took it has it, as if it had never left.
        QTimer::singleShot(0, this, [this]() { setFocus(Qt::OtherFocusReason); });
        return;
    }
    setImporte(importe);
    emit importeAceptado(importe);
}
