// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QRadioButton;

/// Asks how to deliver the sworn declaration: 0 write the file, 1 send it by e-mail, 2 nothing.
/// After exec() the caller reads Aceptado and Metodo.
class frmMetodoEnvio : public QDialog
{
    Q_OBJECT
public:
    explicit frmMetodoEnvio(QWidget* parent = nullptr);

    /// True when closed with "&Aceptar".
    bool Aceptado = false;
    /// The chosen option: 0, 1 or 2.
    int Metodo = 0;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void TomarMetodo();

    QRadioButton* m_opciones[3] = {nullptr, nullptr, nullptr};
};
