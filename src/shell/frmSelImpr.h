// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/printer/Impresoras.h"

#include <QDialog>
#include <QList>

class Dialogos;
class QComboBox;

/// "Selección de Impresora": makes one of the offered printers (the installed ones and "Archivo PDF")
/// the program's printer for the rest of the run, and records its names in "IMPRESORA" and
/// "DRIVERIMP". Modal, centred in the main window.
class frmSelImpr : public QDialog
{
    Q_OBJECT
public:
    frmSelImpr(Dialogos& dialogos, Impresoras& impresoras, QWidget* principal = nullptr);

    /// Fills the list with the offered printers, the current one selected.
    void CargarImpresoras();
    /// The same with a given list, in the order to show.
    void CargarImpresoras(const QList<DatosImpresora>& impresoras);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Aceptar();

    Dialogos& m_dialogos;
    Impresoras& m_impresorasPrograma;
    QWidget* m_principal = nullptr;
    QComboBox* m_lista = nullptr;
    QList<DatosImpresora> m_impresoras;
};
