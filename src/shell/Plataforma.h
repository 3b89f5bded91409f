// SPDX-License-Identifier: GPL-3.0-or-later
// Everything that depends on the desktop platform lives here: the program's folder, replacing and
// syncing files, the calculator and text editor, the mail program. A Windows or macOS build changes
// only this file.
#pragma once

#include <QString>

#include <functional>

/// Folder that holds talvo.fys: $TALVO_CARPETA when set, else the per-user data folder
/// (~/.local/share/OBRIX/TALVO). Never the executable's folder: a build folder is wiped by
/// "make clean", and an installed program's folder is not the user's. Created when possible;
/// whether it can be written is for CarpetaEscribible to say.
QString CarpetaPrograma();

/// True when a file can be created in carpeta. Tried, not read from permission bits, which the
/// administrator does not obey and which say nothing of a read-only mount.
bool CarpetaEscribible(const QString& carpeta);
/// True when archivo can be opened for writing; it is not changed.
bool ArchivoEscribible(const QString& archivo);

/// Makes archivo's content durable (fsync): after a crash or a power cut it is there whole.
bool SincronizarArchivo(const QString& archivo);
/// Gives archivo's present content a second name, copia (replacing any file there): a hard link
/// where the file system has them, a copy otherwise. archivo can then be replaced and put back.
bool ConservarArchivo(const QString& archivo, const QString& copia);
/// Puts nuevo in the place of destino in one step (rename over it, then sync the folder): at every
/// instant destino is the whole old file or the whole new one, never missing or half written.
/// Both must be in the same folder. False with the system's reason in error.
bool ReemplazarArchivo(const QString& nuevo, const QString& destino, QString* error = nullptr);

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
