// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conexion.h"

#include "Consulta.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt contador;

QString FechaIso(const QString& literal)
{
    // literal is m-d-yyyy
    const QStringList partes = literal.split(QLatin1Char('-'));
    if (partes.size() != 3)
        return QString();
    bool okM = false, okD = false, okA = false;
    const int mes = partes[0].trimmed().toInt(&okM);
    const int dia = partes[1].trimmed().toInt(&okD);
    const int anio = partes[2].trimmed().toInt(&okA);
    const QDate fecha(anio, mes, dia);
    if (!okM || !okD || !okA || !fecha.isValid())
        return QString();
    return fecha.toString(QStringLiteral("yyyy-MM-dd"));
}
} // namespace

Conexion::Conexion()
    : m_nombre(QStringLiteral("talvo_%1").arg(contador.fetchAndAddRelaxed(1)))
{
}

Conexion::~Conexion()
{
    Cerrar();
}

QSqlDatabase Conexion::Base() const
{
    return QSqlDatabase::database(m_nombre, false);
}

bool Conexion::Abrir(const QString& archivo)
{
    Cerrar();
    m_ultimoError.clear();
    m_ultimoCodigo.clear();
    if (!QFileInfo::exists(archivo)) {
        AnotarError(QString(), QStringLiteral("No existe el archivo %1").arg(archivo), QString());
        return false;
    }
    {
        QSqlDatabase bd = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nombre);
        bd.setDatabaseName(archivo);
        if (!bd.open()) {
            AnotarError(QString(), bd.lastError().text(), bd.lastError().nativeErrorCode());
            bd = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_nombre);
            return false;
        }
    }
    m_archivo = archivo;
    // Checked per connection; also proves the file is a database at all.
    QSqlQuery q(Base());
    if (!q.exec(QStringLiteral("PRAGMA foreign_keys = ON")) || !q.exec(QStringLiteral("PRAGMA schema_version"))) {
        AnotarError(QString(), q.lastError().text(), q.lastError().nativeErrorCode());
        q = QSqlQuery();
        Cerrar();
        return false;
    }
    return true;
}

void Conexion::Cerrar()
{
    if (QSqlDatabase::contains(m_nombre)) {
        {
            QSqlDatabase bd = QSqlDatabase::database(m_nombre, false);
            bd.close();
        }
        QSqlDatabase::removeDatabase(m_nombre);
    }
    m_archivo.clear();
}

bool Conexion::EstaAbierta() const
{
    return QSqlDatabase::contains(m_nombre) && Base().isOpen();
}

void Conexion::AnotarError(const QString& sql, const QString& texto, const QString& codigo)
{
    m_ultimaSentencia = sql;
    m_ultimoError = texto;
    m_ultimoCodigo = codigo;
}

Consulta Conexion::AbrirConsulta(const QString& sql)
{
    if (!EstaAbierta()) {
        AnotarError(sql, QStringLiteral("La base de datos no está abierta."), QString());
        return Consulta();
    }
    QSqlQuery q(Base());
    q.setForwardOnly(true);
    if (!q.exec(TraducirSQL(sql))) {
        AnotarError(sql, q.lastError().text(), q.lastError().nativeErrorCode());
        return Consulta();
    }
    return Consulta(std::move(q), true);
}

bool Conexion::Ejecutar(const QString& sql)
{
    if (!EstaAbierta()) {
        AnotarError(sql, QStringLiteral("La base de datos no está abierta."), QString());
        return false;
    }
    QSqlQuery q(Base());
    if (!q.exec(TraducirSQL(sql))) {
        AnotarError(sql, q.lastError().text(), q.lastError().nativeErrorCode());
        return false;
    }
    m_filasAfectadas = q.numRowsAffected();
    const QVariant id = q.lastInsertId();
    if (id.isValid())
        m_ultimoId = id.toLongLong();
    return true;
}

QVariant Conexion::ValorEscalar(const QString& sql)
{
    Consulta c = AbrirConsulta(sql);
    if (!c.Valida() || c.Fin())
        return QVariant();
    const QVariant v = c.Campo(0);
    c.Cerrar();
    return v;
}

bool Conexion::IniciarTransaccion()
{
    if (!EstaAbierta())
        return false;
    QSqlDatabase bd = Base();
    if (!bd.transaction()) {
        AnotarError(QStringLiteral("BEGIN"), bd.lastError().text(), bd.lastError().nativeErrorCode());
        return false;
    }
    return true;
}

bool Conexion::Confirmar()
{
    QSqlDatabase bd = Base();
    if (!bd.commit()) {
        AnotarError(QStringLiteral("COMMIT"), bd.lastError().text(), bd.lastError().nativeErrorCode());
        return false;
    }
    return true;
}

bool Conexion::Deshacer()
{
    QSqlDatabase bd = Base();
    return bd.rollback();
}

QString Conexion::TraducirSQL(const QString& sql)
{
    if (!sql.contains(QLatin1Char('#')))
        return sql;
    QString salida;
    salida.reserve(sql.size());
    bool entreComillas = false;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'')) {
            entreComillas = !entreComillas; // a doubled '' toggles twice
        } else if (c == QLatin1Char('#') && !entreComillas) {
            const int cierre = sql.indexOf(QLatin1Char('#'), i + 1);
            if (cierre > i) {
                const QString iso = FechaIso(sql.mid(i + 1, cierre - i - 1));
                if (!iso.isEmpty()) {
                    salida += QLatin1Char('\'') + iso + QLatin1Char('\'');
                    i = cierre;
                    continue;
                }
            }
        }
        salida += c;
    }
    return salida;
}
