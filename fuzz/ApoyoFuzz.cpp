// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApoyoFuzz.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

quint64 Entrada::Entero(int bytes)
{
    quint64 valor = 0;
    for (int i = 0; i < bytes; ++i) {
        valor <<= 8;
        if (m_posicion < m_tamano)
            valor |= m_datos[m_posicion++];
    }
    return valor;
}

double Entrada::Doble()
{
    const quint64 bits = Entero(8);
    double valor = 0;
    std::memcpy(&valor, &bits, sizeof valor);
    return valor;
}

QByteArray Entrada::Resto()
{
    const size_t desde = m_posicion < m_tamano ? m_posicion : m_tamano;
    m_posicion = m_tamano;
    return QByteArray(reinterpret_cast<const char*>(m_datos + desde), qsizetype(m_tamano - desde));
}

void Exigir(bool condicion, const QString& motivo)
{
    if (condicion)
        return;
    std::fprintf(stderr, "DISCREPANCIA: %s\n", qPrintable(motivo));
    std::abort();
}

// ASan holds freed memory back (quarantine) so that a use after free is caught. Its default of 256 MB
// makes every run of the file readers touch fresh pages and several times slower; 16 MB still keeps
// what a run frees poisoned well past the run. ASAN_OPTIONS, when set, is read after this.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=16";
}
