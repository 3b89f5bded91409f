// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <memory>

class Consulta;

/// The open database file: runs the SQL text the records build. Every connection has foreign keys on.
/// Statements may use the date literal #m-d-yyyy#; it is turned into the stored text date yyyy-mm-dd.
/// Failures are reported by result; the driver's text of the last failure stays in UltimoError().
class Conexion
{
public:
    Conexion();
    ~Conexion();
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    /// Opens an existing file read-write. False (with UltimoError) when it is missing or not usable.
    bool Abrir(const QString& archivo);
    void Cerrar();
    bool EstaAbierta() const;
    QString Archivo() const { return m_archivo; }

    /// Opens a forward result set; check Consulta::Valida() before reading.
    Consulta AbrirConsulta(const QString& sql);
    /// Runs an insert, update or delete.
    bool Ejecutar(const QString& sql);
    /// First column of the first row of a query (invalid QVariant when it fails or is empty).
    QVariant ValorEscalar(const QString& sql);
    /// The automatic id assigned by the last successful insert.
    qint64 UltimoId() const { return m_ultimoId; }
    /// Rows changed by the last successful Ejecutar.
    int FilasAfectadas() const { return m_filasAfectadas; }

    bool IniciarTransaccion();
    bool Confirmar();
    bool Deshacer();

    QString UltimoError() const { return m_ultimoError; }
    QString UltimaSentencia() const { return m_ultimaSentencia; }
    /// Native SQLite code of the last failure ("787" foreign key, "2067" unique, "275" check).
    QString UltimoCodigoError() const { return m_ultimoCodigo; }

    QSqlDatabase Base() const;

    /// Rewrites #m-d-yyyy# literals found outside quoted text as 'yyyy-mm-dd'.
    static QString TraducirSQL(const QString& sql);

    /// Records why an operation failed, for a failure the driver does not see (a row that is gone).
    void AnotarError(const QString& sql, const QString& texto, const QString& codigo = QString());

private:

    QString m_nombre;
    QString m_archivo;
    QString m_ultimoError;
    QString m_ultimaSentencia;
    QString m_ultimoCodigo;
    qint64 m_ultimoId = 0;
    int m_filasAfectadas = 0;
};
