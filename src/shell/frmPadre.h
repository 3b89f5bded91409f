// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class Dialogos;
class QMdiArea;

/// The main window: a multi-document frame that holds every screen of the program.
class frmPadre : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmPadre(Dialogos& dialogos, QWidget* parent = nullptr);

    QMdiArea* Area() const { return m_area; }
    Dialogos& Servicio() const { return m_dialogos; }

private:
    Dialogos& m_dialogos;
    QMdiArea* m_area = nullptr;
};
