// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

class Conexion;
class Consulta;
class Empresa;
class PeriodoLiquidacion;

/// One employee of a company and the three monthly amounts owed on it: the 2 % contribution,
/// the social fund (FCM) and the union dues. Amounts are full doubles in pesos, never rounded here.
class Empleado
{
public:
    /// A new employee: today as entry date, no termination, and the current shared parameters.
    Empleado();
    /// A stored employee read from the current row of a query that gives the columns of "empleados"
    /// and the category's "descripcion" (null when the code has no category), with the current
    /// shared parameters: a whole company is read in one query.
    explicit Empleado(const Consulta& fila);

    // Leave codes (Licencia) 0..6 and their texts.
    static QString TextoLicencia(int codigo);
    static QString TextoCortoLicencia(int codigo);
    static constexpr int CantidadLicencias = 7;

    QString DescripcionCategoria() const { return m_descripcionCategoria; }
    void setDescripcionCategoria(const QString& v) { m_descripcionCategoria = v; }
    bool Nuevo() const { return m_nuevo; }
    void setNuevo(bool vData) { m_nuevo = vData; }
    /// Owning company; null when none (or when the company object no longer exists).
    QSharedPointer<::Empresa> Empresa() const { return m_empresa.toStrongRef(); }
    void setEmpresa(const QSharedPointer<::Empresa>& v) { m_empresa = v; }
    qint64 IdEmpleado() const { return m_idEmpleado; }
    void setIdEmpleado(qint64 v) { m_idEmpleado = v; }
    /// 2 % rate as a fraction (0.02).
    double Param2() const { return m_param2; }
    void setParam2(double v) { m_param2 = v; }
    /// Monthly dues per member, pesos.
    double ParamCuotaSindical() const { return m_paramCuotaSindical; }
    void setParamCuotaSindical(double v) { m_paramCuotaSindical = v; }
    /// FCM rate as a fraction.
    double ParamFCM() const { return m_paramFCM; }
    void setParamFCM(double v) { m_paramFCM = v; }

    double Aporte2() const;
    double Aporte2L(const PeriodoLiquidacion& liq) const;
    double TotalAPagar() const;
    double TotalAPagarL(const PeriodoLiquidacion& liq) const;
    double FCM() const;
    double FCML(const PeriodoLiquidacion& liq) const;
    double CuotaSindicalL(const PeriodoLiquidacion& liq) const;
    double CuotaSindical() const;

    bool Afiliado() const { return m_afiliado; }
    void setAfiliado(bool v) { m_afiliado = v; }
    bool MediaJornada() const { return m_mediaJornada; }
    void setMediaJornada(bool v) { m_mediaJornada = v; }
    /// Monthly remuneration subject to contributions, pesos.
    double Haberes() const { return m_haberes; }
    void setHaberes(double v) { m_haberes = v; }
    /// Category code as a number; its three-digit form is Categorias.Codigo.
    int Categoria() const { return m_categoria; }
    void setCategoria(int v) { m_categoria = v; }
    /// Termination date; 1 January 2500 means not terminated.
    QDate FechaBaja() const { return m_fechaBaja; }
    void setFechaBaja(const QDate& v) { m_fechaBaja = v; }
    QDate FechaIngreso() const { return m_fechaIngreso; }
    void setFechaIngreso(const QDate& v) { m_fechaIngreso = v; }
    QString CUIL() const { return m_cuil; }
    void setCUIL(const QString& v) { m_cuil = v; }
    int Licencia() const { return m_licencia; }
    void setLicencia(int v) { m_licencia = v; }
    QString Nombre() const { return m_nombre; }
    void setNombre(const QString& v) { m_nombre = v; }

    /// Loads the stored row; false (object unchanged) when the id does not exist or reading fails.
    bool Leer(Conexion& bd, qint64 id);
    /// Validates and stores: updates the company's row with the same CUIL, else inserts.
    bool Grabar(Conexion& bd);
    /// A new object with the same values, sharing the same company; the category text is not copied.
    QSharedPointer<Empleado> Clonar() const;
    /// True when the employee is in no stored slip, or its termination has been reported in one.
    bool PuedeEliminarse(Conexion& bd) const;
    /// Name and CUIL are required.
    bool Validar() const;
    /// Whether another stored employee of the same company (the company 0 when none) has this CUIL;
    /// false when the count cannot be read (the connection's UltimoError says why).
    bool CuilDuplicado(Conexion& bd, bool& duplicado) const;
    /// Deletes the stored row; false when storage refuses it.
    bool Borrar(Conexion& bd) const;
    /// A CUIL of eleven digits, typed with or without hyphens, in the stored form 99-99999999-9;
    /// any other text comes back trimmed, as typed, for the check digit test to refuse.
    static QString FormatoCuil(const QString& texto);

    bool Activo() const { return m_licencia == 0; }
    bool DeBaja() const;
    /// Counted in the period of liq: not terminated, or terminated in that month or later.
    bool CuentaEnPeriodo(const PeriodoLiquidacion& liq) const;

private:
    void LeerCampos(const Consulta& c);

    QString m_descripcionCategoria;
    bool m_nuevo = true;
    QWeakPointer<::Empresa> m_empresa;
    qint64 m_idEmpleado = 0;
    double m_param2 = 0;
    double m_paramCuotaSindical = 0;
    double m_paramFCM = 0;
    bool m_afiliado = false;
    bool m_mediaJornada = false;
    double m_haberes = 0;
    int m_categoria = 0;
    QDate m_fechaBaja;
    QDate m_fechaIngreso;
    QString m_cuil;
    int m_licencia = 0;
    QString m_nombre;
};
