// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into a screen's field as its user does.
#pragma once

#include <QLineEdit>
#include <QTest>

/// Moves into campo and replaces what it holds by texto, key by key. QTest::keyClicks refuses
/// letters beyond ASCII (ñ, é): those go as text events.
inline void Tipear(QLineEdit* campo, const QString& texto)
{
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(campo, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, campo, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
