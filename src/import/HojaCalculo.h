// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the spreadsheet readers: cell references and the common messages.
#pragma once

#include <QString>

/// "A1" style reference of a cell; fila and columna are 1-based.
QString ReferenciaCelda(int fila, int columna);
/// Reads an "AB12" reference (1-based); the row part may be missing (fila then 0). False when the
/// text is not a reference.
bool LeerReferencia(const QString& referencia, int& fila, int& columna);
/// Reason of a row that has merged cells in the columns the import reads.
QString MotivoCombinadas(const QString& rango);
/// Reason of a formula cell whose result the file does not carry.
QString MotivoFormula(const QString& celda);
/// Files larger than this are refused before they are read.
constexpr qint64 TamanoMaximoHoja = 20 * 1024 * 1024;
QString MotivoTamano(qint64 bytes);
