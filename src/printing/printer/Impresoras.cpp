// SPDX-License-Identifier: GPL-3.0-or-later
#include "Impresoras.h"

#include "ImpresoraSistema.h"

#include <QPrinterInfo>

Impresoras::Impresoras()
    : m_actual(std::make_unique<ImpresoraSistema>())
{
    const QPrinterInfo porDefecto = QPrinterInfo::defaultPrinter();
    m_actual->setDestino(porDefecto.isNull() ? ImpresoraSistema::NombrePdf() : porDefecto.printerName());
}

Impresoras::~Impresoras() = default;

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
    return *m_actual;
}

bool Impresoras::Seleccionar(const QString& nombre)
{
    for (const DatosImpresora& d : Instaladas()) {
        if (d.Nombre == nombre) {
            m_actual->setDestino(nombre);
            return true;
        }
    }
    return false;
}

void Impresoras::UsarArchivoPdf(const QString& ruta)
{
    m_actual->setDestino(ImpresoraSistema::NombrePdf());
    m_actual->setArchivoPdf(ruta, true);
}
