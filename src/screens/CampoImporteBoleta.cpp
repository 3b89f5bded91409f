// SPDX-License-Identifier: GPL-3.0-or-later
#include "CampoImporteBoleta.h"

#include "records/Global.h"

#include <QKeyEvent>

#include <cstdlib>

CampoImporteBoleta::CampoImporteBoleta(int decimales, QWidget* parent)
    : CampoImporte(parent)
    , m_decimales(decimales)
{
    connect(this, &QLineEdit::textEdited, this, &CampoImporteBoleta::AlEditar);
}

QString CampoImporteBoleta::Formato(double valor) const
{
    if (m_decimales == 2)
        return FormatoImporte(valor);
    // Four decimals from the whole number of ten-thousandths, so that no locale changes the digits.
    const qint64 diez = DiezMilesimos(valor);
    const qint64 absoluto = std::llabs(diez);
    return (diez < 0 ? QStringLiteral("-") : QString()) + QString::number(absoluto / 10000) + SeparadorDecimal()
        + QStringLiteral("%1").arg(absoluto % 10000, 4, 10, QLatin1Char('0'));
}

void CampoImporteBoleta::AlEditar(const QString& texto)
{
    if (!texto.isEmpty())
        return;
    // Never empty: the zero, selected so that the next key replaces it, still counts as typed.
    setText(Cero());
    selectAll();
    setModified(true);
}

void CampoImporteBoleta::keyPressEvent(QKeyEvent* evento)
{
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && !isReadOnly()) {
        // Enter takes the amount as leaving the field does; the focus stays.
        double importe = 0;
        if (isModified() && Importe(importe))
            emit importeAceptado(importe);
        evento->accept();
        return;
    }
    const QString texto = evento->text();
    if (m_filtro == Filtro::Traducido || texto.size() != 1
        || (evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        CampoImporte::keyPressEvent(evento);
        return;
    }
    // The extraordinary slip's filter: digits, backspace and the locale's own separator only; of the
    // characters without a glyph only the control keys pass (never a zero-width or direction mark).
    const QChar tecla = texto.at(0);
    const bool admitida = (tecla >= QLatin1Char('0') && tecla <= QLatin1Char('9')) || tecla == QChar(8)
        || tecla == SeparadorDecimal() || tecla.category() == QChar::Other_Control;
    if (admitida)
        QLineEdit::keyPressEvent(evento);
    else
        evento->accept(); // dropped
}
