// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <memory>

class ImpresoraSistema;

/// An installed printer as the printer selection screen lists it.
struct DatosImpresora
{
    QString Nombre;
    QString Driver;
};

/// The printers the program can use and the one it uses now. The PDF printer "Archivo PDF" is
/// always offered after the installed ones; the current printer starts as the system's default, or
/// the PDF printer when none is installed, and a choice lasts as long as this object (the main
/// window holds one for the whole run; tests make their own).
class Impresoras
{
public:
    Impresoras();
    ~Impresoras();
    Impresoras(const Impresoras&) = delete;
    Impresoras& operator=(const Impresoras&) = delete;

    /// Installed printers in the system's order, then the PDF printer.
    static QList<DatosImpresora> Instaladas();
    /// The printer every printout goes to.
    ImpresoraSistema& Actual();
    /// Makes the printer with that name current; false (nothing changed) when it is not offered.
    bool Seleccionar(const QString& nombre);
    /// Makes the PDF printer current and writing to ruta, without asking, for every later printout.
    /// An empty ruta goes back to asking for the file name on each printout.
    void UsarArchivoPdf(const QString& ruta);

private:
    std::unique_ptr<ImpresoraSistema> m_actual;
};
