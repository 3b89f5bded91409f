// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmBoletaComun.h"

#include "DeclaracionJurada.h"
#include "liquidation/Liquidacion.h"
#include "liquidation/OperacionesLiquidacion.h"
#include "records/ListaEmpleados.h"
#include "records/Reloj.h"
#include "shell/Dialogos.h"

#include <QPushButton>

namespace {
/// Slips above this many employees may also send their declaration from the screen.
constexpr int EmpleadosSinEnvio = 20;

frmBoleta::Textos TextosComun()
{
    frmBoleta::Textos t;
    t.titulo = QStringLiteral("Boleta Periodo");
    t.encabezado = QStringLiteral("Declaracion Jurada Mensual");
    t.aporte2 = QStringLiteral("Aporte Art.100 (2 %)");
    t.aporteFCM = QStringLiteral("Aporte Art.101 (F.C.M.)");
    t.cuota = QStringLiteral("Cuota Sindical Afiliados");
    t.acta = QStringLiteral("Nro. Acta");
    t.columnaActa = QStringLiteral("A Pagar");
    t.envio = QStringLiteral("&Envio Datos");
    t.tipEnvio = QStringLiteral("Detalle de Sucursales - Enviar Información o Generar  Diskette");
    return t;
}
} // namespace

frmBoletaComun::frmBoletaComun(frmPadre& principal)
    : frmBoleta(principal, TextosComun())
{
    setObjectName(QStringLiteral("frmBoletaComun"));
}

frmBoletaComun* frmBoletaComun::Abrir(frmPadre& principal, const QSharedPointer<Liquidacion>& liq, int modo)
{
    if (!liq)
        return nullptr;
    auto* pantalla = new frmBoletaComun(principal);
    pantalla->Iniciar(liq, modo);
    return pantalla;
}

QString frmBoletaComun::TextoAviso()
{
    return QStringLiteral(
        "La impresión de la boleta de deposito genera el archivo de DDJJ para ser enviado a traves del correo "
        "electronico ,lo que permite realizar la correcta aplicación de los aportes de acuerdo a lo declarado por "
        "el empleador. La no recepción de este correo será motivo de fiscalización por parte del OBRIX\r\n");
}

bool frmBoletaComun::ValidarPeriodo()
{
    if (MesesAtras(*MiLiq(), Reloj::Hoy()) <= MesesAtrasPermitidos)
        return true;
    Servicio().Mensaje(QStringLiteral("El período no puede ser menor a 3 meses del actual.Si desea abonar periodos "
                                      "anteriores comuniquese al Dto.de Recaudaciones de la OBRIX."),
                       QStringLiteral("ERROR"), Icono::Critico);
    return false;
}

bool frmBoletaComun::AntesDeImprimir()
{
    if (!ValidarPeriodo())
        return false;
    Servicio().Mensaje(TextoAviso(), QStringLiteral("CORREO ELECTRONICO"), Icono::Informacion);
    return true;
}

void frmBoletaComun::EntregarDeclaracion()
{
    DeclaracionJurada::GrabarArchivoDDJJ(*MiLiq(), Servicio());
}

bool frmBoletaComun::EnvioVisible(bool hayTotal) const
{
    return hayTotal && MiLiq()->ListaEmpleadosLiquidacion().Count() > EmpleadosSinEnvio;
}

void frmBoletaComun::EnviarDatos()
{
    DeclaracionJurada::EnvioDatos(*MiLiq(), Servicio(), this);
}

void frmBoletaComun::DespuesDeGrabar()
{
    BotonGrabar()->setText(QStringLiteral("Modifica&r"));
}
