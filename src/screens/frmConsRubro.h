// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class Dialogos;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

/// "Consulta Rubros": finds business categories by a piece of their text in the company screen's
/// category list and selects the one double-clicked there. Not modal; closes itself on a choice.
class frmConsRubro : public QDialog
{
    Q_OBJECT
public:
    /// rubros is the company screen's category list, searched and selected in place.
    frmConsRubro(QComboBox* rubros, Dialogos& dialogos, QWidget* parent = nullptr);

    /// Lists every entry that contains the search text, in any mix of case.
    void Buscar();
    /// Selects, in the category list, the entry of result row fila and closes.
    void Elegir(int fila);

protected:
    bool event(QEvent* evento) override;

private:
    QPointer<QComboBox> m_rubros;
    Dialogos& m_dialogos;
    QLineEdit* m_txtBuscar = nullptr;
    QPushButton* m_cmdBuscar = nullptr;
    QLabel* m_lblAyuda = nullptr;
    QTableWidget* m_grilla = nullptr;
};
