// SPDX-License-Identifier: GPL-3.0-or-later
#include "Consulta.h"

#include "Global.h"

#include <QSqlRecord>

Consulta::Consulta(QSqlQuery consulta, bool valida)
    : m_consulta(std::move(consulta))
    , m_valida(valida)
{
    if (m_valida)
        m_registro = m_consulta.record();
    m_fin = !m_valida || !m_consulta.next();
}

void Consulta::Siguiente()
{
    if (!m_fin)
        m_fin = !m_consulta.next();
}

void Consulta::Cerrar()
{
    m_consulta.finish();
    m_fin = true;
}

QVariant Consulta::Campo(const QString& nombre) const
{
    if (m_fin)
        return QVariant();
    // Column names are matched without regard to case, as the statements write them in lower case.
    const int i = m_registro.indexOf(nombre);
    return i < 0 ? QVariant() : m_consulta.value(i);
}

QVariant Consulta::Campo(int posicion) const
{
    return m_fin ? QVariant() : m_consulta.value(posicion);
}

QString Consulta::Texto(const QString& nombre) const
{
    const QVariant v = Campo(nombre);
    return v.isNull() ? QString() : v.toString();
}

qint64 Consulta::Entero(const QString& nombre) const
{
    return Campo(nombre).toLongLong();
}

double Consulta::Doble(const QString& nombre) const
{
    return Campo(nombre).toDouble();
}

bool Consulta::Booleano(const QString& nombre) const
{
    return Campo(nombre).toLongLong() != 0;
}

QDate Consulta::Fecha(const QString& nombre) const
{
    return FechaDeTexto(Texto(nombre));
}

QString Consulta::Texto(int posicion) const
{
    const QVariant v = Campo(posicion);
    return v.isNull() ? QString() : v.toString();
}

qint64 Consulta::Entero(int posicion) const
{
    return Campo(posicion).toLongLong();
}

double Consulta::Doble(int posicion) const
{
    return Campo(posicion).toDouble();
}

bool Consulta::Booleano(int posicion) const
{
    return Campo(posicion).toLongLong() != 0;
}

QDate Consulta::Fecha(int posicion) const
{
    return FechaDeTexto(Texto(posicion));
}
