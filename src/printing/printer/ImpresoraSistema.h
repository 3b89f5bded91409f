// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/ImpresoraPintor.h"

#include <QPrinter>

/// The program's printer: an installed system printer (through CUPS on Linux), where every copy is
/// a job of its own, or the PDF printer "Archivo PDF", where the copies of one printout are the
/// pages of one file. One object serves the whole run, so its font settings last for the run.
class ImpresoraSistema : public ImpresoraPintor
{
public:
    ImpresoraSistema();

    /// Name the PDF printer is offered under, next to the installed printers.
    static QString NombrePdf() { return QStringLiteral("Archivo PDF"); }

    QString Nombre() const override { return m_nombre; }
    bool EsPdf() const { return m_nombre == NombrePdf(); }
    /// Makes an installed printer (or the PDF printer) the destination of the next printout.
    void setDestino(const QString& nombre);

    /// File the PDF printer writes: fijo keeps it for every later printout (tests, batch use);
    /// otherwise it serves only the next printout.
    void setArchivoPdf(const QString& ruta, bool fijo);
    QString ArchivoPdfFijo() const { return m_archivoFijo; }

    bool ComenzarImpresion() override;
    void PrepararPagina() override;
    int ResolucionX() const override;
    int ResolucionY() const override;

protected:
    QPaintDevice* AbrirTrabajo() override;
    bool TrabajoPorPagina() const override { return !EsPdf(); }
    bool NuevaPagina() override { return m_impresora.newPage(); }
    bool TrabajoCerrado() override;

private:
    QPrinter m_impresora;
    QString m_nombre;
    QString m_archivoFijo;
    QString m_archivoSiguiente;
    QString m_archivo;
};
