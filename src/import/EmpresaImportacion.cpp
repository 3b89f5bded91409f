// SPDX-License-Identifier: GPL-3.0-or-later
// The company's side of the employee import. These operations belong to the company but need the
// readers, so they live with the import and the records stay free of it.
#include "FuenteOds.h"
#include "FuenteTexto.h"
#include "FuenteXls.h"
#include "FuenteXlsx.h"
#include "Importacion.h"
#include "ProcesoImportacion.h"
#include "records/Conexion.h"
#include "records/Empresa.h"

#include <QFileInfo>

#include <memory>

bool Empresa::LeerEmpleadosDeTexto(Conexion& bd, const QString& Archivo, AvisosImportacion* avisos)
{
    FuenteTexto fuente;
    return ImportarDesdeFuente(*this, bd, fuente, Archivo, avisos);
}

bool Empresa::LeerEmpleadosDeExcel(Conexion& bd, const QString& Archivo, AvisosImportacion* avisos)
{
    std::unique_ptr<FuenteFilas> fuente;
    switch (FormatoDeArchivo(Archivo)) {
    case FormatoImportacion::Xlsx:
        fuente = std::make_unique<FuenteXlsx>();
        break;
    case FormatoImportacion::Ods:
        fuente = std::make_unique<FuenteOds>();
        break;
    default:
        // The Excel 97-2003 reader also explains what a file of another kind turns out to be.
        fuente = std::make_unique<FuenteXls>();
        break;
    }
    return ImportarDesdeFuente(*this, bd, *fuente, Archivo, avisos);
}
