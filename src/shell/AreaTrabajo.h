// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiArea>
#include <QPixmap>

/// The main window's client area: holds the screens and shows the program's picture behind them,
/// always filling the whole area.
class AreaTrabajo : public QMdiArea
{
    Q_OBJECT
public:
    explicit AreaTrabajo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap m_fondo; // drawn again only when the size changes
};
