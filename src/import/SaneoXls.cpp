// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaneoXls.h"

#include <QList>
#include <QString>
#include <QtEndian>

namespace {

constexpr quint16 RegistroBof = 0x0809;
constexpr quint16 RegistroEof = 0x000A;
constexpr quint16 RegistroHoja = 0x0085;
constexpr quint16 RegistroTextos = 0x00FC; // SST
constexpr quint16 RegistroContinuacion = 0x003C;
constexpr quint16 RegistroDimensiones = 0x0200;
constexpr quint16 RegistroFormato = 0x041E;
constexpr quint16 RegistroEstilo = 0x00E0; // XF
constexpr quint16 RegistroNumero = 0x0203;
constexpr quint16 RegistroRk = 0x027E;
constexpr quint16 RegistroVariosRk = 0x00BD;
constexpr quint16 RegistroEtiqueta = 0x0204;
constexpr quint16 RegistroEtiquetaTexto = 0x00FD; // LABELSST
constexpr quint16 RegistroBooleano = 0x0205;
constexpr quint16 RegistroCodigoPagina = 0x0042;
constexpr quint16 RegistroModoFecha = 0x0022;

constexpr int LargoMaximoRegistro = 8224; // FreeXL's record buffer, BIFF8's largest record
constexpr int MaximoEstilos = 8192; // FreeXL's XF table
constexpr quint32 MaximoTextos = 1024 * 1024; // FreeXL refuses more shared strings

/// One record's bytes, read with bounds.
struct Registro
{
    const uchar* datos;
    int largo;

    bool Cabe(qint64 desde, qint64 bytes) const { return desde >= 0 && bytes >= 0 && desde + bytes <= largo; }
    quint16 U16(int p) const { return qFromLittleEndian<quint16>(datos + p); }
    quint32 U32(int p) const { return qFromLittleEndian<quint32>(datos + p); }
};

/// The smallest length of the records FreeXL reads at fixed offsets.
int LargoMinimo(quint16 tipo, bool biff8)
{
    switch (tipo) {
    case RegistroBof:
    case RegistroEstilo:
    case RegistroVariosRk:
        return 4;
    case RegistroCodigoPagina:
    case RegistroModoFecha:
        return 2;
    case RegistroHoja:
    case RegistroEtiqueta:
        return 8;
    case RegistroDimensiones:
        return biff8 ? 12 : 8;
    case RegistroNumero:
        return 14;
    case RegistroRk:
    case RegistroEtiquetaTexto:
        return 10;
    case RegistroBooleano:
        return 7;
    case RegistroTextos:
        return 8;
    default:
        return 0;
    }
}

/// A BIFF8 string's header as FreeXL reads it at desde (option flags, then the optional run count
/// and extension size); false when it does not fit in the record.
bool CabeceraTexto(const Registro& r, qint64 desde, qint64& inicio, bool& anchos, quint32& extra)
{
    if (!r.Cabe(desde, 1))
        return false;
    const uchar opciones = r.datos[desde];
    anchos = opciones & 0x01;
    qint64 p = desde + 1;
    quint32 corridas = 0, extension = 0;
    if (opciones & 0x08) {
        if (!r.Cabe(p, 2))
            return false;
        corridas = r.U16(int(p));
        p += 2;
    }
    if (opciones & 0x04) {
        if (!r.Cabe(p, 4))
            return false;
        extension = r.U32(int(p));
        p += 4;
    }
    inicio = p;
    extra = extension + corridas * 4;
    return true;
}

/// A string of caracteres characters (BIFF8 header at desde, or BIFF5 code-page bytes) inside r.
bool TextoDentro(const Registro& r, qint64 desde, quint32 caracteres, bool biff8)
{
    if (caracteres == 0)
        return false; // FreeXL refuses it as a crafted file anyway
    if (!biff8)
        return r.Cabe(desde, caracteres);
    qint64 inicio = 0;
    bool anchos = false;
    quint32 extra = 0;
    return CabeceraTexto(r, desde, inicio, anchos, extra) && r.Cabe(inicio, qint64(caracteres) * (anchos ? 2 : 1));
}

/// The shared strings, read as FreeXL reads them across the SST record and its continuations.
class TablaTextos
{
public:
    bool Empezar(const Registro& r)
    {
        if (m_empezada)
            return false; // FreeXL would take a second table for a continuation
        m_empezada = true;
        m_cantidad = r.U32(4);
        if (m_cantidad > MaximoTextos)
            return false;
        return Cadenas(r, 8);
    }

    bool Continuar(const Registro& r)
    {
        qint64 p = 0;
        if (m_pendientes > 0) {
            // The rest of a string cut at the end of the previous record, after a new flags byte.
            if (!r.Cabe(0, 1))
                return false;
            const bool anchos = r.datos[0] & 0x01;
            if (!r.Cabe(1, qint64(m_pendientes) * (anchos ? 2 : 1)))
                return false; // a string over three records: FreeXL copies it without looking
            p = 1 + qint64(m_pendientes) * (anchos ? 2 : 1) + m_extraPendiente;
            m_pendientes = 0;
            m_saltar = 0; // FreeXL forgets what runs past this record
            ++m_indice;
        }
        return Cadenas(r, p);
    }

private:
    bool Cadenas(const Registro& r, qint64 p)
    {
        for (; m_indice < m_cantidad; ++m_indice) {
            if (p >= r.largo)
                return true;
            p += m_saltar;
            if (!r.Cabe(p, 2))
                return false;
            const quint32 caracteres = r.U16(int(p));
            qint64 inicio = 0;
            bool anchos = false;
            quint32 extra = 0;
            if (!CabeceraTexto(r, p + 2, inicio, anchos, extra))
                return false;
            const qint64 requeridos = qint64(caracteres) * (anchos ? 2 : 1);
            const qint64 disponibles = r.largo - inicio;
            if (requeridos > disponibles) {
                // Cut here; it goes on in the next record. A wide character is never split.
                if (anchos && disponibles % 2 != 0)
                    return false;
                m_pendientes = caracteres - quint32(anchos ? disponibles / 2 : disponibles);
                m_extraPendiente = extra;
                m_saltar = 0;
                return true;
            }
            if (caracteres == 0)
                return false;
            p = inicio + requeridos + extra;
            m_saltar = p >= r.largo ? p - r.largo : 0;
        }
        return true;
    }

    bool m_empezada = false;
    quint32 m_cantidad = 0;
    quint32 m_indice = 0;
    quint32 m_pendientes = 0; // characters of a cut string still to come
    quint32 m_extraPendiente = 0;
    qint64 m_saltar = 0; // formatting bytes of the last string that run into the next record
};

} // namespace

bool FlujoXlsSano(const QByteArray& flujo)
{
    const auto* bytes = reinterpret_cast<const uchar*>(flujo.constData());
    if (flujo.size() < 8 || qFromLittleEndian<quint16>(bytes) != RegistroBof)
        return false;
    const quint16 version = qFromLittleEndian<quint16>(bytes + 4);
    if (version != 0x0500 && version != 0x0600)
        return false;
    const bool biff8 = version == 0x0600;
    TablaTextos textos;
    quint16 anterior = 0; // the last record that was not a continuation
    int estilos = 0;
    // FreeXL gives each listed sheet the cells after the BOF found at the sheet's listed position, up
    // to the next EOF, and sizes that sheet's table on its DIMENSIONS record. A listed sheet without
    // exactly one makes it size another sheet's table again, losing that one's cells.
    QList<qint64> posiciones;
    QList<int> dimensiones;
    int activa = -1;
    bool enSubflujo = false;
    for (qint64 p = 0; p + 4 <= flujo.size();) {
        const quint16 tipo = qFromLittleEndian<quint16>(bytes + p);
        const quint16 largo = qFromLittleEndian<quint16>(bytes + p + 2);
        if (tipo == 0 && largo == 0)
            break; // FreeXL takes it for the end of the stream
        if (largo > LargoMaximoRegistro || p + 4 + largo > flujo.size())
            return false;
        const Registro r{bytes + p + 4, largo};
        if (largo < LargoMinimo(tipo, biff8))
            return false;
        bool bien = true;
        switch (tipo) {
        case RegistroBof:
            if (!enSubflujo)
                activa = int(posiciones.indexOf(p));
            enSubflujo = true; // a nested BOF (an embedded chart) changes nothing for FreeXL
            break;
        case RegistroEof:
            enSubflujo = false;
            break;
        case RegistroContinuacion:
            bien = anterior != RegistroTextos || textos.Continuar(r);
            break;
        case RegistroTextos:
            bien = biff8 && textos.Empezar(r);
            break;
        case RegistroHoja:
            posiciones << r.U32(0);
            dimensiones << 0;
            // The name: a length byte, then code-page bytes (BIFF5) or a flags byte and characters.
            bien = r.datos[6] > 0
                && (biff8 ? r.Cabe(8, qint64(r.datos[6]) * (r.datos[7] != 0 ? 2 : 1)) : r.Cabe(7, r.datos[6]));
            break;
        case RegistroFormato:
            bien = biff8 ? r.Cabe(0, 4) && TextoDentro(r, 4, r.U16(2), true)
                         : r.Cabe(0, 4) && r.datos[3] > 0 && r.Cabe(3, r.datos[3]);
            break;
        case RegistroEtiqueta:
            bien = r.U16(2) < 256 && TextoDentro(r, 8, r.U16(6), biff8);
            break;
        case RegistroEstilo:
            bien = ++estilos <= MaximoEstilos;
            break;
        case RegistroNumero:
        case RegistroRk:
        case RegistroEtiquetaTexto:
        case RegistroBooleano:
            bien = r.U16(2) < 256; // a sheet has 256 columns; FreeXL sizes its table by the largest
            break;
        case RegistroVariosRk:
            bien = r.U16(2) + (largo - 6) / 6 <= 256;
            break;
        case RegistroDimensiones: {
            // One per sheet, and no larger than a sheet of its version can be.
            const quint32 filas = biff8 ? r.U32(4) : r.U16(2);
            const quint32 columnas = biff8 ? r.U16(10) : r.U16(6);
            bien = (activa < 0 || ++dimensiones[activa] == 1) && filas <= (biff8 ? 65536U : 16384U)
                && columnas <= 256;
            break;
        }
        default:
            break;
        }
        if (!bien || (!enSubflujo && tipo != RegistroEof))
            return false; // between substreams FreeXL accepts only a BOF
        if (tipo != RegistroContinuacion)
            anterior = tipo;
        p += 4 + largo;
    }
    return !dimensiones.isEmpty() && !dimensiones.contains(0);
}

QByteArray ContenedorXls(const QByteArray& flujo)
{
    constexpr int Sector = 4096;
    constexpr quint32 Libre = 0xFFFFFFFF;
    constexpr quint32 FinCadena = 0xFFFFFFFE;
    constexpr quint32 SectorTabla = 0xFFFFFFFD;
    // A stream under 4096 bytes belongs in the mini stream; padded with zero bytes (a zero record ends
    // the stream for FreeXL) it can live in ordinary sectors like any other.
    const quint32 tamano = quint32(qMax<qsizetype>(flujo.size(), Sector));
    const quint32 sectoresFlujo = (tamano + Sector - 1) / Sector;
    // Sectors: the allocation table first, then the directory, then the stream.
    quint32 sectoresTabla = 1;
    while (sectoresTabla * (Sector / 4) < sectoresTabla + 1 + sectoresFlujo)
        ++sectoresTabla;
    const quint32 directorio = sectoresTabla;
    const quint32 primero = directorio + 1;

    QByteArray archivo(qsizetype(primero + sectoresFlujo + 1) * Sector, '\0');
    auto u16 = [&](qint64 posicion, quint16 v) { qToLittleEndian(v, archivo.data() + posicion); };
    auto u32 = [&](qint64 posicion, quint32 v) { qToLittleEndian(v, archivo.data() + posicion); };
    archivo.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    u16(0x18, 0x003E);
    u16(0x1A, 4); // version 4: 4096-byte sectors
    u16(0x1C, 0xFFFE);
    u16(0x1E, 12);
    u16(0x20, 6);
    u32(0x28, 1); // directory sectors
    u32(0x2C, sectoresTabla);
    u32(0x30, directorio);
    u32(0x38, 4096);
    u32(0x3C, FinCadena); // no mini stream
    u32(0x40, 0);
    u32(0x44, FinCadena); // no extension of the table list
    u32(0x48, 0);
    for (quint32 i = 0; i < 109; ++i)
        u32(0x4C + 4 * i, i < sectoresTabla ? i : Libre);

    const qint64 tabla = Sector; // sector 0 starts after the header's sector
    for (quint32 s = 0; s < sectoresTabla * (Sector / 4); ++s) {
        quint32 v = Libre;
        if (s < sectoresTabla)
            v = SectorTabla;
        else if (s == directorio)
            v = FinCadena;
        else if (s >= primero && s < primero + sectoresFlujo)
            v = s + 1 < primero + sectoresFlujo ? s + 1 : FinCadena;
        u32(tabla + 4 * qint64(s), v);
    }

    auto entrada = [&](int indice, const QString& nombre, quint8 tipo, quint32 hijo, quint32 inicio, quint32 bytes) {
        const qint64 base = qint64(directorio + 1) * Sector + 128 * indice;
        for (int i = 0; i < nombre.size(); ++i)
            u16(base + 2 * i, nombre.at(i).unicode());
        if (!nombre.isEmpty())
            u16(base + 64, quint16((nombre.size() + 1) * 2));
        archivo[base + 66] = char(tipo);
        archivo[base + 67] = char(tipo ? 1 : 0); // black
        u32(base + 68, Libre);
        u32(base + 72, Libre);
        u32(base + 76, hijo);
        u32(base + 116, inicio);
        u32(base + 120, bytes);
    };
    entrada(0, QStringLiteral("Root Entry"), 5, 1, FinCadena, 0);
    entrada(1, QStringLiteral("Workbook"), 2, Libre, primero, tamano);
    for (int i = 2; i < Sector / 128; ++i)
        entrada(i, QString(), 0, Libre, 0, 0); // unused
    archivo.replace(qint64(primero + 1) * Sector, flujo.size(), flujo);
    return archivo;
}
