// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmBoletaExtra.h"

#include "liquidation/Liquidacion.h"
#include "shell/Dialogos.h"
#include "records/ListaEmpleados.h"

#include <QLineEdit>

namespace {
frmBoleta::Textos TextosExtra()
{
    frmBoleta::Textos t;
    t.titulo = QStringLiteral("Boleta Actas");
    t.encabezado = QStringLiteral("Boleta de Actas");
    t.aporte2 = QStringLiteral("Aporte 2%");
    t.aporteFCM = QStringLiteral("Aporte Fondo Compensador Mercantil");
    t.cuota = QStringLiteral("Cuota Sindical");
    t.acta = QStringLiteral("Nro.Acta");
    t.columnaActa = QStringLiteral("A Pagarr");
    t.envio = QStringLiteral("&Enviar Detalle");
    t.tipEnvio = QStringLiteral("Detalle de Sucursales - Enviar Información o Generar  Diskette");
    t.conBorrar = false;
    t.conAporteCalculado = false;
    t.filtro = CampoImporteBoleta::Filtro::SoloRegional;
    return t;
}
} // namespace

frmBoletaExtra::frmBoletaExtra(frmPadre& principal)
    : frmBoleta(principal, TextosExtra())
{
    setObjectName(QStringLiteral("frmBoletaExtra"));
    // The inspection record's amount keeps the usual filter, and Enter in its number goes on.
    if (auto* monto = findChild<CampoImporteBoleta*>(QStringLiteral("txtPagadoRec")))
        monto->setFiltro(CampoImporteBoleta::Filtro::Traducido);
    connect(Texto(QStringLiteral("txtNroReq")), &QLineEdit::returnPressed, this, [this]() { focusNextChild(); });
}

frmBoletaExtra* frmBoletaExtra::Abrir(frmPadre& principal, const QSharedPointer<Liquidacion>& liq, int modo)
{
    if (!liq)
        return nullptr;
    auto* pantalla = new frmBoletaExtra(principal);
    pantalla->Iniciar(liq, modo);
    return pantalla;
}

void frmBoletaExtra::AntesDeCargar()
{
    MiLiq()->setExtraordinaria(true);
    // A new extraordinary slip pays records, not the payroll: it starts without employees. A
    // stored one keeps those it was stored with, so that a reprint says what the first print said.
    if (MiLiq()->Nueva())
        MiLiq()->ListaEmpleadosLiquidacion().Clear();
}

void frmBoletaExtra::EnviarDatos()
{
    Servicio().Mensaje(QStringLiteral("Las boletas de actas no llevan declaración jurada: no hay detalle de "
                                      "empleados para enviar.\nEl detalle mensual se envía desde la Boleta Periodo."),
                       QStringLiteral("ENVIO DE DATOS"), Icono::Informacion);
}
