// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpresoraPintor.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>

#include <cmath>

namespace {
constexpr double kMmPorPulgada = 25.4;
/// Rules of the page are thin but visible on any printer.
constexpr double kAnchoLineaMm = 0.2;

/// Resolution of the picture that stands in for the device when a text is measured before a job is open.
constexpr int kDpiMedida = 1200;

const QImage& DispositivoMedida()
{
    static const QImage imagen = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(int(std::lround(kDpiMedida / kMmPorPulgada * 1000)));
        i.setDotsPerMeterY(int(std::lround(kDpiMedida / kMmPorPulgada * 1000)));
        return i;
    }();
    return imagen;
}
} // namespace

ImpresoraPintor::ImpresoraPintor()
{
    // Regular weight before the first print of the run.
    m_fuente.setFamily(QStringLiteral("Arial"));
    m_fuente.setPointSizeF(10);
}

ImpresoraPintor::~ImpresoraPintor()
{
    if (m_pintor.isActive())
        m_pintor.end();
}

void ImpresoraPintor::setNombreFuente(const QString& familia)
{
    m_fuente.setFamily(familia);
    if (familia.compare(QLatin1String("Arial"), Qt::CaseInsensitive) != 0)
        return;
    const QString resuelta = QFontInfo(m_fuente).family();
    if (resuelta != QLatin1String("Arial") && resuelta != QLatin1String("Liberation Sans"))
        m_fuente.setFamily(QStringLiteral("Liberation Sans"));
}

bool ImpresoraPintor::IniciarPagina()
{
    if (m_paginaAbierta)
        return true;
    m_error.clear();
    if (!m_dispositivo) {
        QPaintDevice* dispositivo = AbrirTrabajo();
        if (!dispositivo)
            return false;
        if (!m_pintor.begin(dispositivo)) {
            if (m_error.isEmpty())
                m_error = QStringLiteral("No se pudo iniciar la impresión en \"%1\".").arg(Nombre());
            return false;
        }
        m_error.clear();
        m_dispositivo = dispositivo;
        m_hayPaginasEnTrabajo = false;
    } else if (m_hayPaginasEnTrabajo && !NuevaPagina()) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("No se pudo comenzar una página nueva en \"%1\".").arg(Nombre());
        return false;
    }
    m_pintor.setRenderHint(QPainter::Antialiasing, true);
    m_pintor.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_paginaAbierta = true;
    m_x = 0;
    m_y = 0;
    return true;
}

bool ImpresoraPintor::FinDocumento()
{
    if (!m_paginaAbierta)
        return true;
    m_paginaAbierta = false;
    m_hayPaginasEnTrabajo = true;
    return TrabajoPorPagina() ? CerrarTrabajo() : true;
}

bool ImpresoraPintor::TerminarImpresion()
{
    bool bien = FinDocumento();
    if (m_dispositivo)
        bien = CerrarTrabajo() && bien;
    return bien;
}

bool ImpresoraPintor::CerrarTrabajo()
{
    m_error.clear();
    const bool terminado = m_pintor.end();
    m_dispositivo = nullptr;
    m_hayPaginasEnTrabajo = false;
    m_paginaAbierta = false;
    if (!TrabajoCerrado())
        return false;
    if (!terminado) {
        m_error = QStringLiteral("La impresión en \"%1\" no pudo completarse.").arg(Nombre());
        return false;
    }
    return true;
}

double ImpresoraPintor::Pixeles(double mm, bool horizontal) const
{
    return mm * (horizontal ? ResolucionX() : ResolucionY()) / kMmPorPulgada;
}

QFontMetricsF ImpresoraPintor::Medidas() const
{
    return QFontMetricsF(m_fuente, m_dispositivo ? m_dispositivo : &DispositivoMedida());
}

double ImpresoraPintor::Milimetros(double pixeles, bool horizontal) const
{
    const int dpi = !m_dispositivo ? kDpiMedida : horizontal ? ResolucionX() : ResolucionY();
    return pixeles * kMmPorPulgada / dpi;
}

double ImpresoraPintor::AnchoTexto(const QString& texto) const
{
    return Milimetros(Medidas().horizontalAdvance(texto), true);
}

double ImpresoraPintor::AscendenteFuente() const
{
    return Milimetros(Medidas().ascent(), false);
}

void ImpresoraPintor::Imprimir(const QString& texto, bool finDeLinea)
{
    if (!m_paginaAbierta && !IniciarPagina())
        return;
    m_pintor.setFont(m_fuente);
    m_pintor.setPen(Qt::black);
    const QFontMetricsF medidas = Medidas();
    // The position is the top of the text line; Qt places text by its baseline.
    if (!texto.isEmpty())
        m_pintor.drawText(QPointF(Pixeles(m_x, true), Pixeles(m_y, false) + medidas.ascent()), texto);
    if (finDeLinea) {
        m_y += Milimetros(medidas.height(), false);
        m_x = 0;
    } else {
        m_x += AnchoTexto(texto);
    }
}

void ImpresoraPintor::Linea(double x1, double y1, double x2, double y2)
{
    if (!m_paginaAbierta && !IniciarPagina())
        return;
    QPen pluma(Qt::black);
    pluma.setWidthF(Pixeles(kAnchoLineaMm, true));
    pluma.setCapStyle(Qt::SquareCap);
    m_pintor.setPen(pluma);
    m_pintor.drawLine(QPointF(Pixeles(x1, true), Pixeles(y1, false)), QPointF(Pixeles(x2, true), Pixeles(y2, false)));
}

void ImpresoraPintor::Imagen(const QImage& imagen, double x, double y, double ancho, double alto)
{
    if (!m_paginaAbierta && !IniciarPagina())
        return;
    m_pintor.drawImage(QRectF(Pixeles(x, true), Pixeles(y, false), Pixeles(ancho, true), Pixeles(alto, false)),
                       imagen);
}

QPainter* ImpresoraPintor::Pintor()
{
    return m_paginaAbierta ? &m_pintor : nullptr;
}

int ImpresoraPintor::ResolucionX() const
{
    return m_dispositivo ? m_dispositivo->logicalDpiX() : 0;
}

int ImpresoraPintor::ResolucionY() const
{
    return m_dispositivo ? m_dispositivo->logicalDpiY() : 0;
}
