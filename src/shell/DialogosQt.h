// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogos.h"

#include <QPointer>
#include <QWidget>

/// The real dialog service: Qt's message boxes and file dialogs, owned by the main window.
class DialogosQt : public Dialogos
{
public:
    explicit DialogosQt(QWidget* padre = nullptr);
    void setPadre(QWidget* padre) { m_padre = padre; }

    void Mensaje(const QString& texto, const QString& titulo, Icono icono) override;
    bool Preguntar(const QString& texto, const QString& titulo, Icono icono) override;
    QString ArchivoParaAbrir(const QString& titulo, const QString& carpeta, const QString& nombreInicial,
                             const QString& filtro) override;
    QString ArchivoParaGuardar(const QString& titulo, const QString& rutaPropuesta, const QString& filtro) override;
    QString Carpeta(const QString& titulo, const QString& carpetaInicial) override;
    bool PedirTexto(const QString& titulo, const QString& etiqueta, bool oculto, QString& texto) override;

private:
    QWidget* Padre() const;
    QPointer<QWidget> m_padre;
};
