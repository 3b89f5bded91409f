// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchivoCompuesto.h"

#include <QStringList>
#include <QtEndian>

namespace {
constexpr quint32 FinCadena = 0xFFFFFFFE;
constexpr quint32 SectorLibre = 0xFFFFFFFF;
constexpr quint32 NingunSector = 0xFFFFFFFF;
constexpr int LargoEntrada = 128;
} // namespace

ArchivoCompuesto::ArchivoCompuesto(QByteArray datos)
    : m_datos(std::move(datos))
{
    static const char firma[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    if (m_datos.size() < 512 || !m_datos.startsWith(QByteArray(firma, 8)))
        return;
    const int desplazamiento = Entero16(0x1E);
    const int desplazamientoMini = Entero16(0x20);
    if ((desplazamiento != 9 && desplazamiento != 12) || desplazamientoMini != 6)
        return;
    m_sector = 1 << desplazamiento;
    m_miniSector = 1 << desplazamientoMini;
    m_corteMini = Entero32(0x38);
    const quint32 sectoresFat = Entero32(0x2C);
    const qint64 totalSectores = m_datos.size() / m_sector;
    if (sectoresFat > quint32(totalSectores))
        return;

    // The allocation table's own sectors: 109 listed in the header, the rest in a chain of
    // extension sectors, each ending with the number of the next one.
    QList<quint32> sectoresTabla;
    for (int i = 0; i < 109 && quint32(sectoresTabla.size()) < sectoresFat; ++i)
        sectoresTabla << Entero32(0x4C + 4 * i);
    quint32 extension = Entero32(0x44);
    for (qint64 pasos = 0; quint32(sectoresTabla.size()) < sectoresFat; ++pasos) {
        if (extension >= quint32(totalSectores) || pasos > totalSectores)
            return;
        const qint64 base = qint64(extension + 1) * m_sector;
        const int porSector = m_sector / 4 - 1;
        for (int i = 0; i < porSector && quint32(sectoresTabla.size()) < sectoresFat; ++i)
            sectoresTabla << Entero32(base + 4 * i);
        extension = Entero32(base + 4 * porSector);
    }
    for (quint32 s : sectoresTabla) {
        if (s >= quint32(totalSectores))
            return;
        const qint64 base = qint64(s + 1) * m_sector;
        for (int i = 0; i < m_sector / 4; ++i)
            m_fat << Entero32(base + 4 * i);
    }
    if (!Cadena(m_fat, Entero32(0x30), m_datos, m_sector, m_sector, m_directorio) || m_directorio.size() < LargoEntrada)
        return;
    // The mini stream (small streams) is the root entry's stream; its table is a chain of its own.
    QByteArray miniFat;
    const quint32 inicioMiniFat = Entero32(0x3C);
    if (inicioMiniFat != FinCadena && inicioMiniFat != SectorLibre) {
        if (!Cadena(m_fat, inicioMiniFat, m_datos, m_sector, m_sector, miniFat))
            return;
        for (int i = 0; i + 4 <= miniFat.size(); i += 4)
            m_miniFat << qFromLittleEndian<quint32>(miniFat.constData() + i);
        const quint32 inicioRaiz = qFromLittleEndian<quint32>(m_directorio.constData() + 116);
        if (!Cadena(m_fat, inicioRaiz, m_datos, m_sector, m_sector, m_miniFlujo))
            return;
    }
    m_valido = true;
}

quint32 ArchivoCompuesto::Entero32(qint64 posicion) const
{
    if (posicion < 0 || posicion + 4 > m_datos.size())
        return NingunSector;
    return qFromLittleEndian<quint32>(m_datos.constData() + posicion);
}

quint16 ArchivoCompuesto::Entero16(qint64 posicion) const
{
    if (posicion < 0 || posicion + 2 > m_datos.size())
        return 0;
    return qFromLittleEndian<quint16>(m_datos.constData() + posicion);
}

bool ArchivoCompuesto::Cadena(const QList<quint32>& fat, quint32 inicio, const QByteArray& origen, int tamanoSector,
                              qint64 desplazamiento, QByteArray& salida) const
{
    salida.clear();
    quint32 s = inicio;
    // A chain never has more links than the table has entries: a loop means a damaged file.
    for (qint64 pasos = 0; s != FinCadena; ++pasos) {
        if (s >= quint32(fat.size()) || pasos > fat.size())
            return false;
        const qint64 base = desplazamiento + qint64(s) * tamanoSector;
        if (base + tamanoSector > origen.size())
            return false;
        salida.append(origen.constData() + base, tamanoSector);
        s = fat.at(s);
    }
    return true;
}

bool ArchivoCompuesto::Flujo(const QStringList& nombres, QByteArray& flujo) const
{
    if (!m_valido)
        return false;
    for (int e = 0; e + LargoEntrada <= m_directorio.size(); e += LargoEntrada) {
        const char* entrada = m_directorio.constData() + e;
        const int largoNombre = qFromLittleEndian<quint16>(entrada + 64);
        const int tipo = uchar(entrada[66]);
        if (tipo != 2 || largoNombre < 2 || largoNombre > 64)
            continue;
        const QString nombre = QString::fromUtf16(reinterpret_cast<const char16_t*>(entrada), largoNombre / 2 - 1);
        if (!nombres.contains(nombre, Qt::CaseInsensitive))
            continue;
        const quint32 inicio = qFromLittleEndian<quint32>(entrada + 116);
        const quint32 tamano = qFromLittleEndian<quint32>(entrada + 120);
        const bool enMini = tamano < m_corteMini;
        const bool ok = enMini ? Cadena(m_miniFat, inicio, m_miniFlujo, m_miniSector, 0, flujo)
                               : Cadena(m_fat, inicio, m_datos, m_sector, m_sector, flujo);
        if (!ok || quint32(flujo.size()) < tamano)
            return false;
        flujo.truncate(int(tamano));
        return true;
    }
    return false;
}
