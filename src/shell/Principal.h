// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program and the small procedures the screens share.
#pragma once

#include <QSize>
#include <QString>

class Conexion;
class Dialogos;
class QWidget;

/// Name of the database file in the program's folder.
inline const char* const ArchivoBaseDatos = "talvo.fys";

/// The entry procedure: single instance, screen check, settings, database, main window.
/// Returns the program's exit code.
int Main(int argc, char** argv);

/// True when the screen is smaller than 800 x 600 pixels.
bool PantallaChica(const QSize& pantalla);

/// Creates talvo.fys in carpeta from the template when missing, opens it in bd and loads the
/// contribution parameters. False with the reason in error.
bool AbrirBaseOperativa(const QString& carpeta, Conexion& bd, QString* error);

/// Centres a dialog or child screen in the main window's client area.
void CentrarFormulario(QWidget* hijo, QWidget* principal);
