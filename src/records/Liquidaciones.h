// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColeccionClave.h"
#include "liquidation/Liquidacion.h"

/// Slips keyed by their IdLiquidacion as decimal text.
class Liquidaciones : public ColeccionClave<Liquidacion>
{
};
