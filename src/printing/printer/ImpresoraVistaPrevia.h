// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/ImpresoraPintor.h"

class ImpresoraSistema;
class QPrinter;

/// Impresora over the printer of a print preview: the slip layers draw on it exactly as on the
/// real printer, and each copy becomes a page of the preview. Nothing reaches a printer or a file.
class ImpresoraVistaPrevia : public ImpresoraPintor
{
public:
    /// vista: the preview's own printer, as QPrintPreviewWidget hands it over to be painted on.
    explicit ImpresoraVistaPrevia(QPrinter& vista);
    ~ImpresoraVistaPrevia() override;

    /// Sets up the preview's printer as the current printer would print: the same device (so the
    /// same resolution and font metrics), A4 portrait, the whole sheet. The current printer itself
    /// is only read.
    static void ComoLaActual(QPrinter& vista, const ImpresoraSistema& actual);

    QString Nombre() const override;
    bool ComenzarImpresion() override;
    void PrepararPagina() override;
    int ResolucionX() const override;
    int ResolucionY() const override;

protected:
    QPaintDevice* AbrirTrabajo() override;
    /// The copies are the pages of one preview.
    bool TrabajoPorPagina() const override { return false; }
    bool NuevaPagina() override;

private:
    QPrinter& m_vista;
};
