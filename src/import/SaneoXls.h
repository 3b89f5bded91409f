// SPDX-License-Identifier: GPL-3.0-or-later
// What stands between a user's .xls file and FreeXL, which decodes cell values well but trusts every
// length and count a file gives: a damaged or crafted file makes it read past its buffers, loop or
// allocate without bound. FreeXL is therefore never handed the user's file. The workbook stream is
// taken out by ArchivoCompuesto, checked here record by record for what FreeXL reads, and written
// into a plain compound file of our own making that FreeXL then opens.
#pragma once

#include <QByteArray>

/// True when every record FreeXL decodes with lengths taken from the file (sheet names, formats,
/// labels, the shared strings and their continuations, dimensions, formats and cell records) keeps
/// those lengths inside the record, and the counts stay within FreeXL's tables. The stream must
/// start with a BIFF5 or BIFF8 BOF record.
bool FlujoXlsSano(const QByteArray& flujo);

/// A compound file holding flujo as its only stream, "Workbook", in 4096-byte sectors with no mini
/// stream (a shorter stream is padded with zero bytes to 4096): the layout FreeXL reads without
/// surprises, and a valid .xls file.
QByteArray ContenedorXls(const QByteArray& flujo);
