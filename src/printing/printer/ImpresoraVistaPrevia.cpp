// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpresoraVistaPrevia.h"

#include "ImpresoraSistema.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
void HojaEntera(QPrinter& impresora)
{
    // Positions are measured from the corner of the sheet, as on the real printout.
    impresora.setFullPage(true);
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                        QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0)));
}
} // namespace

ImpresoraVistaPrevia::ImpresoraVistaPrevia(QPrinter& vista)
    : m_vista(vista)
{
}

ImpresoraVistaPrevia::~ImpresoraVistaPrevia()
{
    // The preview takes its pages once the painter has let go of its printer.
    TerminarImpresion();
}

void ImpresoraVistaPrevia::ComoLaActual(QPrinter& vista, const ImpresoraSistema& actual)
{
    if (!actual.EsPdf() && !QPrinterInfo::printerInfo(actual.Nombre()).isNull()) {
        vista.setOutputFormat(QPrinter::NativeFormat);
        vista.setPrinterName(actual.Nombre());
    } else {
        vista.setOutputFormat(QPrinter::PdfFormat);
    }
    vista.setDocName(QStringLiteral("Boleta de aportes"));
    HojaEntera(vista);
}

QString ImpresoraVistaPrevia::Nombre() const
{
    return QStringLiteral("Vista previa");
}

bool ImpresoraVistaPrevia::ComenzarImpresion()
{
    m_error.clear();
    return true;
}

void ImpresoraVistaPrevia::PrepararPagina()
{
    // The sheet of an open preview cannot change any more; the first page sets it.
    if (!m_vista.paintingActive())
        HojaEntera(m_vista);
}

int ImpresoraVistaPrevia::ResolucionX() const
{
    return m_vista.resolution();
}

int ImpresoraVistaPrevia::ResolucionY() const
{
    return m_vista.resolution();
}

QPaintDevice* ImpresoraVistaPrevia::AbrirTrabajo()
{
    return &m_vista;
}

bool ImpresoraVistaPrevia::NuevaPagina()
{
    return m_vista.newPage();
}
