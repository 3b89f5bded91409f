// SPDX-License-Identifier: GPL-3.0-or-later
#include "BasePrueba.h"

#include "records/Global.h"
#include "records/Plantilla.h"

#include <QDir>

BasePrueba::BasePrueba()
    : m_bd(std::make_unique<Conexion>())
{
    m_valida = m_carpeta.isValid() && CrearBaseSiFalta(Archivo()) && m_bd->Abrir(Archivo())
        && CargarParametros(*m_bd);
    BaseDatos = m_bd.get();
}

BasePrueba::~BasePrueba()
{
    if (BaseDatos == m_bd.get())
        BaseDatos = nullptr;
    m_bd->Cerrar();
}

QString BasePrueba::Archivo() const
{
    return QDir(m_carpeta.path()).filePath(QStringLiteral("talvo.fys"));
}

qint64 BasePrueba::Contar(const QString& sql)
{
    const QVariant v = m_bd->ValorEscalar(sql);
    return v.isValid() ? v.toLongLong() : -1;
}
