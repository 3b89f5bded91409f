// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frmBoleta.h"

/// "Boleta Actas": an extraordinary slip that pays an inspection record, other concepts or an
/// instalment. Built from the same parts as the ordinary slip; it is numbered on its own, has no
/// three-month rule and produces no declaration file. A new one starts without employees.
class frmBoletaExtra : public frmBoleta
{
    Q_OBJECT
public:
    /// Creates the screen on liq (modo 1 new slip, also one based on a stored slip; 2 consult),
    /// adds it to the main window's work area and shows it. Null when there is no slip.
    static frmBoletaExtra* Abrir(frmPadre& principal, const QSharedPointer<Liquidacion>& liq, int modo);

protected:
    explicit frmBoletaExtra(frmPadre& principal);

    void AntesDeCargar() override;
    bool DepositosFijos() const override { return false; }
    bool DepositosSiguen() const override { return false; }
    bool OtrosSegunDescripcion() const override { return false; }
    bool EnvioVisible(bool) const override { return true; }
    /// "&Enviar Detalle" has nothing to send (an extraordinary slip has no declaration file): the
    /// user is told so instead of a button that silently does nothing.
    void EnviarDatos() override;
};
