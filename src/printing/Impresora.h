// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QImage;
class QPainter;

/// The printer the slip page is drawn on, as the page layers see it: millimetre positions from the
/// top-left corner of the sheet (the top of the text line, not its baseline), a font that stays in
/// force until changed, text with or without a line end, lines and pictures. The printer layer
/// implements it for system printers and PDF files; anything painting with QPainter can.
class Impresora
{
public:
    virtual ~Impresora() = default;

    /// Device name the user knows the printer by.
    virtual QString Nombre() const = 0;

    /// Before the first copy of a printout (a PDF file asks here for its name). False when the user
    /// cancelled (UltimoError empty) or the printer cannot be used (reason in UltimoError).
    virtual bool ComenzarImpresion() = 0;
    /// After the last copy: everything printed reaches its destination. False with the reason.
    virtual bool TerminarImpresion() = 0;

    /// Page set-up for the next copy: A4 portrait, the whole sheet, one copy per job.
    virtual void PrepararPagina() = 0;
    /// Opens a job (or a new page) unless one is open. False with the reason when the device refuses.
    virtual bool IniciarPagina() = 0;
    /// Ends the page and sends it; ending again with nothing drawn since does nothing.
    virtual bool FinDocumento() = 0;

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void setCurrentX(double mm) = 0;
    virtual void setCurrentY(double mm) = 0;

    // The font stays in force for later prints and later jobs, for the whole run.
    virtual void setNombreFuente(const QString& familia) = 0;
    virtual void setTamanoFuente(double puntos) = 0;
    virtual void setNegrita(bool activa) = 0;
    virtual void setSubrayado(bool activo) = 0;
    virtual bool Negrita() const = 0;
    virtual double TamanoFuente() const = 0;
    /// Width in millimetres that texto takes in the font in force: how far a print without a line
    /// end advances, so that a value can be fitted before the next element on its line.
    virtual double AnchoTexto(const QString& texto) const = 0;
    /// Millimetres from the top of a text line to its baseline in the font in force, so that a value
    /// printed smaller can keep the baseline of its line.
    virtual double AscendenteFuente() const = 0;

    /// Prints at the current position. With a line end the next print starts one text line lower
    /// at the left edge; without one it continues right after this text.
    virtual void Imprimir(const QString& texto, bool finDeLinea = true) = 0;
    /// A black straight segment between two points in millimetres.
    virtual void Linea(double x1, double y1, double x2, double y2) = 0;
    /// The picture scaled into the rectangle (millimetres).
    virtual void Imagen(const QImage& imagen, double x, double y, double ancho, double alto) = 0;

    /// Device access for drawing in device pixels (the bar code); null when no page is open.
    virtual QPainter* Pintor() = 0;
    /// Device resolution in dots per inch.
    virtual int ResolucionX() const = 0;
    virtual int ResolucionY() const = 0;

    /// Why the last operation failed; empty when the user cancelled.
    virtual QString UltimoError() const = 0;
};
