// SPDX-License-Identifier: GPL-3.0-or-later
// The restore command as the user sees it: file dialog, question, busy pointer and messages.
#pragma once

class Conexion;
class Dialogos;

/// Asks for a backup copy and restores the operating database bd from it. True only when the
/// database was replaced; every refusal or failure has been told to the user, and bd is open on
/// the operating file in every case.
bool RestaurarInteractivo(Dialogos& dialogos, Conexion& bd);
