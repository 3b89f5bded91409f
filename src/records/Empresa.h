// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QEnableSharedFromThis>
#include <QSharedPointer>
#include <QString>

class AvisosImportacion;
class Conexion;
class ListaEmpleados;
class Liquidacion;
class Liquidaciones;

/// One company of the employer: identification, addresses and partners, with its stored employees
/// and stored slips. Always held through QSharedPointer: its employees and slips refer back to it.
class Empresa : public QEnableSharedFromThis<Empresa>
{
public:
    /// A new company: not stored (Nueva), start of activity today, everything else empty.
    Empresa();
    ~Empresa();
    Empresa(const Empresa&) = delete;
    Empresa& operator=(const Empresa&) = delete;

    QString DptoLegal() const { return m_dptoLegal; }
    void setDptoLegal(const QString& v) { m_dptoLegal = v; }
    QString PisoLegal() const { return m_pisoLegal; }
    void setPisoLegal(const QString& v) { m_pisoLegal = v; }
    QString NumeroLegal() const { return m_numeroLegal; }
    void setNumeroLegal(const QString& v) { m_numeroLegal = v; }
    QString CalleLegal() const { return m_calleLegal; }
    void setCalleLegal(const QString& v) { m_calleLegal = v; }
    QString NombreComercial() const { return m_nombreComercial; }
    void setNombreComercial(const QString& v) { m_nombreComercial = v; }
    QString DocuSocio2() const { return m_docuSocio2; }
    void setDocuSocio2(const QString& v) { m_docuSocio2 = v; }
    QString Socio2() const { return m_socio2; }
    void setSocio2(const QString& v) { m_socio2 = v; }
    // The operations on the company's slips are defined with the slips (liquidation/EmpresaLiquidaciones.cpp).

    /// The stored slips, filled by LeerLiquidaciones / LeerLiquidacionesPeriodo; created empty on first use.
    ::Liquidaciones& Liquidaciones();
    void setLiquidaciones(const QSharedPointer<::Liquidaciones>& lista);
    /// Tax identifier with its mask (two digits, hyphen, eight digits, hyphen, one digit).
    QString CUIT() const { return m_cuit; }
    void setCUIT(const QString& v) { m_cuit = v; }
    /// True until the company is read or saved.
    bool Nueva() const { return m_nueva; }
    int Sucursales() const { return m_sucursales; }
    void setSucursales(int v) { m_sucursales = v; }
    QString DocuSocio() const { return m_docuSocio; }
    void setDocuSocio(const QString& v) { m_docuSocio = v; }
    QString Socio() const { return m_socio; }
    void setSocio(const QString& v) { m_socio = v; }
    /// Natural person (true) or legal entity.
    bool Fisica() const { return m_fisica; }
    void setFisica(bool v) { m_fisica = v; }
    QString CodRubro() const { return m_codRubro; }
    void setCodRubro(const QString& v) { m_codRubro = v; }
    QDate FechaInicio() const { return m_fechaInicio; }
    void setFechaInicio(const QDate& v) { m_fechaInicio = v; }
    QString Email() const { return m_email; }
    void setEmail(const QString& v) { m_email = v; }
    /// Province id (Provincias.IdProvincia) as text.
    QString CodProv() const { return m_codProv; }
    void setCodProv(const QString& v) { m_codProv = v; }
    QString Localidad() const { return m_localidad; }
    void setLocalidad(const QString& v) { m_localidad = v; }
    QString CodPost() const { return m_codPost; }
    void setCodPost(const QString& v) { m_codPost = v; }
    QString Telefonos() const { return m_telefonos; }
    void setTelefonos(const QString& v) { m_telefonos = v; }
    QString Dpto() const { return m_dpto; }
    void setDpto(const QString& v) { m_dpto = v; }
    QString Piso() const { return m_piso; }
    void setPiso(const QString& v) { m_piso = v; }
    QString Numero() const { return m_numero; }
    void setNumero(const QString& v) { m_numero = v; }
    QString Calle() const { return m_calle; }
    void setCalle(const QString& v) { m_calle = v; }
    /// The stored employees (keyed by CUIL); created empty on first use.
    ListaEmpleados& ListaBaseEmpleados();
    void setListaBaseEmpleados(const QSharedPointer<ListaEmpleados>& lista);
    /// Row id; 0 until stored or read.
    qint64 IdEmpresa() const { return m_idEmpresa; }
    void setIdEmpresa(qint64 v) { m_idEmpresa = v; }
    /// Legal name (RAZONSOCIAL).
    QString Nombre() const { return m_nombre; }
    void setNombre(const QString& v) { m_nombre = v; }

    /// Inserts a new company (learning its new id) or updates the stored one. False when invalid
    /// or when storage refuses it (duplicate CUIT, over-long text, closed database).
    bool Grabar(Conexion& bd);
    /// Loads the stored row; false (object unchanged) when the id does not exist.
    bool Leer(Conexion& bd, qint64 id);
    /// Refills ListaBaseEmpleados from storage; each employee refers back to this company.
    bool CargarListaEmpleados(Conexion& bd);
    /// Copies every employee (on leave and terminated ones included) into the slip L, replacing its
    /// list: clones that share this company and carry their own parameters.
    void PasarEmpleados(Liquidacion& L);
    /// Fills Liquidaciones with every stored slip of the company: extraordinary slips first, then
    /// by year, month and declaration number. False when a read fails.
    bool LeerLiquidaciones(Conexion& bd);
    /// Fills Liquidaciones with the stored slips of one period, the original first.
    bool LeerLiquidacionesPeriodo(Conexion& bd, int Mes, int Anio);
    /// Keeps in Liquidaciones only the last slip of each run of slips of the same year and month
    /// (with the order of LeerLiquidaciones: the latest declaration of each period).
    void MaximosOrdinales();
    // The employee import is defined with the import (import/EmpresaImportacion.cpp).
    /// Imports the fixed-width text file Archivo (84-character records) into storage, then reloads
    /// ListaBaseEmpleados. True when the whole file was processed; false with the line and cause in
    /// bd.UltimoError(), rows before it stored. Rows with a bad CUIL are skipped and told to avisos.
    bool LeerEmpleadosDeTexto(Conexion& bd, const QString& Archivo, AvisosImportacion* avisos = nullptr);
    /// The same from a spreadsheet (.xls, .xlsx or .ods by extension): titles in row 1, data from
    /// row 2 to the first row whose column 1 is empty.
    bool LeerEmpleadosDeExcel(Conexion& bd, const QString& Archivo, AvisosImportacion* avisos = nullptr);
    QString NombreRubro() const { return QString(); }
    /// Legal name, CUIT, both addresses (street and number), postal code, town and business category.
    bool Validar() const;

private:
    bool LlenarLiquidaciones(Conexion& bd, const QString& condicion, const QString& orden);

    QString m_dptoLegal, m_pisoLegal, m_numeroLegal, m_calleLegal;
    QString m_nombreComercial;
    QString m_docuSocio2, m_socio2, m_docuSocio, m_socio;
    QSharedPointer<::Liquidaciones> m_liquidaciones;
    QString m_cuit;
    bool m_nueva = true;
    int m_sucursales = 0;
    bool m_fisica = false;
    QString m_codRubro;
    QDate m_fechaInicio;
    QString m_email, m_codProv, m_localidad, m_codPost, m_telefonos;
    QString m_dpto, m_piso, m_numero, m_calle;
    QSharedPointer<ListaEmpleados> m_listaBaseEmpleados;
    qint64 m_idEmpresa = 0;
    QString m_nombre;
};
