// SPDX-License-Identifier: GPL-3.0-or-later
// Captions of the slip's form layer on the lines where the data layer prints values. The form
// layer draws them from here; the data layer takes from here where a value's room ends (the next
// caption) and, by measuring them, where a figure giving way to the left must stop.
#pragma once

/// A caption at its place on the upper copy (the lower copy adds its offset), in its own type.
struct Rotulo
{
    double x;
    double y;
    double puntos;
    bool negrita;
    /// UTF-8, trailing blanks included: the values start after them.
    const char* texto;
};

namespace Rotulos {
constexpr Rotulo Cuit{6, 38, 8, true, "CUIT:  "};
constexpr Rotulo RazonSocial{44, 38, 8, true, "RAZÓN SOCIAL:  "};
constexpr Rotulo Periodo{144, 38, 8, true, "PERÍODO: "};
constexpr Rotulo Direccion{6, 42, 8, true, "DIRECCION : "};
constexpr Rotulo TotalEmpleados{6, 46, 8, true, "TOTAL EMPLEADOS:  "};
constexpr Rotulo RemunEmpleados{44, 46, 8, true, "REMUN.EMPLEADOS:  $ "};
constexpr Rotulo TotalAfiliados{110, 46, 8, true, "TOTAL AFILIADOS:  "};
constexpr Rotulo RemunAfiliados{144, 46, 8, true, "REMUN.AFILIADOS:  $ "};
constexpr Rotulo FondoSocial{6, 53, 10, false, " Aporte Art.100 C.C.T. 130/75 Fondo Social"};
constexpr Rotulo CuotaSindical{6, 62, 10, false, " Aporte Art.101 C.C.T. 130/75 Cuota Sindical"};
constexpr Rotulo Recargo{6, 72, 10, false, " Recargo"};
constexpr Rotulo NroActa{6, 82, 10, false, " Nro.Acta "};
constexpr Rotulo Cuota{127, 82, 10, false, " Cuota "};
constexpr Rotulo MontoTotal{92, 92, 12, true, "Monto Total a Depositar"};
} // namespace Rotulos

/// Right rule of every box of a copy, in millimetres.
constexpr double ReglaDerecha = 194;
/// Left edge of the copy numeral ("1" / "2") beside the payment code's digits, in millimetres.
constexpr double XNumeralCopia = 150;
