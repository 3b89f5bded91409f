// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Dialogos.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

/// Test double of the dialog service: records every call and answers from queues.
/// A question or file dialog with no queued answer fails the running test (and answers "No"/cancel).
class DialogosPrueba : public Dialogos
{
public:
    struct Llamada
    {
        QString tipo; // "mensaje", "pregunta", "abrir", "guardar", "carpeta", "texto"
        QString titulo;
        QString texto;
        Icono icono = Icono::Ninguno;
        QString extra; // folder, proposed path or filter, as passed
    };

    void Mensaje(const QString& texto, const QString& titulo, Icono icono) override;
    bool Preguntar(const QString& texto, const QString& titulo, Icono icono) override;
    QString ArchivoParaAbrir(const QString& titulo, const QString& carpeta, const QString& nombreInicial,
                             const QString& filtro) override;
    QString ArchivoParaGuardar(const QString& titulo, const QString& rutaPropuesta, const QString& filtro) override;
    QString Carpeta(const QString& titulo, const QString& carpetaInicial) override;
    bool PedirTexto(const QString& titulo, const QString& etiqueta, bool oculto, QString& texto) override;

    // Answers, consumed in order. An empty file name answers "cancel".
    QQueue<bool> respuestas;
    QQueue<QString> archivos;
    QQueue<QString> textos; // for PedirTexto; a null QString answers "cancel"

    QList<Llamada> llamadas;
    /// The last call, or an empty one.
    Llamada Ultima() const { return llamadas.isEmpty() ? Llamada() : llamadas.last(); }
    /// "TITLE: text" of every call so far, as the user read them.
    QStringList Mensajes() const;
    void Limpiar();

private:
    template <typename T>
    T Responder(QQueue<T>& cola, const QString& tipo, const QString& titulo, const QString& texto, Icono icono,
                const QString& extra, T siFalta);
};
