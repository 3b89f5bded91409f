// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodigoBarras.h"

#include <QPainter>
#include <QRegularExpression>

#include <zint.h>

#include <cmath>

ParametrosCodigoBarras ParametrosCodigoBarras::ParaSlip(int dpiY)
{
    ParametrosCodigoBarras p;
    p.Simbologia = Code128Auto;
    p.AnchoModulo = dpiY < 300 ? 1 : int(std::lround(4.0 * dpiY / 300.0));
    p.Alto = int(std::lround(dpiY * 0.4));
    return p;
}

CodigoBarras::CodigoBarras(const ParametrosCodigoBarras& parametros)
    : m_parametros(parametros)
{
}

CodigoBarras::~CodigoBarras()
{
    if (m_simbolo)
        ZBarcode_Delete(m_simbolo);
}

bool CodigoBarras::Codificar(const QString& datos)
{
    if (m_simbolo && datos == m_datos)
        return m_codificado;
    if (m_simbolo)
        ZBarcode_Delete(m_simbolo);
    m_simbolo = ZBarcode_Create();
    m_datos = datos;
    m_codificado = false;
    m_error.clear();
    if (!m_simbolo) {
        m_error = QStringLiteral("No hay memoria para el código de barras.");
        return false;
    }
    if (m_parametros.Simbologia != ParametrosCodigoBarras::Code128Auto
        && m_parametros.Simbologia != ParametrosCodigoBarras::Code128C) {
        m_error = QStringLiteral("Simbología de código de barras no disponible: %1.").arg(m_parametros.Simbologia);
        return false;
    }
    if (m_parametros.Rotacion != 0 || m_parametros.AnchoModulo < 1 || m_parametros.Alto < 1) {
        m_error = QStringLiteral("Parámetros de código de barras no admitidos.");
        return false;
    }
    if (m_parametros.Simbologia == ParametrosCodigoBarras::Code128C
        && (datos.size() % 2 != 0 || datos.contains(QRegularExpression(QStringLiteral("[^0-9]"))))) {
        m_error = QStringLiteral("Code 128 subconjunto C sólo admite una cantidad par de dígitos.");
        return false;
    }
    // Code 128 with automatic subsets encodes an even run of digits entirely in subset C.
    m_simbolo->symbology = BARCODE_CODE128;
    m_simbolo->input_mode = DATA_MODE;
    m_simbolo->show_hrt = 0;
    m_simbolo->whitespace_width = 0;
    m_simbolo->scale = 1.0f;
    m_simbolo->height = 50.0f;
    const QByteArray bytes = datos.toLatin1();
    if (bytes.isEmpty()
        || ZBarcode_Encode(m_simbolo, reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()))
            >= ZINT_ERROR
        || ZBarcode_Buffer_Vector(m_simbolo, 0) >= ZINT_ERROR || !m_simbolo->vector || m_simbolo->width <= 0) {
        m_error = QStringLiteral("No se pudo generar el código de barras: %1")
                      .arg(QString::fromLatin1(m_simbolo->errtxt));
        return false;
    }
    m_codificado = true;
    return true;
}

QSize CodigoBarras::Tamano(const QString& datos)
{
    if (!Codificar(datos))
        return QSize();
    return QSize(m_simbolo->width * m_parametros.AnchoModulo, m_parametros.Alto);
}

bool CodigoBarras::Dibujar(QPainter& pintor, const QPoint& posicion, const QString& datos)
{
    if (!Codificar(datos))
        return false;
    // Vector units per module: the vector is laid out at scale 1 without any quiet zone.
    const double porModulo = double(m_simbolo->vector->width) / m_simbolo->width;
    pintor.save();
    pintor.resetTransform();
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(m_parametros.Color);
    for (const zint_vector_rect* r = m_simbolo->vector->rectangles; r; r = r->next) {
        const int desde = int(std::lround(r->x / porModulo));
        const int modulos = int(std::lround(r->width / porModulo));
        pintor.drawRect(QRect(posicion.x() + desde * m_parametros.AnchoModulo, posicion.y(),
                              modulos * m_parametros.AnchoModulo, m_parametros.Alto));
    }
    pintor.restore();
    return true;
}
