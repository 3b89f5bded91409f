// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

/// Icon of a message box, as the program's messages name them.
enum class Icono { Ninguno, Informacion, Exclamacion, Critico, Pregunta };

/// Every message box, question and file or folder dialog of the program goes through this service,
/// so that screens stay testable: the real one shows Qt's dialogs in Spanish, the test one records
/// what was asked and answers from a queue. An empty file or folder name means the user cancelled.
class Dialogos
{
public:
    virtual ~Dialogos() = default;

    /// A message with a single "Aceptar" button.
    virtual void Mensaje(const QString& texto, const QString& titulo, Icono icono) = 0;
    /// A Yes/No question; true for "Sí".
    virtual bool Preguntar(const QString& texto, const QString& titulo, Icono icono = Icono::Pregunta) = 0;
    /// Open-file dialog; nombreInicial may be a pattern such as "*.fys".
    virtual QString ArchivoParaAbrir(const QString& titulo, const QString& carpeta, const QString& nombreInicial,
                                     const QString& filtro) = 0;
    /// Save-file dialog proposing rutaPropuesta (folder and name).
    virtual QString ArchivoParaGuardar(const QString& titulo, const QString& rutaPropuesta,
                                       const QString& filtro) = 0;
    virtual QString Carpeta(const QString& titulo, const QString& carpetaInicial) = 0;
    /// Asks for a line of text (hidden as it is typed when oculto); false when cancelled.
    virtual bool PedirTexto(const QString& titulo, const QString& etiqueta, bool oculto, QString& texto) = 0;
};
