// SPDX-License-Identifier: GPL-3.0-or-later
// What the slip screens ask of storage beyond saving the slip: which stored declaration a
// declaration number stands for, taking an employee off the company and the slip, and the
// three-month limit of the ordinary slips.
#pragma once

#include <QDate>
#include <QString>

class Conexion;
class Liquidacion;

/// The stored slip of liq's company and period with declaration number ordinal and of the same
/// kind (ordinary or extraordinary): its id, 0 when there is none, -1 when the query fails.
/// Ordinary and extraordinary slips share the numbers of a period; a number held by a slip of the
/// other kind is not this kind's, so choosing it never overwrites that slip.
qint64 IdDeclaracionGuardada(Conexion& bd, const Liquidacion& liq, int ordinal);

/// Deletes the stored employee idEmpleado of the company and takes the employee with that CUIL out
/// of the slip's list and of its company's list. False, with nothing changed and the reason in
/// bd.UltimoError(), when the driver refuses or the employee is not stored.
bool QuitarEmpleado(Conexion& bd, Liquidacion& liq, qint64 idEmpleado, const QString& cuil);

/// Months from the slip's period to the month of hoy (negative for a future period).
int MesesAtras(const Liquidacion& liq, const QDate& hoy);
/// Ordinary slips may be saved and printed for at most three months back.
inline constexpr int MesesAtrasPermitidos = 3;
