// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImpresoraPintor.h"

#include <QPdfWriter>

#include <memory>

/// Impresora that writes the slip pages into a PDF file with Qt Gui alone: A4 portrait, the whole
/// sheet, at the given resolution; the copies of one printout are the pages of one file. It serves
/// where no printer is involved (tests of the page, previews); the printer layer has its own.
class ImpresoraPdf : public ImpresoraPintor
{
public:
    explicit ImpresoraPdf(const QString& archivo, int resolucion = 1200);
    ~ImpresoraPdf() override;

    QString Nombre() const override;
    QString Archivo() const { return m_archivo; }
    bool ComenzarImpresion() override;
    void PrepararPagina() override {}

protected:
    QPaintDevice* AbrirTrabajo() override;
    bool TrabajoPorPagina() const override { return false; }
    bool NuevaPagina() override;
    bool TrabajoCerrado() override;

private:
    QString m_archivo;
    int m_resolucion;
    std::unique_ptr<QPdfWriter> m_escritor;
};
