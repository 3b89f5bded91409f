// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpresionLiquidacion.h"

#include "CodigoPago.h"
#include "Impresora.h"
#include "liquidation/Liquidacion.h"
#include "records/Global.h"

bool Imprimir(const Liquidacion& liq, Impresora& impresora, QString* error)
{
    if (liq.BoletasAImprimir() <= 0)
        return true;
    // Refused before anything reaches the printer: no copy may carry a code other than its figures.
    QString motivo;
    const QString codigo = CodigoPago(liq, &motivo);
    if (codigo.isEmpty()) {
        if (error)
            *error = motivo;
        return false;
    }
    if (!impresora.ComenzarImpresion()) {
        if (error)
            *error = impresora.UltimoError();
        return false;
    }
    bool bien = true;
    for (int copia = 1; copia <= liq.BoletasAImprimir() && bien; ++copia)
        bien = ImprimirBoleta(liq, impresora, codigo, error);
    if (!impresora.TerminarImpresion() && bien) {
        if (error)
            *error = impresora.UltimoError();
        return false;
    }
    return bien;
}

bool ImprimirBoleta(const Liquidacion& liq, Impresora& impresora, const QString& codigoPago, QString* error)
{
    impresora.PrepararPagina();
    if (!impresora.IniciarPagina()) {
        if (error)
            *error = impresora.UltimoError();
        return false;
    }
    ImprimirFormulario(liq, impresora);
    ImprimirDatos(liq, impresora, codigoPago);
    if (!impresora.FinDocumento()) {
        if (error)
            *error = impresora.UltimoError();
        return false;
    }
    return true;
}

int TipoDePago(const Liquidacion& liq)
{
    // Both compared as the four-decimal currency values the amounts are kept in.
    return DiezMilesimos(liq.Pagado2()) > DiezMilesimos(liq.TotalEmpleados() * 2.0 / 100.0) ? 2 : 1;
}
