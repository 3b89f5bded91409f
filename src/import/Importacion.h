// SPDX-License-Identifier: GPL-3.0-or-later
// Employee import as the list screen starts it: which reader a file's extension selects, the file
// dialog's filter, and one call that runs the right reader. Failures leave a Spanish reason (line or
// row and cause) in Conexion::UltimoError(); rows stored before a failing row stay stored.
#pragma once

#include <QString>

class AvisosImportacion;
class Conexion;
class Empresa;

/// The file kinds the import reads, chosen by extension (any letter case).
enum class FormatoImportacion {
    Ninguno, ///< any other extension: the screen shows "ERROR DE FORMATO"
    Texto, ///< .txt, fixed-width records of 84 characters
    Xls, ///< .xls, Excel 97-2003 workbook
    Xlsx, ///< .xlsx, Office Open XML workbook
    Ods, ///< .ods, OpenDocument spreadsheet
    Csv ///< .csv, comma or semicolon separated values
};

FormatoImportacion FormatoDeArchivo(const QString& archivo);

/// Filter of the open-file dialog, in Qt's syntax: "Todos los formatos admitidos (...)" first, then
/// "Archivos de Texto (*.txt)", "Hojas Excel (*.xls)", "Libros Excel (*.xlsx)",
/// "Hojas OpenDocument (*.ods)", "Valores separados por comas (*.csv)".
QString FiltroArchivosImportacion();

/// Imports the file into the company by its extension: .txt through Empresa::LeerEmpleadosDeTexto,
/// .xls/.xlsx/.ods through Empresa::LeerEmpleadosDeExcel, .csv through LeerEmpleadosDeCsv. True when
/// the whole file was processed; false with the reason in bd.UltimoError() (also for an extension
/// that is not admitted). Reloads the company's ListaBaseEmpleados in both cases.
bool ImportarEmpleados(Empresa& empresa, Conexion& bd, const QString& archivo, AvisosImportacion* avisos = nullptr);

/// CSV import: titles in row 1, the nine columns of the spreadsheet import, ';' or ',' as separator
/// (taken from the title row), UTF-8 or Windows-1252. The remuneration is in pesos ("1234,56" or
/// "1234.56") unless the title of column 4 contains "CENTAVOS", when it is whole hundredths.
bool LeerEmpleadosDeCsv(Empresa& empresa, Conexion& bd, const QString& archivo, AvisosImportacion* avisos = nullptr);
