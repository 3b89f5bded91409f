// SPDX-License-Identifier: GPL-3.0-or-later
// Zip archives made in memory with libzip, for the targets that wrap generated parts into a workbook.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

/// The bytes of a zip archive holding the entries in order, stored or deflated.
QByteArray ZipArmado(const QList<std::pair<QString, QByteArray>>& entradas, bool comprimir);
