// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that turn one imported row into an employee, written once for every kind of file.
// Fields: CUIL (eleven digits, hyphens aside, or a whole number) stored as 99-99999999-9; name
// trimmed, at most 40 characters; dates DD/MM/AAAA (day first), ISO or a spreadsheet date serial;
// remuneration in hundredths (000150000 = 1500,00) or in pesos as the source says; category,
// member, leave and half-time flags as whole numbers, blank meaning 0; the termination date
// "00/00/0000", 0 or blank meaning no termination; leave codes 0 to 6 as the program reads them.
#pragma once

#include "FuenteFilas.h"

#include <QDate>
#include <QString>

class Empleado;

enum class ConversionFila {
    Correcta, ///< every field converted into the employee
    CuilIncorrecto, ///< the CUIL fails: the row is skipped with a notice (the name is set)
    Error ///< a field does not convert: the import stops (reason in motivo)
};

/// Titles of the nine columns, as the spreadsheet template names them; messages use them.
QString TituloColumna(int columna);

/// The CUIL of a cell in its masked form 99-99999999-9, or empty when the cell does not hold eleven
/// digits (blanks and hyphens aside) or a whole number of at most eleven digits (zero-padded).
QString CuilDeCelda(const CeldaImportacion& celda);

/// A date from a spreadsheet serial: days since 30 December 1899 (since 1 January 1904 when
/// base1904); the fraction of a day is dropped. Invalid outside 1 to 2958465.
QDate FechaDeSerie(double serie, bool base1904 = false);

/// An amount in pesos as people type it: "1234,56", "1234.56", "1.234,56", "1,234.56", "$ 1500".
/// With both marks the last one is the decimal separator; one mark used once is the decimal
/// separator; a mark used more than once groups thousands. False when it is not such a number or
/// is negative.
bool ImporteDePesos(const QString& texto, double& pesos);

/// Fills e (whose company and parameters the caller set) from the row, field by field in the order
/// of the record. motivo names the column and says why when the result is Error.
ConversionFila ConvertirFila(const FilaImportacion& fila, FuenteFilas::UnidadHaberes unidad, bool base1904, Empleado& e,
                             QString& motivo);
