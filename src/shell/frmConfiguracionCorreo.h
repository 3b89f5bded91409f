// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AjustesCorreo.h"

#include <QDialog>

class Dialogos;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

/// "Configuración de Correo": the outgoing mail server (server, security, port, user, sender) and
/// whether its password is kept in the desktop's keyring. "&Probar" sends a test message to the
/// sender with the fields as typed; "&Aceptar" checks and stores them. Modal, centred in the main
/// window.
class frmConfiguracionCorreo : public QDialog
{
    Q_OBJECT
public:
    explicit frmConfiguracionCorreo(Dialogos& dialogos, QWidget* principal = nullptr);

    /// Subject of the test message.
    static QString AsuntoPrueba();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Cargar(const AjustesCorreo& ajustes);
    void CambioSeguridad();
    /// The fields as typed, when they pass the checks; otherwise false, the user told and the
    /// offending field focused. `paraProbar` also requires a server.
    bool Tecleados(bool paraProbar, AjustesCorreo& ajustes);
    bool Rechazar(const QString& texto, const QString& titulo, QWidget* campo);
    /// The password typed to be kept in the keyring; empty when none or the option is off.
    QString ClaveTecleada() const;
    bool ActualizarLlavero(const AjustesCorreo& anteriores, const AjustesCorreo& nuevos);
    void Probar();
    void Aceptar();

    Dialogos& m_dialogos;
    QWidget* m_principal = nullptr;
    bool m_llaveroDisponible = false;
    ClienteSmtp::Seguridad m_seguridad = ClienteSmtp::Seguridad::StartTls; // the one the port follows
    QLineEdit* m_servidor = nullptr;
    QComboBox* m_cboSeguridad = nullptr;
    QLineEdit* m_puerto = nullptr;
    QLineEdit* m_usuario = nullptr;
    QLineEdit* m_remitente = nullptr;
    QCheckBox* m_chkLlavero = nullptr;
    QLineEdit* m_clave = nullptr;
    QLabel* m_nota = nullptr;
};
