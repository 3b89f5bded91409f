// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: reading typed values off the input bytes, and stopping the run with a
// message when the code under test disagrees with itself.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <type_traits>

/// Reads fixed-size values from the front of the input; past its end everything reads as zero.
class Entrada
{
public:
    Entrada(const uint8_t* datos, size_t tamano) : m_datos(datos), m_tamano(tamano) {}
    quint64 Entero(int bytes);
    double Doble();
    /// The rest of the input.
    QByteArray Resto();

private:
    const uint8_t* m_datos;
    size_t m_tamano;
    size_t m_posicion = 0;
};

/// Stops the fuzzer with the reason when the condition does not hold (a mismatch is a finding).
void Exigir(bool condicion, const QString& motivo);

/// The same, with the reason built only when the condition fails: describing what was read may cost
/// more than the run itself.
template <typename Motivo, typename = std::enable_if_t<std::is_invocable_r_v<QString, Motivo>>>
void Exigir(bool condicion, Motivo&& motivo)
{
    if (!condicion)
        Exigir(false, motivo());
}
