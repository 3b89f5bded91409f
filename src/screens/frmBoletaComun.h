// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frmBoleta.h"

/// "Boleta Periodo": the monthly sworn declaration and deposit slip of a company. Periods more
/// than three months back are refused; printing writes the declaration file; deposits of the four
/// computed concepts follow their amounts due.
class frmBoletaComun : public frmBoleta
{
    Q_OBJECT
public:
    /// Creates the screen on liq (modo 1 new slip, also one based on a stored slip; 2 consult),
    /// adds it to the main window's work area and shows it. Null when there is no slip.
    static frmBoletaComun* Abrir(frmPadre& principal, const QSharedPointer<Liquidacion>& liq, int modo);

    /// The three-month rule against today's date: false, with the message, for an older period.
    bool ValidarPeriodo();
    /// The notice shown before every printout.
    static QString TextoAviso();

protected:
    explicit frmBoletaComun(frmPadre& principal);

    bool DepositosFijos() const override { return true; }
    bool DepositosSiguen() const override { return Modo() != 2; }
    bool OtrosSegunDescripcion() const override { return true; }
    bool PeriodoAdmitido() override { return ValidarPeriodo(); }
    bool AntesDeImprimir() override;
    void EntregarDeclaracion() override;
    bool EnvioVisible(bool hayTotal) const override;
    void EnviarDatos() override;
    void DespuesDeGrabar() override;
};
