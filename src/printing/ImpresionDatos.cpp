// SPDX-License-Identifier: GPL-3.0-or-later
// The data layer of the slip page: the slip's values in the boxes of the form layer. Every value
// is fitted into the room its line leaves it, whatever its length: none runs into a rule, the next
// element of its line or the quiet zone the bank's reader needs beside the bar code symbol.
#include "ImpresionLiquidacion.h"

#include "AjusteTexto.h"
#include "CodigoBarras.h"
#include "Impresora.h"
#include "MontoEnLetras.h"
#include "RotulosBoleta.h"
#include "liquidation/Liquidacion.h"
#include "records/Empresa.h"
#include "records/Global.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPorPulgada = 25.4;
/// Where the symbols stand, in 1/300 inch: the layout the bank's reader expects.
constexpr int kSimboloX = 410;
constexpr int kSimboloYSuperior = 1280;
constexpr int kSimboloYInferior = 2820;
/// Clear space a Code 128 reader needs on each side of the symbol, in modules.
constexpr int kModulosZonaQuieta = 10;
/// The payment-type digit on the address line of each copy.
constexpr double kXTipoPago = 166;

void Fuente(Impresora& imp, double puntos, bool negrita)
{
    imp.setTamanoFuente(puntos);
    imp.setNegrita(negrita);
}

/// Room that ends a clearance before the next element or rule at siguiente.
double Antes(double siguiente)
{
    return siguiente - HolguraAjuste;
}

/// A text that keeps its start at x and ends before limite.
Tramo Texto(Impresora& imp, double x, double y, double limite, const QString& texto)
{
    return ImprimirAjustado(imp, y, {x, limite, x}, texto);
}

/// A figure: when it does not fit before limite it moves left, not past desde.
Tramo Cifra(Impresora& imp, double x, double y, double limite, double desde, const QString& texto)
{
    return ImprimirAjustado(imp, y, {x, limite, std::min(x, desde)}, texto);
}

/// Where a caption of the form layer ends, plus the clearance: a figure after it may start there.
double TrasRotulo(Impresora& imp, const Rotulo& r)
{
    const double puntos = imp.TamanoFuente();
    const bool negrita = imp.Negrita();
    Fuente(imp, r.puntos, r.negrita);
    const double fin = r.x + imp.AnchoTexto(QString::fromUtf8(r.texto));
    Fuente(imp, puntos, negrita);
    return fin + HolguraAjuste;
}

QString Pesos(double importe)
{
    return QStringLiteral("$") + FormatoImporte(importe);
}

/// A figure and the amount after it on the same line: the amount may move left into the room the
/// figure does not need, and the figure then ends before the amount.
void FiguraEImporte(Impresora& imp, double y, const Rotulo& rotulo, double xFigura, const QString& figura,
                    bool figuraEsTexto, const QString& importe)
{
    const double trasRotulo = TrasRotulo(imp, rotulo);
    const double finFigura = figura.isEmpty() ? trasRotulo : xFigura + imp.AnchoTexto(figura) + HolguraAjuste;
    const Tramo monto = Cifra(imp, 175, y, Antes(ReglaDerecha), std::max(trasRotulo, finFigura), importe);
    if (figuraEsTexto)
        Texto(imp, xFigura, y, Antes(monto.desde), figura);
    else
        Cifra(imp, xFigura, y, Antes(monto.desde), trasRotulo, figura);
}

void Mitad(const Liquidacion& liq, Impresora& imp, double o, double antesDelSimbolo)
{
    const QSharedPointer<Empresa> empresa = liq.Empresa();
    const bool conActa = !liq.NroReq().isEmpty();
    Fuente(imp, 8, false);
    if (empresa) {
        Texto(imp, 17, o + 38, Antes(Rotulos::RazonSocial.x), empresa->CUIT());
        Texto(imp, 68, o + 38, Antes(conActa ? ReglaDerecha : Rotulos::Periodo.x), empresa->Nombre());
    }
    if (!conActa)
        Texto(imp, 160, o + 38, Antes(ReglaDerecha),
              QStringLiteral("%1/%2").arg(liq.Mes(), 2, 10, QLatin1Char('0')).arg(liq.Anio()));
    if (empresa) {
        Texto(imp, 28, o + 42, Antes(108),
              empresa->Calle() + QStringLiteral(" ") + empresa->Numero() + QStringLiteral("  ") + empresa->Piso());
        Texto(imp, 108, o + 42, Antes(kXTipoPago), empresa->Localidad());
    }
    Cifra(imp, 38, o + 46, Antes(Rotulos::RemunEmpleados.x), TrasRotulo(imp, Rotulos::TotalEmpleados),
          QString::number(liq.CantEmpleados()));
    Cifra(imp, 84, o + 46, Antes(Rotulos::TotalAfiliados.x), TrasRotulo(imp, Rotulos::RemunEmpleados),
          FormatoImporte(liq.TotalEmpleados()));
    Cifra(imp, 138, o + 46, Antes(Rotulos::RemunAfiliados.x), TrasRotulo(imp, Rotulos::TotalAfiliados),
          QString::number(liq.CantAfiliados()));
    Cifra(imp, 180, o + 46, Antes(ReglaDerecha), TrasRotulo(imp, Rotulos::RemunAfiliados),
          FormatoImporte(liq.TotalAfiliados()));

    Fuente(imp, 10, false);
    Cifra(imp, 175, o + 53, Antes(ReglaDerecha), TrasRotulo(imp, Rotulos::FondoSocial), Pesos(liq.Pagado2()));
    Cifra(imp, 175, o + 62, Antes(ReglaDerecha), TrasRotulo(imp, Rotulos::CuotaSindical), Pesos(liq.PagadoFCM()));
    FiguraEImporte(imp, o + 72, Rotulos::Recargo, 150,
                   QLocale().toString(liq.Coeficiente(), 'g', QLocale::FloatingPointShortest) + QStringLiteral("%"),
                   false, Pesos(liq.PagadoRecargo()));
    Cifra(imp, 110, o + 82, Antes(Rotulos::Cuota.x), TrasRotulo(imp, Rotulos::NroActa), liq.NroReq());
    FiguraEImporte(imp, o + 82, Rotulos::Cuota, 140, liq.Cuota(), true, Pesos(liq.PagadoReq()));
    Fuente(imp, 12, true);
    Cifra(imp, 175, o + 92, Antes(ReglaDerecha), TrasRotulo(imp, Rotulos::MontoTotal), Pesos(liq.PagadoTotal()));

    Fuente(imp, 8, false);
    Texto(imp, 6, o + 102, Antes(26), QStringLiteral("SON PESOS: "));
    Texto(imp, 26, o + 102, Antes(ReglaDerecha), MontoEnLetras(liq.PagadoTotal()));
    // Beside the symbol the quiet zone is itself the clearance.
    if (liq.FormaPago() == 0) {
        Texto(imp, 6, o + 109, antesDelSimbolo, QStringLiteral("Efectivo"));
    } else {
        Texto(imp, 6, o + 109, Antes(15), QStringLiteral("Bco:"));
        Texto(imp, 15, o + 109, antesDelSimbolo, liq.Banco());
        Texto(imp, 6, o + 113, Antes(15), QStringLiteral("Nro: "));
        Texto(imp, 15, o + 113, antesDelSimbolo, liq.NroCheque());
    }
}

/// The two symbols of the payment code, placed in device pixels.
class Simbolos
{
public:
    Simbolos(Impresora& imp, const QString& codigo)
        : m_dpiX(imp.ResolucionX())
        , m_dpiY(imp.ResolucionY())
        , m_simbolo(ParametrosCodigoBarras::ParaSlip(m_dpiY))
        , m_codigo(codigo)
        , m_tamano(m_dpiX > 0 && m_dpiY > 0 ? m_simbolo.Tamano(codigo) : QSize())
        , m_x(int(std::lround(double(kSimboloX) * m_dpiX / 300.0)))
    {
    }

    /// Where the left quiet zone begins, in millimetres; the right rule when there is no symbol.
    double AntesDelSimbolo() const
    {
        if (m_tamano.isEmpty())
            return Antes(ReglaDerecha);
        const int zona = kModulosZonaQuieta * ParametrosCodigoBarras::ParaSlip(m_dpiY).AnchoModulo;
        return (m_x - zona) * kMmPorPulgada / m_dpiX;
    }

    void Dibujar(Impresora& imp)
    {
        QPainter* pintor = imp.Pintor();
        if (!pintor || m_tamano.isEmpty())
            return; // the digits below still carry the code
        for (const int y : {kSimboloYSuperior, kSimboloYInferior})
            m_simbolo.Dibujar(*pintor, QPoint(m_x, int(std::lround(double(y) * m_dpiY / 300.0))), m_codigo);
    }

private:
    int m_dpiX;
    int m_dpiY;
    CodigoBarras m_simbolo;
    QString m_codigo;
    QSize m_tamano;
    int m_x;
};

} // namespace

void ImprimirDatos(const Liquidacion& liq, Impresora& impresora, const QString& codigoPago)
{
    impresora.setNombreFuente(QStringLiteral("Arial"));
    Simbolos simbolos(impresora, codigoPago);
    Mitad(liq, impresora, MitadSuperior, simbolos.AntesDelSimbolo());
    Mitad(liq, impresora, MitadInferior, simbolos.AntesDelSimbolo());

    const QString tipo = QString::number(TipoDePago(liq));
    Fuente(impresora, 8, true);
    Texto(impresora, kXTipoPago, MitadSuperior + 42, Antes(ReglaDerecha), tipo);
    Texto(impresora, kXTipoPago, MitadInferior + 42, Antes(ReglaDerecha), tipo);

    simbolos.Dibujar(impresora);

    Fuente(impresora, 9, true);
    Texto(impresora, 43, MitadSuperior + 120, Antes(XNumeralCopia), codigoPago);
    Texto(impresora, 43, MitadInferior + 120, Antes(XNumeralCopia), codigoPago);

    Fuente(impresora, 5, true);
    Texto(impresora, 10, 263, Antes(ReglaDerecha),
          QStringLiteral("Declaro que los datos consignados en este formulario son correctos y completos y que he "
                         "confeccionado la presente liquidación utilizando el programa aplicativo entregado y "
                         "aprobado por el"));
    Texto(impresora, 10, impresora.CurrentY(), Antes(ReglaDerecha),
          QStringLiteral("Asociacion Empleados de Comercio de Velmar ,sin omitir ni falsear dato alguno "
                         "que deba contener, siendo fiel expresión de la verdad."));
}
