// SPDX-License-Identifier: GPL-3.0-or-later
#include "EstructuraXls.h"

#include <QtEndian>

namespace {
constexpr quint16 RegistroBof = 0x0809;
constexpr quint16 RegistroEof = 0x000A;
constexpr quint16 RegistroHoja = 0x0085; // BOUNDSHEET: sheet position, state, type and name
constexpr quint16 RegistroVentana = 0x003D; // WINDOW1: the active tab
constexpr quint16 RegistroFormula = 0x0006;
constexpr quint16 RegistroCombinadas = 0x00E5; // MERGEDCELLS

quint16 U16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}
} // namespace

bool EstructuraXls::Leer(const QByteArray& flujo)
{
    m_flujo = flujo;
    m_hojas.clear();
    m_posiciones.clear();
    m_activa = 0;
    if (m_flujo.size() < 8 || U16(m_flujo.constData()) != RegistroBof)
        return false;
    m_biff8 = U16(m_flujo.constData() + 4) == 0x0600;
    qint64 p = 0;
    while (p + 4 <= m_flujo.size()) {
        const quint16 tipo = U16(m_flujo.constData() + p);
        const quint16 largo = U16(m_flujo.constData() + p + 2);
        const char* datos = m_flujo.constData() + p + 4;
        if (p + 4 + largo > m_flujo.size())
            return false;
        if (tipo == RegistroEof)
            return !m_hojas.isEmpty();
        if (tipo == RegistroVentana && largo >= 12) {
            m_activa = U16(datos + 10);
        } else if (tipo == RegistroHoja && largo >= 8) {
            const quint32 posicion = qFromLittleEndian<quint32>(datos);
            const int caracteres = uchar(datos[6]);
            QString nombre;
            if (m_biff8) {
                const bool anchos = (uchar(datos[7]) & 1) != 0;
                if (8 + caracteres * (anchos ? 2 : 1) <= largo)
                    nombre = anchos ? QString::fromUtf16(reinterpret_cast<const char16_t*>(datos + 8), caracteres)
                                    : QString::fromLatin1(datos + 8, caracteres);
            } else if (7 + caracteres <= largo) {
                nombre = QString::fromLatin1(datos + 7, caracteres);
            }
            m_hojas << nombre;
            m_posiciones << posicion;
        }
        p += 4 + largo;
    }
    return false;
}

bool EstructuraXls::LeerHoja(int hoja)
{
    m_formulas.clear();
    m_combinadas.clear();
    if (hoja < 0 || hoja >= m_posiciones.size())
        return false;
    qint64 p = m_posiciones.at(hoja);
    if (p + 4 > m_flujo.size() || U16(m_flujo.constData() + p) != RegistroBof)
        return false;
    // Substreams of embedded charts nest their own BOF/EOF pairs.
    int nivel = 0;
    while (p + 4 <= m_flujo.size()) {
        const quint16 tipo = U16(m_flujo.constData() + p);
        const quint16 largo = U16(m_flujo.constData() + p + 2);
        const char* datos = m_flujo.constData() + p + 4;
        if (p + 4 + largo > m_flujo.size())
            return false;
        if (tipo == RegistroBof) {
            ++nivel;
        } else if (tipo == RegistroEof) {
            if (--nivel == 0)
                return true;
        } else if (nivel == 1 && tipo == RegistroFormula && largo >= 4) {
            m_formulas.insert(Clave(U16(datos), U16(datos + 2)));
        } else if (nivel == 1 && tipo == RegistroCombinadas && largo >= 2) {
            const int cantidad = U16(datos);
            for (int i = 0; i < cantidad && 2 + 8 * (i + 1) <= largo; ++i) {
                const char* r = datos + 2 + 8 * i;
                const int fila1 = U16(r), fila2 = U16(r + 2), col1 = U16(r + 4), col2 = U16(r + 6);
                m_combinadas << QRect(QPoint(col1, fila1), QPoint(col2, fila2));
            }
        }
        p += 4 + largo;
    }
    return false;
}

QRect EstructuraXls::Combinada(int fila, int columna) const
{
    for (const QRect& r : m_combinadas)
        if (r.contains(columna, fila))
            return r;
    return QRect();
}
