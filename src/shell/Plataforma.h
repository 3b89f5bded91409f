// SPDX-License-Identifier: GPL-3.0-or-later
// Everything that depends on the desktop platform lives here: the program's folder, the
// calculator and text editor, the mail program. A Windows or macOS build changes only this file.
#pragma once

#include <QString>

#include <functional>

/// Folder that holds talvo.fys: $TALVO_CARPETA when set; else the executable's folder when it is
/// writable (a portable copy); else the per-user data folder. Created when missing.
QString CarpetaPrograma();

/// Start the desktop's calculator / text editor; false when none could be started.
bool IniciarCalculadora();
bool IniciarEditorTexto();

/// Hands a message to the user's mail program (its window shows it, ready to send).
bool AbrirProgramaCorreo(const QString& destinatario, const QString& asunto, const QString& texto);

/// Opens a document with the desktop's default program for its kind; false when nothing opened it.
bool AbrirDocumento(const QString& archivo);
/// Replaces what AbrirDocumento does (tests check what would be opened without starting anything);
/// an empty function restores the desktop's opener.
void FijarAbridorDocumentos(std::function<bool(const QString&)> abridor);

/// A temporary folder of this user for documents handed to other programs (the employee listing):
/// "talvo-<user>" in the system's temporary folder, private to the user; created when missing.
/// Empty when no such folder can be made.
QString CarpetaTemporalUsuario();
