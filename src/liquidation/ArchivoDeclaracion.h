// SPDX-License-Identifier: GPL-3.0-or-later
// The sworn declaration as a file: the union's readers expect the Windows ANSI code page
// (Windows-1252), so the text is encoded here rather than through the system's locale.
#pragma once

#include <QByteArray>
#include <QString>

/// Encodes text in Windows-1252; a character the code page cannot hold becomes "?".
QByteArray CodificarWindows1252(const QString& texto);
/// Decodes Windows-1252 bytes (files made on Windows); the five undefined bytes keep their value.
QString DecodificarWindows1252(const QByteArray& bytes);

/// Writes the declaration text followed by one more CR LF into archivo, in Windows-1252, replacing
/// any file of that name only once the whole text is written. On failure returns false with the
/// file error's number and text.
bool GrabarArchivoDeclaracion(const QString& archivo, const QString& textoDeclaracion, int& numeroError,
                              QString& textoError);
