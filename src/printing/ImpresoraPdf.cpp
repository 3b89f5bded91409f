// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpresoraPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

ImpresoraPdf::ImpresoraPdf(const QString& archivo, int resolucion)
    : m_archivo(archivo)
    , m_resolucion(resolucion)
{
}

ImpresoraPdf::~ImpresoraPdf()
{
    // The painter must let go of the writer before the writer goes.
    TerminarImpresion();
}

QString ImpresoraPdf::Nombre() const
{
    return QFileInfo(m_archivo).fileName();
}

bool ImpresoraPdf::ComenzarImpresion()
{
    m_error.clear();
    if (m_archivo.isEmpty() || !QFileInfo(m_archivo).absoluteDir().exists()) {
        m_error = QStringLiteral("No se puede crear el archivo PDF \"%1\": la carpeta no existe.")
                      .arg(QDir::toNativeSeparators(m_archivo));
        return false;
    }
    return true;
}

QPaintDevice* ImpresoraPdf::AbrirTrabajo()
{
    m_escritor = std::make_unique<QPdfWriter>(m_archivo);
    m_escritor->setCreator(QStringLiteral("TALVO"));
    m_escritor->setTitle(QStringLiteral("Boleta de aportes"));
    m_escritor->setResolution(m_resolucion);
    // Positions are measured from the corner of the sheet: the whole page, no margins.
    m_escritor->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                          QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0)));
    // QPainter::begin fails on a file that cannot be written; say which one.
    m_error = QStringLiteral("No se puede crear el archivo PDF \"%1\".").arg(QDir::toNativeSeparators(m_archivo));
    return m_escritor.get();
}

bool ImpresoraPdf::NuevaPagina()
{
    return m_escritor && m_escritor->newPage();
}

bool ImpresoraPdf::TrabajoCerrado()
{
    m_escritor.reset();
    return true;
}
