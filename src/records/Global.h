// SPDX-License-Identifier: GPL-3.0-or-later
// Shared state and the small helpers every record and screen uses: locale notation, SQL text,
// money format, dates, the tax identifier check and the numeric key filter.
#pragma once

#include <QChar>
#include <QDate>
#include <QString>

class Conexion;

// --- Shared program state, set at start-up and read by every new record -------------------------

/// The open talvo.fys database (null before start-up opens it).
extern Conexion* BaseDatos;
/// Mailbox the sworn declaration is sent to (setting "CORREO").
extern QString CorreoEnvio;
/// Contribution rates in percent (2 means 2 %) and the monthly dues amount in pesos, from "parametros".
extern double ParamPorcentajeDos;
extern double ParamPorcentajeFcm;
extern double ParamImporteCta;

/// Built-in default of the "CORREO" setting: the union's collection mailbox.
inline const char* const CorreoRecaudacionPorDefecto = "recaudacion@obrix.example";

/// Date that marks an employee without termination.
QDate FechaSinBaja();

// --- Settings store: application "OBRIX", group "PARAMETROS" -----------------------------------

/// Reads a setting; an absent key gives the default and creates nothing.
QString LeerParametro(const QString& clave, const QString& porDefecto = QString());
void GrabarParametro(const QString& clave, const QString& valor);

// --- Locale notation ------------------------------------------------------------------------------

/// The user's decimal separator: the character at position 2 of 1 formatted as "0.00".
QChar SeparadorDecimal();

// --- Money ----------------------------------------------------------------------------------------
// Amounts are double pesos. Every figure that leaves the program (screen, SQL, declaration, printout,
// words, payment code) is first taken to four decimals, as the stored currency type was, and only then
// to cents, half away from zero: a double such as 0.575 sits just below the half cent, and rounding it
// directly would lose a cent that the union's figures count.

/// The amount in ten-thousandths of a peso, half away from zero (NaN reads as 0; amounts beyond
/// 10^14 pesos are taken as 10^14).
qint64 DiezMilesimos(double pesos);
/// The amount in whole cents: four decimals first, then cents half away from zero (0.575 -> 58).
qint64 Centavos(double pesos);
/// The amount the cents stand for, as a double (256.025 -> 256.03).
double RedondearCentavos(double pesos);
/// Money as "0.00": digits 0-9, the locale's decimal separator, no thousands separator, never "-0.00".
QString FormatoImporte(double importe);
/// Reads an amount typed in the locale's notation (digits and at most one separator, "." or the
/// locale's one); false when the text is not such a number. An empty text is not a number.
bool ImporteDeTexto(const QString& texto, double& importe);
/// A date as dd/mm/yyyy, the short date the union's files and screens use.
QString FormatoFecha(const QDate& fecha);
/// Reads a stored or typed date: ISO yyyy-mm-dd, or dd/mm/yyyy read day first on every locale.
QDate FechaDeTexto(const QString& texto);

// --- SQL text -----------------------------------------------------------------------------------

/// Amount with two decimals and a point, whatever the locale: 1234.5 -> "1234.50".
QString ImporteSQL(double importe);
/// Date literal #m-d-yyyy#, read month first whatever the locale; a missing (invalid) date is "null".
QString FechaSQL(const QDate& fecha);
/// Text between single quotes with embedded apostrophes doubled (and NUL characters spliced in as
/// char(0)), so no text changes a statement and every text is stored exactly as given.
QString TextoSQL(const QString& texto);
/// -1 for true, 0 for false.
QString BooleanoSQL(bool valor);

// --- Input checks -------------------------------------------------------------------------------

/// Check digit test of an 11-digit CUIT/CUIL, hyphens aside; anything else than 11 digits fails.
bool CuitValido(const QString& identificador);
/// Key filter of amount fields: "." and "," type the decimal separator, digits and backspace (8)
/// pass, every other key gives 0 (swallowed).
int FiltrarTeclaNumerica(int codigoTecla);

/// Loads the three contribution parameters from the table "parametros" into the shared state.
bool CargarParametros(Conexion& bd);
