// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a company's CUIT is already stored for another company.
#pragma once

#include <QString>

class Conexion;

/// Stored companies with this CUIT, leaving out the company idPropio (0 for one not yet stored).
/// -1 when the count could not be read (the connection's UltimoError says why).
qint64 EmpresasConCuit(Conexion& bd, const QString& cuit, qint64 idPropio);
