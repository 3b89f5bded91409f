// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Impresora.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

class QPaintDevice;

/// Impresora over a QPainter: positions, font state and text placement once for every device.
/// A subclass supplies the device: it opens a job, turns to a new page within it and closes it.
class ImpresoraPintor : public Impresora
{
public:
    ImpresoraPintor();
    ~ImpresoraPintor() override;

    bool IniciarPagina() override;
    bool FinDocumento() override;
    bool TerminarImpresion() override;

    double CurrentX() const override { return m_x; }
    double CurrentY() const override { return m_y; }
    void setCurrentX(double mm) override { m_x = mm; }
    void setCurrentY(double mm) override { m_y = mm; }

    /// "Arial" keeps Arial's metrics: where the system would put a wider face in its place, the
    /// metric-compatible Liberation Sans is used.
    void setNombreFuente(const QString& familia) override;
    void setTamanoFuente(double puntos) override { m_fuente.setPointSizeF(puntos); }
    void setNegrita(bool activa) override { m_fuente.setBold(activa); }
    void setSubrayado(bool activo) override { m_fuente.setUnderline(activo); }
    bool Negrita() const override { return m_fuente.bold(); }
    double TamanoFuente() const override { return m_fuente.pointSizeF(); }
    double AnchoTexto(const QString& texto) const override;
    double AscendenteFuente() const override;
    /// The font in force, e.g. to check which face "Arial" resolves to on the device.
    QFont Fuente() const { return m_fuente; }

    void Imprimir(const QString& texto, bool finDeLinea = true) override;
    void Linea(double x1, double y1, double x2, double y2) override;
    void Imagen(const QImage& imagen, double x, double y, double ancho, double alto) override;

    QPainter* Pintor() override;
    int ResolucionX() const override;
    int ResolucionY() const override;
    QString UltimoError() const override { return m_error; }

protected:
    /// Starts a job on the device; null with m_error set when it cannot.
    virtual QPaintDevice* AbrirTrabajo() = 0;
    /// When true every page is a job of its own; otherwise pages follow in one job until
    /// TerminarImpresion.
    virtual bool TrabajoPorPagina() const = 0;
    /// Turns to a new page in the open job.
    virtual bool NuevaPagina() = 0;
    /// Called after the painter has ended the job; false with m_error when the job failed.
    virtual bool TrabajoCerrado() { return true; }

    QString m_error;

private:
    bool CerrarTrabajo();
    double Pixeles(double mm, bool horizontal) const;
    double Milimetros(double pixeles, bool horizontal) const;
    /// Metrics of the font in force on the open job's device (a 1200 dpi picture before one is open).
    QFontMetricsF Medidas() const;

    QPainter m_pintor;
    QPaintDevice* m_dispositivo = nullptr;
    bool m_paginaAbierta = false;
    bool m_hayPaginasEnTrabajo = false;
    QFont m_fuente;
    double m_x = 0;
    double m_y = 0;
};
