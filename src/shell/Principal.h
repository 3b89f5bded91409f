// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program and the small procedures the screens share.
#pragma once

#include <QSize>
#include <QString>

class Conexion;
class Dialogos;
class InstanciaUnica;
class QWidget;

/// Name of the database file in the program's folder.
inline const char* const ArchivoBaseDatos = "talvo.fys";

/// The entry procedure: single instance, screen check, settings, database, main window.
/// Returns the program's exit code.
int Main(int argc, char** argv);

/// True when the screen is smaller than 800 x 600 pixels.
bool PantallaChica(const QSize& pantalla);

/// Creates talvo.fys in carpeta from the template when missing, checks it as the restore command
/// checks a copy (an SQLite file with exactly the template's schema; integrity is left to the
/// engine, since reading every page would make start-up grow with the data), checks that the file
/// and its folder can be written (SQLite writes its journal beside the file), opens it in bd and
/// loads the contribution parameters. A file that fails is left untouched. False with the reason,
/// naming the file or folder, in error.
bool AbrirBaseOperativa(const QString& carpeta, Conexion& bd, QString* error);

/// How start-up ended before the main window.
enum class Arranque { Listo, OtraCopia, Fallido };

/// Start-up up to the main window: the data folder can be written, no other copy runs on it,
/// the screen is large enough (a warning only), the mailbox setting, and the operating database.
/// Listo: instancia holds carpeta and bd is open on the checked talvo.fys with its parameters
/// loaded. Otherwise the user has been told why through dialogos and the program must end.
Arranque PrepararArranque(Dialogos& dialogos, const QString& carpeta, InstanciaUnica& instancia, Conexion& bd);

/// Centres a dialog or child screen in the main window's client area.
void CentrarFormulario(QWidget* hijo, QWidget* principal);
