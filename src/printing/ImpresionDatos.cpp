// SPDX-License-Identifier: GPL-3.0-or-later
// The data layer of the slip page: the slip's values in the boxes of the form layer.
#include "ImpresionLiquidacion.h"

#include "CodigoBarras.h"
#include "Impresora.h"
#include "MontoEnLetras.h"
#include "liquidation/Liquidacion.h"
#include "records/Empresa.h"
#include "records/Global.h"

#include <QLocale>
#include <QPainter>

#include <cmath>

namespace {

void Texto(Impresora& imp, double x, double y, const QString& texto)
{
    imp.setCurrentX(x);
    imp.setCurrentY(y);
    imp.Imprimir(texto);
}

void Fuente(Impresora& imp, double puntos, bool negrita)
{
    imp.setTamanoFuente(puntos);
    imp.setNegrita(negrita);
}

void Mitad(const Liquidacion& liq, Impresora& imp, double o)
{
    const QSharedPointer<Empresa> empresa = liq.Empresa();
    const bool conActa = !liq.NroReq().isEmpty();
    Fuente(imp, 8, false);
    if (empresa) {
        Texto(imp, 17, o + 38, empresa->CUIT());
        Texto(imp, 68, o + 38, empresa->Nombre());
    }
    if (!conActa)
        Texto(imp, 160, o + 38,
              QStringLiteral("%1/%2").arg(liq.Mes(), 2, 10, QLatin1Char('0')).arg(liq.Anio()));
    if (empresa) {
        Texto(imp, 28, o + 42, empresa->Calle() + QStringLiteral(" ") + empresa->Numero() + QStringLiteral("  ")
                                   + empresa->Piso());
        Texto(imp, 108, o + 42, empresa->Localidad());
    }
    Texto(imp, 38, o + 46, QString::number(liq.CantEmpleados()));
    Texto(imp, 84, o + 46, FormatoImporte(liq.TotalEmpleados()));
    Texto(imp, 138, o + 46, QString::number(liq.CantAfiliados()));
    Texto(imp, 180, o + 46, FormatoImporte(liq.TotalAfiliados()));

    Fuente(imp, 10, false);
    Texto(imp, 175, o + 53, QStringLiteral("$") + FormatoImporte(liq.Pagado2()));
    Texto(imp, 175, o + 62, QStringLiteral("$") + FormatoImporte(liq.PagadoFCM()));
    Texto(imp, 150, o + 72, QLocale().toString(liq.Coeficiente(), 'g', QLocale::FloatingPointShortest)
                                + QStringLiteral("%"));
    Texto(imp, 175, o + 72, QStringLiteral("$") + FormatoImporte(liq.PagadoRecargo()));
    Texto(imp, 110, o + 82, liq.NroReq());
    Texto(imp, 140, o + 82, liq.Cuota());
    Texto(imp, 175, o + 82, QStringLiteral("$") + FormatoImporte(liq.PagadoReq()));
    Fuente(imp, 12, true);
    Texto(imp, 175, o + 92, QStringLiteral("$") + FormatoImporte(liq.PagadoTotal()));

    Fuente(imp, 8, false);
    Texto(imp, 6, o + 102, QStringLiteral("SON PESOS: "));
    Texto(imp, 26, o + 102, MontoEnLetras(liq.PagadoTotal()));
    if (liq.FormaPago() == 0) {
        Texto(imp, 6, o + 109, QStringLiteral("Efectivo"));
    } else {
        Texto(imp, 6, o + 109, QStringLiteral("Bco:"));
        Texto(imp, 15, o + 109, liq.Banco());
        Texto(imp, 6, o + 113, QStringLiteral("Nro: "));
        Texto(imp, 15, o + 113, liq.NroCheque());
    }
}

/// The two symbols, placed in device pixels at 410 x 1280 and 410 x 2820 (1/300 inch).
void SimbolosCodigo(Impresora& imp, const QString& codigo)
{
    QPainter* pintor = imp.Pintor();
    if (!pintor)
        return;
    const int dpiX = imp.ResolucionX();
    const int dpiY = imp.ResolucionY();
    CodigoBarras simbolo(ParametrosCodigoBarras::ParaSlip(dpiY));
    if (simbolo.Tamano(codigo).isEmpty())
        return; // the digits below still carry the code
    const int x = int(std::lround(410.0 * dpiX / 300.0));
    simbolo.Dibujar(*pintor, QPoint(x, int(std::lround(1280.0 * dpiY / 300.0))), codigo);
    simbolo.Dibujar(*pintor, QPoint(x, int(std::lround(2820.0 * dpiY / 300.0))), codigo);
}

} // namespace

void ImprimirDatos(const Liquidacion& liq, Impresora& impresora, const QString& codigoPago)
{
    impresora.setNombreFuente(QStringLiteral("Arial"));
    Mitad(liq, impresora, MitadSuperior);
    Mitad(liq, impresora, MitadInferior);

    const QString tipo = QString::number(TipoDePago(liq));
    Fuente(impresora, 8, true);
    Texto(impresora, 166, 42, tipo);
    Texto(impresora, 166, 172, tipo);

    SimbolosCodigo(impresora, codigoPago);

    Fuente(impresora, 9, true);
    Texto(impresora, 43, 120, codigoPago);
    Texto(impresora, 43, 250, codigoPago);

    Fuente(impresora, 5, true);
    Texto(impresora, 10, 263,
          QStringLiteral("Declaro que los datos consignados en este formulario son correctos y completos y que he "
                         "confeccionado la presente liquidación utilizando el programa aplicativo entregado y "
                         "aprobado por el"));
    impresora.setCurrentX(10);
    impresora.Imprimir(QStringLiteral("Asociacion Empleados de Comercio de Velmar ,sin omitir ni falsear dato alguno "
                                      "que deba contener, siendo fiel expresión de la verdad."));
}
