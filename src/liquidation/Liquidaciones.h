// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Liquidacion.h"
#include "records/ColeccionClave.h"

/// Slips keyed by their IdLiquidacion as decimal text.
class Liquidaciones : public ColeccionClave<Liquidacion>
{
public:
    /// Positions (1-based, ascending) of the slips followed by one of the same year and month: in
    /// the order of Empresa::LeerLiquidaciones, every declaration of a period but the latest.
    QList<int> PosicionesSuperadas() const
    {
        QList<int> superadas;
        for (int i = 1; i < Count(); ++i) {
            const auto a = Item(i);
            const auto b = Item(i + 1);
            if (a->Anio() == b->Anio() && a->Mes() == b->Mes())
                superadas.append(i);
        }
        return superadas;
    }
};
