// SPDX-License-Identifier: GPL-3.0-or-later
// The employee listing as a spreadsheet: an .xlsx workbook the screen writes to a temporary folder
// and opens with the desktop's spreadsheet program.
#pragma once

#include <QString>

class Empresa;

/// Writes the company's ListaBaseEmpleados (as loaded, in list order) to archivo as an .xlsx
/// workbook: B1 "EMPRESA: " + CUIT + " - " + NombreComercial in bold; row 2 the bold titles "CUIL",
/// "Apellido y Nombre", "Fecha Ingreso", "Haberes", "Categoría", "Cond. Afiliado", "Fecha Baja",
/// "Licencia", "Cond. Media Jornada"; from row 3 one employee per row (dates dd/mm/yyyy, no
/// termination left empty, Haberes a right-aligned number shown 0.00). Columns sized to their
/// contents. False with a Spanish reason in motivo when the file cannot be written.
bool GrabarListadoEmpleados(Empresa& empresa, const QString& archivo, QString& motivo);
