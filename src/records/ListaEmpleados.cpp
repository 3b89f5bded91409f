// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListaEmpleados.h"

#include "PeriodoLiquidacion.h"

namespace {
template <typename F>
double Sumar(const ListaEmpleados& lista, F importe)
{
    double total = 0;
    for (const auto& e : lista)
        total += importe(*e);
    return total;
}
} // namespace

double ListaEmpleados::TotalAPagar() const
{
    return Sumar(*this, [](const Empleado& e) { return e.TotalAPagar(); });
}

double ListaEmpleados::Aporte2() const
{
    return Sumar(*this, [](const Empleado& e) { return e.Aporte2(); });
}

double ListaEmpleados::Aporte2L(const PeriodoLiquidacion& liq) const
{
    return Sumar(*this, [&liq](const Empleado& e) { return e.Aporte2L(liq); });
}

double ListaEmpleados::FCM() const
{
    return Sumar(*this, [](const Empleado& e) { return e.FCM(); });
}

double ListaEmpleados::FCML(const PeriodoLiquidacion& liq) const
{
    return Sumar(*this, [&liq](const Empleado& e) { return e.FCML(liq); });
}

double ListaEmpleados::CuotaSindical() const
{
    return Sumar(*this, [](const Empleado& e) { return e.CuotaSindical(); });
}

double ListaEmpleados::CuotaSindicalL(const PeriodoLiquidacion& liq) const
{
    return Sumar(*this, [&liq](const Empleado& e) { return e.CuotaSindicalL(liq); });
}
