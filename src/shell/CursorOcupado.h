// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

/// Shows the busy pointer for the lifetime of the object, on every path out of a long task.
class CursorOcupado
{
public:
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
    CursorOcupado(const CursorOcupado&) = delete;
    CursorOcupado& operator=(const CursorOcupado&) = delete;
};
