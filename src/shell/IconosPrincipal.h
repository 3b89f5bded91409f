// SPDX-License-Identifier: GPL-3.0-or-later
// Icons of the main window's toolbar, drawn by the program so that they look alike on every desktop.
#pragma once

#include <QIcon>

enum class IconoComando { Altas, Boleta, Actas, Anterior, Consulta, Elimina, Ayuda, Salida, Empresa };

QIcon IconoDeComando(IconoComando icono);
