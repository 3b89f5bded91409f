// SPDX-License-Identifier: GPL-3.0-or-later
// The form layer of the slip page: everything that does not depend on the slip's amounts.
#include "ImpresionLiquidacion.h"

#include "Emblema.h"
#include "Impresora.h"
#include "RotulosBoleta.h"
#include "liquidation/Liquidacion.h"
#include "records/Global.h"
#include "records/Reloj.h"

#include <QDateTime>
#include <QLocale>

namespace {

const char* const kCorreoAyuda = "ayuda@obrix.example";
const char* const kSitioWeb = "www.obrix.example";

void Texto(Impresora& imp, double x, double y, const QString& texto, bool finDeLinea = true)
{
    imp.setCurrentX(x);
    imp.setCurrentY(y);
    imp.Imprimir(texto, finDeLinea);
}

void Fuente(Impresora& imp, double puntos, bool negrita)
{
    imp.setTamanoFuente(puntos);
    imp.setNegrita(negrita);
}

void Texto(Impresora& imp, double o, const Rotulo& r)
{
    Fuente(imp, r.puntos, r.negrita);
    Texto(imp, r.x, o + r.y, QString::fromUtf8(r.texto));
}

void Caja(Impresora& imp, double x1, double y1, double x2, double y2)
{
    imp.Linea(x1, y1, x2, y1);
    imp.Linea(x1, y2, x2, y2);
    imp.Linea(x1, y1, x1, y2);
    imp.Linea(x2, y1, x2, y2);
}

void Mitad(const Liquidacion& liq, Impresora& imp, double o)
{
    const bool superior = o == MitadSuperior;
    imp.Imagen(LogoSindicato(), 6, o + 5, 17, 20);

    // The stamp captions and the union's name print bold on every copy, so that all copies of a
    // slip look the same whatever was printed before.
    Fuente(imp, 4, true);
    Texto(imp, 143, o + 34, QStringLiteral("SELLO DEL RECAUDADOR"));
    Texto(imp, 173, o + 34, QStringLiteral("FIRMA Y ACLARACIÓN"));
    Fuente(imp, 10, true);
    Texto(imp, 25, o + 12, QStringLiteral("ASOCIACION EMPLEADOS"));
    imp.setCurrentX(25);
    imp.Imprimir(QStringLiteral("DE COMERCIO"));
    imp.setCurrentX(25);
    imp.Imprimir(QStringLiteral("DE VELMAR"));

    Fuente(imp, 9, true);
    Texto(imp, 89, o + 12, QStringLiteral("Bocas de Pago"));
    imp.setNegrita(false);
    imp.setCurrentX(82);
    imp.Imprimir(QStringLiteral("Bco.Nacion CC "));
    imp.setCurrentX(82);
    imp.Imprimir(QStringLiteral("Pago Facil"));

    // Collection points, stamp and signature, company.
    imp.Linea(79, o + 12, 125, o + 12);
    imp.Linea(79, o + 16, 125, o + 16);
    imp.Linea(79, o + 12, 79, o + 25);
    imp.Linea(125, o + 12, 125, o + 25);
    imp.Linea(79, o + 25, 125, o + 25);
    imp.Linea(135, o + 7, 194, o + 7);
    imp.Linea(135, o + 36, 194, o + 36);
    imp.Linea(135, o + 7, 135, o + 36);
    imp.Linea(165, o + 7, 165, o + 36);
    imp.Linea(194, o + 7, 194, o + 36);
    Caja(imp, 5, o + 37, 194, o + 51);

    Fuente(imp, 9, true);
    Texto(imp, 6, o + 30, QStringLiteral("DECLARACIÓN JURADA DE APORTES SINDICALES"));
    Texto(imp, o, Rotulos::Cuit);
    Texto(imp, o, Rotulos::RazonSocial);
    if (liq.NroReq().isEmpty())
        Texto(imp, o, Rotulos::Periodo);
    Texto(imp, o, Rotulos::Direccion);
    Texto(imp, o, Rotulos::TotalEmpleados);
    Texto(imp, o, Rotulos::RemunEmpleados);
    Texto(imp, o, Rotulos::TotalAfiliados);
    Texto(imp, o, Rotulos::RemunAfiliados);

    Caja(imp, 5, o + 52, 194, o + 99);

    Texto(imp, o, Rotulos::FondoSocial);
    Texto(imp, o, Rotulos::CuotaSindical);
    Texto(imp, o, Rotulos::Recargo);
    Texto(imp, o, Rotulos::NroActa);
    Texto(imp, o, Rotulos::Cuota);
    Texto(imp, o, Rotulos::MontoTotal);

    Caja(imp, 5, o + 101, 194, o + 131);

    const QDateTime ahora = Reloj::Ahora();
    Fuente(imp, 7, false);
    Texto(imp, 6, o + 128,
          QStringLiteral("Versión 1.00 - ") + FormatoFecha(ahora.date()) + QStringLiteral(" - ")
              + QLocale().toString(ahora.time(), QStringLiteral("HH:mm:ss")));
    Texto(imp, 60, o + 128, QStringLiteral("Correo: ") + QLatin1String(kCorreoAyuda));
    Texto(imp, 105, o + 128, QStringLiteral("Website: ") + QLatin1String(kSitioWeb));

    Fuente(imp, 18, false);
    Texto(imp, XNumeralCopia, o + 122, superior ? QStringLiteral("1") : QStringLiteral("2"));
    Fuente(imp, 12, false);
    Texto(imp, 160, o + 122, superior ? QStringLiteral("ORIGINAL") : QStringLiteral("DUPLICADO"));
    Fuente(imp, 8, false);
    imp.setCurrentX(160);
    imp.Imprimir(superior ? QStringLiteral("PARA EL RECAUDADOR") : QStringLiteral("PARA EL DEPOSITANTE"));
}

} // namespace

void ImprimirFormulario(const Liquidacion& liq, Impresora& impresora)
{
    impresora.setNombreFuente(QStringLiteral("Arial"));
    Mitad(liq, impresora, MitadSuperior);
    Mitad(liq, impresora, MitadInferior);
    // Cut line between the two copies.
    for (int x = 5; x <= 193; x += 2)
        impresora.Linea(x, 134, x + 1, 134);
}
