// SPDX-License-Identifier: GPL-3.0-or-later
#include "Impresoras.h"

#include "ImpresoraSistema.h"

#include <QPrinterInfo>

QList<DatosImpresora> Impresoras::Instaladas()
{
    QList<DatosImpresora> lista;
    const QList<QPrinterInfo> sistema = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo& info : sistema)
        lista.append({info.printerName(), info.makeAndModel()});
    lista.append({ImpresoraSistema::NombrePdf(), QStringLiteral("Qt PDF")});
    return lista;
}

ImpresoraSistema& Impresoras::Actual()
{
    static ImpresoraSistema* actual = [] {
        auto* impresora = new ImpresoraSistema();
        const QPrinterInfo porDefecto = QPrinterInfo::defaultPrinter();
        impresora->setDestino(porDefecto.isNull() ? ImpresoraSistema::NombrePdf() : porDefecto.printerName());
        return impresora;
    }();
    return *actual;
}

bool Impresoras::Seleccionar(const QString& nombre)
{
    for (const DatosImpresora& d : Instaladas()) {
        if (d.Nombre == nombre) {
            Actual().setDestino(nombre);
            return true;
        }
    }
    return false;
}

void Impresoras::UsarArchivoPdf(const QString& ruta)
{
    Actual().setDestino(ImpresoraSistema::NombrePdf());
    Actual().setArchivoPdf(ruta, true);
}
