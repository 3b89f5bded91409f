// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Dialogos;
class Liquidacion;
class QWidget;

/// What the ordinary slip screen does with the sworn declaration (DDJJ) of its slip: write it to
/// a file the user places, mail it to the union's collection mailbox, or ask which of the two.
/// Every message goes through the dialog service.
class DeclaracionJurada
{
public:
    /// Save dialog proposing Subject + ".txt", then the file in Windows-1252 and the notice.
    static void GrabarArchivoDDJJ(const Liquidacion& liq, Dialogos& dialogos);
    /// Sends the declaration text to CorreoEnvio without the mail program's window, under the busy
    /// pointer, and reports the outcome.
    static void EnviarDDJJ(const Liquidacion& liq, Dialogos& dialogos);
    /// The "&Envio Datos" command: asks the method (frmMetodoEnvio) and runs it.
    static void EnvioDatos(const Liquidacion& liq, Dialogos& dialogos, QWidget* padre);
};
