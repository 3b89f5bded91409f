// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeclaracionJurada.h"

#include "frmMetodoEnvio.h"
#include "liquidation/ArchivoDeclaracion.h"
#include "liquidation/Liquidacion.h"
#include "records/Global.h"
#include "shell/Correo.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"

#include <memory>

void DeclaracionJurada::GrabarArchivoDDJJ(const Liquidacion& liq, Dialogos& dialogos)
{
    const QString nombre = liq.Subject() + QStringLiteral(".txt");
    const QString archivo = dialogos.ArchivoParaGuardar(QStringLiteral("Grabar archivo de DDJJ"), nombre,
                                                        QStringLiteral("Archivos de texto (*.txt)"));
    if (archivo.isEmpty()) {
        dialogos.Mensaje(QStringLiteral("No se grabó la DDJJ correspondiente al período generado."),
                         QStringLiteral("GRABACION DDJJ"), Icono::Exclamacion);
        return;
    }
    int numero = 0;
    QString texto;
    bool grabado = false;
    {
        CursorOcupado ocupado;
        grabado = GrabarArchivoDeclaracion(archivo, liq.TextoEnvio(), numero, texto);
    }
    if (!grabado) {
        dialogos.Mensaje(QStringLiteral("Error al grabar el archivo.\r\nNúmero de error: %1\r\nTexto del error: %2")
                             .arg(numero)
                             .arg(texto),
                         QStringLiteral("GRABACION DE DATOS"), Icono::Critico);
        return;
    }
    // The notice names the proposed file name, whatever folder and name the user chose.
    dialogos.Mensaje(QStringLiteral("Información grabada en el archivo ") + nombre
                         + QStringLiteral("\r\nEnvíe este archivo a ") + CorreoEnvio,
                     QStringLiteral("GRABACION DE DATOS"), Icono::Informacion);
}

void DeclaracionJurada::EnviarDDJJ(const Liquidacion& liq, Dialogos& dialogos)
{
    QString resultado;
    const bool directo = CorreoDirectoConfigurado();
    {
        CursorOcupado ocupado;
        resultado = EnviarCorreo(dialogos, CorreoEnvio, liq.Subject(), liq.TextoEnvio(), true);
    }
    if (resultado.isEmpty() && directo)
        dialogos.Mensaje(QStringLiteral("Información enviada por correo electrónico."), QStringLiteral("ENVIO DE DATOS"),
                         Icono::Informacion);
    else if (resultado.isEmpty())
        // Without a mail server the message only waits in the mail program: say so, not "sent".
        dialogos.Mensaje(QStringLiteral("El mensaje quedó listo en su programa de correo electrónico. "
                                        "Envíelo desde allí."),
                         QStringLiteral("ENVIO DE DATOS"), Icono::Informacion);
    else
        dialogos.Mensaje(QStringLiteral("No se pudo enviar correo electrónico.\r\n") + resultado,
                         QStringLiteral("ENVIO DE DATOS"), Icono::Critico);
}

void DeclaracionJurada::EnvioDatos(const Liquidacion& liq, Dialogos& dialogos, QWidget* padre)
{
    frmMetodoEnvio metodo(padre);
    metodo.exec();
    if (!metodo.Aceptado)
        return;
    if (metodo.Metodo == 0)
        GrabarArchivoDDJJ(liq, dialogos);
    else if (metodo.Metodo == 1)
        EnviarDDJJ(liq, dialogos);
}
