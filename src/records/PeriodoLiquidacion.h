// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// What an employee's amounts for a period need of a slip: its month and year. The slip implements
/// it; records compute with it without knowing the slip.
class PeriodoLiquidacion
{
public:
    virtual ~PeriodoLiquidacion() = default;
    /// Period month, 1..12.
    virtual int Mes() const = 0;
    /// Period year, four digits.
    virtual int Anio() const = 0;
};
