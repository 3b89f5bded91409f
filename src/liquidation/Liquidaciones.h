// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Liquidacion.h"
#include "records/ColeccionClave.h"

/// Slips keyed by their IdLiquidacion as decimal text.
class Liquidaciones : public ColeccionClave<Liquidacion>
{
};
