// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CopiaSeguridad.h"

#include <QDialog>

class Conexion;
class Dialogos;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QTreeView;

/// "Copia de Seguridad": the user picks a volume and a folder, and the operating database is
/// copied there as talvo.fys. Opens on the folder backkestral beside the database.
class frmBackUp : public QDialog
{
    Q_OBJECT
public:
    frmBackUp(Dialogos& dialogos, Conexion& bd, QWidget* parent = nullptr);

    /// Where the copy goes (folder + talvo.fys); empty while no folder is chosen.
    QString Destino() const { return m_destino; }
    QString CarpetaElegida() const { return m_carpeta; }
    /// Chooses a folder as the user would in the lists; false when it is not shown in them.
    bool ElegirCarpeta(const QString& carpeta);
    CopiaSeguridad& Copia() { return m_copia; }

public slots:
    void Copiar();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void LlenarUnidades();
    void UnidadElegida();
    void CarpetaMarcada();
    void setCarpeta(const QString& carpeta);
    void MostrarCarpetaElegida();

    Dialogos& m_dialogos;
    CopiaSeguridad m_copia;
    QListWidget* m_unidades = nullptr;
    QTreeView* m_arbol = nullptr;
    QFileSystemModel* m_modelo = nullptr;
    QLabel* m_lblDestino = nullptr;
    QString m_carpeta;
    QString m_destino;
    bool m_seguirCarpeta = true;
};
