// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpresoraSistema.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

ImpresoraSistema::ImpresoraSistema()
    : m_impresora(QPrinter::HighResolution)
    , m_nombre(NombrePdf())
{
    m_impresora.setDocName(QStringLiteral("Boleta de aportes"));
}

void ImpresoraSistema::setDestino(const QString& nombre)
{
    m_nombre = nombre;
}

void ImpresoraSistema::setArchivoPdf(const QString& ruta, bool fijo)
{
    if (fijo) {
        m_archivoFijo = ruta;
        m_archivoSiguiente.clear();
    } else {
        m_archivoSiguiente = ruta;
    }
}

bool ImpresoraSistema::ComenzarImpresion()
{
    m_error.clear();
    if (EsPdf()) {
        m_archivo = m_archivoFijo.isEmpty() ? m_archivoSiguiente : m_archivoFijo;
        m_archivoSiguiente.clear();
        if (m_archivo.isEmpty()) {
            m_error = QStringLiteral("No se indicó el archivo PDF donde imprimir la boleta.");
            return false;
        }
        m_impresora.setOutputFormat(QPrinter::PdfFormat);
        m_impresora.setOutputFileName(m_archivo);
        return true;
    }
    if (QPrinterInfo::printerInfo(m_nombre).isNull()) {
        m_error = QStringLiteral("La impresora \"%1\" no está instalada en este equipo.\n"
                                 "Elija otra en Selección de Impresora.").arg(m_nombre);
        return false;
    }
    m_impresora.setOutputFormat(QPrinter::NativeFormat);
    m_impresora.setOutputFileName(QString());
    m_impresora.setPrinterName(m_nombre);
    return true;
}

void ImpresoraSistema::PrepararPagina()
{
    // Copies after the first page of a PDF file keep the layout of the open file.
    if (m_impresora.paintingActive())
        return;
    // Positions are measured from the corner of the sheet: the whole page, no margins.
    m_impresora.setFullPage(true);
    m_impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                          QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0)));
    m_impresora.setCopyCount(1);
}

QPaintDevice* ImpresoraSistema::AbrirTrabajo()
{
    if (EsPdf()) {
        const QFileInfo info(m_archivo);
        if (!QDir(info.absolutePath()).exists()) {
            m_error = QStringLiteral("No se puede crear el archivo PDF \"%1\": la carpeta no existe.")
                          .arg(QDir::toNativeSeparators(m_archivo));
            return nullptr;
        }
        // QPainter::begin fails on a file that cannot be written; say which one.
        m_error = QStringLiteral("No se puede crear el archivo PDF \"%1\".").arg(QDir::toNativeSeparators(m_archivo));
    }
    return &m_impresora;
}

bool ImpresoraSistema::TrabajoCerrado()
{
    if (m_impresora.printerState() == QPrinter::Error) {
        m_error = EsPdf() ? QStringLiteral("No se pudo escribir el archivo PDF \"%1\".")
                                .arg(QDir::toNativeSeparators(m_archivo))
                          : QStringLiteral("La impresora \"%1\" informó un error.").arg(m_nombre);
        return false;
    }
    return true;
}

int ImpresoraSistema::ResolucionX() const
{
    return m_impresora.resolution();
}

int ImpresoraSistema::ResolucionY() const
{
    return m_impresora.resolution();
}
