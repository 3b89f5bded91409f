// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpresionBoleta.h"

#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "printing/ImpresionLiquidacion.h"
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/Impresoras.h"
#include "records/Empresa.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString ArchivoPropuesto(const Liquidacion& liq)
{
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (carpeta.isEmpty())
        carpeta = QDir::homePath();
    const QString cuit = liq.Empresa() ? QString(liq.Empresa()->CUIT()).remove(QLatin1Char('-')) : QString();
    const QString nombre = liq.NroReq().isEmpty()
        ? QStringLiteral("Boleta %1 %2-%3.pdf").arg(cuit).arg(liq.Mes(), 2, 10, QLatin1Char('0')).arg(liq.Anio())
        : QStringLiteral("Boleta %1 Acta %2.pdf").arg(cuit, liq.NroReq());
    return QDir(carpeta).filePath(nombre.simplified());
}

} // namespace

bool ImprimirLiquidacion(const Liquidacion& liq, Impresoras& impresoras, Dialogos& dialogos)
{
    if (liq.BoletasAImprimir() <= 0)
        return true;
    const QString titulo = QStringLiteral("ERROR");
    QString motivo;
    // Refused before asking anything: no page with a wrong code may leave the program.
    if (CodigoPago(liq, &motivo).isEmpty()) {
        dialogos.Mensaje(motivo, titulo, Icono::Critico);
        return false;
    }
    ImpresoraSistema& impresora = impresoras.Actual();
    if (impresora.EsPdf() && impresora.ArchivoPdfFijo().isEmpty()) {
        QString archivo = dialogos.ArchivoParaGuardar(QStringLiteral("Guardar la boleta como PDF"),
                                                      ArchivoPropuesto(liq), QStringLiteral("Archivos PDF (*.pdf)"));
        if (archivo.isEmpty())
            return false;
        if (!archivo.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            archivo += QStringLiteral(".pdf");
        impresora.setArchivoPdf(archivo, false);
    }
    bool bien = false;
    {
        CursorOcupado ocupado;
        bien = Imprimir(liq, impresora, &motivo);
    }
    if (!bien && !motivo.isEmpty())
        dialogos.Mensaje(motivo, titulo, Icono::Critico);
    return bien;
}
