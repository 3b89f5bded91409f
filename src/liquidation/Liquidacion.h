// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QObject>
#include <QSharedPointer>
#include <QString>

#include "records/PeriodoLiquidacion.h"

class Conexion;
class Consulta;
class Empresa;
class ListaEmpleados;

/// Version of the slip's record format: written in "version" when a slip is first stored, and
/// printed on the slip's version line.
inline constexpr char VersionFormatoBoleta[] = "1.0";

/// The monthly contribution slip of one company for one period: the employees it declares, the
/// amounts due and deposited for each concept, the payment details and its numbering.
/// Nothing is cached: every amount is recomputed from the employee list on each request.
/// Amounts are double pesos, never rounded here.
class Liquidacion : public QObject, public PeriodoLiquidacion
{
    Q_OBJECT
public:
    /// A new slip for the month before the current date, with the current shared parameters.
    explicit Liquidacion(QObject* parent = nullptr);
    ~Liquidacion() override;

    /// The default period of a slip created on the day hoy: the month before it (January gives
    /// December of the previous year).
    static void PeriodoPorDefecto(const QDate& hoy, int& mes, int& anio);

    /// Copies of the slip page to print.
    int BoletasAImprimir() const { return m_boletasAImprimir; }
    void setBoletasAImprimir(int v) { m_boletasAImprimir = v; }
    /// Row id of the stored slip; 0 while never stored.
    qint64 IdLiquidacion() const { return m_idLiquidacion; }
    void setIdLiquidacion(qint64 v) { m_idLiquidacion = v; }
    /// Extraordinary slip (pays inspection records) rather than an ordinary period slip.
    bool Extraordinaria() const { return m_extraordinaria; }
    void setExtraordinaria(bool v) { m_extraordinaria = v; }
    QString NroCheque() const { return m_nroCheque; }
    void setNroCheque(const QString& v) { m_nroCheque = v; }
    QString Banco() const { return m_banco; }
    void setBanco(const QString& v) { m_banco = v; }
    /// True until the slip is stored or read.
    bool Nueva() const { return m_nueva; }

    /// The amount of the deposit slip: every deposit plus the free concepts, less the credit.
    double PagadoTotal() const;
    /// Instalment number text ("Cuota Nº").
    QString Cuota() const { return m_cuota; }
    void setCuota(const QString& v) { m_cuota = v; }
    /// Credit in the contributor's favour. Setting it keeps at least 1.00 peso deposited.
    double Credito() const { return m_credito; }
    void setCredito(double v);
    QString ConceptoCredito() const { return m_conceptoCredito; }
    void setConceptoCredito(const QString& v) { m_conceptoCredito = v; }
    /// 0 cash ("Efectivo"), 1 cheque ("Cheque").
    int FormaPago() const { return m_formaPago; }
    void setFormaPago(int v) { m_formaPago = v; }
    QString Inspector() const { return m_inspector; }
    void setInspector(const QString& v) { m_inspector = v; }
    /// Deposit on an inspection record, stored as given.
    double PagadoReq() const { return m_pagadoReq; }
    void setPagadoReq(double v) { m_pagadoReq = v; }
    /// Number of the inspection record ("Nro.Acta") this slip pays.
    QString NroReq() const { return m_nroReq; }
    void setNroReq(const QString& v) { m_nroReq = v; }
    double PagadoOtros() const { return m_pagadoOtros; }
    void setPagadoOtros(double v) { m_pagadoOtros = v; }
    QString OtrosConceptos() const { return m_otrosConceptos; }
    void setOtrosConceptos(const QString& v) { m_otrosConceptos = v; }

    // Deposits of the four computed concepts; setting one caps it at the amount then due.
    double PagadoRecargo() const { return m_pagadoRecargo; }
    void setPagadoRecargo(double v);
    double PagadoCuota() const { return m_pagadoCuota; }
    void setPagadoCuota(double v);
    double PagadoFCM() const { return m_pagadoFCM; }
    void setPagadoFCM(double v);
    double Pagado2() const { return m_pagado2; }
    void setPagado2(double v);

    /// Late-payment surcharge: the three contributions times Coeficiente / 100.
    double APagarRecargo() const;
    /// Surcharge coefficient, a percentage entered by the user.
    double Coeficiente() const { return m_coeficiente; }
    void setCoeficiente(double v) { m_coeficiente = v; }
    double APagarTotal() const;
    double APagarCuota() const;
    double APagarFCM() const;
    double APagar2() const;

    // Rates recorded on the slip (percent; dues in pesos). Employees compute with their own.
    double ImporteCuota() const { return m_importeCuota; }
    void setImporteCuota(double v) { m_importeCuota = v; }
    double PorcentajeFCM() const { return m_porcentajeFCM; }
    void setPorcentajeFCM(double v) { m_porcentajeFCM = v; }
    double Porcentaje2() const { return m_porcentaje2; }
    void setPorcentaje2(double v) { m_porcentaje2 = v; }

    // Totals and counts of the employees counted in the period (no leave; not terminated before it).
    double TotalAfiliados() const;
    double TotalEmpleados() const;
    int CantAfiliados() const;
    int CantEmpleados() const;
    /// Same as APagarFCM.
    double FCM() const;

    /// 0 for the original declaration of the period, N for the N-th complementary one.
    int Ordinal() const { return m_ordinal; }
    void setOrdinal(int v) { m_ordinal = v; }
    /// Period year and month (1..12); setting a different value emits CambioPeriodo.
    int Anio() const override { return m_anio; }
    void setAnio(int anio);
    int Mes() const override { return m_mes; }
    void setMes(int mes);

    /// The company of the slip, shared with the caller.
    QSharedPointer<::Empresa> Empresa() const { return m_empresa; }
    void setEmpresa(const QSharedPointer<::Empresa>& v) { m_empresa = v; }
    /// The employees the slip declares; created empty on first use. Setting stores the caller's list.
    ::ListaEmpleados& ListaEmpleadosLiquidacion();
    const ::ListaEmpleados& ListaEmpleadosLiquidacion() const;
    void setListaEmpleadosLiquidacion(const QSharedPointer<::ListaEmpleados>& lista);

    /// The record accepts any period; screens keep it within their own limits.
    bool TestearPeriodo() const { return true; }

    // --- Storage and numbering ---------------------------------------------------------------
    /// Replaces the slip with the stored slip id (header, its company and the employee snapshot).
    /// False, with the slip unchanged, when there is no such slip or a read fails.
    bool Leer(Conexion& bd, qint64 id);
    /// Reads every stored slip selected by a condition on "liquidaciones" (SQL text after "where",
    /// e.g. "idmatriz = 3"), in the given order (SQL text after "order by", may be empty), all at
    /// once: the same few queries for one slip or for twenty years of them, each company read once
    /// and shared by its slips. False, with leidas unchanged, when a read fails.
    static bool LeerVarias(Conexion& bd, const QString& condicion, const QString& orden,
                           QList<QSharedPointer<Liquidacion>>& leidas);
    /// Inserts the slip while Nueva, else rewrites the stored slip IdLiquidacion, all in one
    /// transaction: on failure nothing of this save remains, the slip keeps Nueva and
    /// IdLiquidacion, and the save can be repeated. Call it outside any open transaction.
    bool Grabar(Conexion& bd);
    /// Deletes the stored slip IdLiquidacion; its employee rows go with it. False, with nothing
    /// deleted and the reason in bd.UltimoError(), when the slip is not stored (any more) or the
    /// driver refuses. The object is left as it was, so a later Grabar of it fails rather than
    /// storing the deleted slip again.
    bool Borrar(Conexion& bd);
    /// The company's other stored slips of the same month and year (ordinary and extraordinary);
    /// -1 when the query fails.
    int CantidadHermanas(Conexion& bd) const;
    /// Makes the next Grabar add a new declaration (true) or rewrite IdLiquidacion (false).
    void SetNueva(bool EsNueva) { m_nueva = EsNueva; }
    /// Running number of extraordinary slips: 0 for an ordinary slip; for a new extraordinary one
    /// the company's stored extraordinary slips + 1; for a stored one the number it was stored
    /// with. -1 when the count fails.
    int Numerador(Conexion& bd);
    /// What has been deposited for the whole period: this slip plus the company's other stored
    /// slips of the same month and year. *ok (when given) tells whether every read succeeded.
    double PagadoTodas(Conexion& bd, bool* ok = nullptr) const;

    // --- Sworn declaration (DDJJ) --------------------------------------------------------------
    /// The declaration text: company, period, counts, totals, deposits and one line per employee,
    /// every line ended by CR LF. Amounts in the locale's notation.
    QString TextoEnvio() const;
    /// Name of the declaration: "DDJJ-OBRIX - " + CUIT without hyphens + "  MM-YYYY".
    QString Subject() const;

signals:
    void CambioPeriodo();

private:
    template <typename F>
    double SumarContados(F valor) const;
    qint64 IdEmpresaActual() const;
    bool ContarExtraordinarias(Conexion& bd, int& cantidad) const;
    QString SentenciaCabecera(int numerador) const;
    /// Takes the header row's stored values (and its id) into the fields.
    void TomarCabecera(const Consulta& cab);

    mutable QSharedPointer<::ListaEmpleados> m_lista;
    QSharedPointer<::Empresa> m_empresa;
    int m_mes = 0;
    int m_anio = 0;
    int m_ordinal = 0;
    double m_porcentaje2 = 0;
    double m_porcentajeFCM = 0;
    double m_importeCuota = 0;
    double m_pagado2 = 0;
    double m_pagadoFCM = 0;
    double m_pagadoCuota = 0;
    double m_coeficiente = 0;
    double m_pagadoRecargo = 0;
    QString m_otrosConceptos;
    double m_pagadoOtros = 0;
    QString m_nroReq;
    double m_pagadoReq = 0;
    QString m_inspector;
    int m_formaPago = 0;
    QString m_conceptoCredito;
    double m_credito = 0;
    QString m_cuota;
    bool m_nueva = true;
    QString m_banco;
    QString m_nroCheque;
    bool m_extraordinaria = false;
    qint64 m_idLiquidacion = 0;
    int m_boletasAImprimir = 1;
    int m_numerador = 0;
};
