// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColeccionClave.h"
#include "Empleado.h"

class PeriodoLiquidacion;

/// Employees keyed by CUIL, with the sums of their amounts (0 for an empty list).
class ListaEmpleados : public ColeccionClave<Empleado>
{
public:
    double TotalAPagar() const;
    double Aporte2() const;
    double Aporte2L(const PeriodoLiquidacion& liq) const;
    double FCM() const;
    double FCML(const PeriodoLiquidacion& liq) const;
    double CuotaSindical() const;
    double CuotaSindicalL(const PeriodoLiquidacion& liq) const;
};
