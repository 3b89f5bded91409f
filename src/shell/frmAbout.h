// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

/// "Acerca de OBRIX": the program's version, the union's contact data, where the data live and
/// the attribution of the town data.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;
};
