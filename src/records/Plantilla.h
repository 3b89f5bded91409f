// SPDX-License-Identifier: GPL-3.0-or-later
// The template database carried in the program: schema and reference data of a new talvo.fys.
#pragma once

#include <QByteArray>
#include <QString>

/// The template's bytes (empty if the resource is missing from the build).
QByteArray DatosPlantilla();

/// Writes the template byte for byte to archivo when no file exists there; an existing file,
/// whatever its content, is never overwritten. False (with the reason in error) when writing fails.
bool CrearBaseSiFalta(const QString& archivo, QString* error = nullptr);
