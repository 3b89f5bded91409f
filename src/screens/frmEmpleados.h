// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSharedPointer>

class CampoImporte;
class Dialogos;
class Empleado;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

/// "Mantenimiento Empleados": edits one employee, modal. Every field change goes into the very
/// Empleado object at once (so "Total Aporte" is always current); "&Grabar" checks and stores it;
/// closing, in any way, reads it back from the database, which discards what was not stored
/// (an employee that was never stored goes back to a new, empty one).
class frmEmpleados : public QDialog
{
    Q_OBJECT
public:
    explicit frmEmpleados(Dialogos& dialogos, QWidget* parent = nullptr);

    /// The employee to edit, set before exec(); null creates a new Empleado.
    void setEmpleado(const QSharedPointer<Empleado>& e);
    QSharedPointer<Empleado> EmpleadoEditado() const { return m_empleado; }

    /// Stores the employee when it passes the checks, telling the user what stops it; true when stored.
    bool Grabar();

    void done(int resultado) override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void CrearControles();
    void LlenarListas();
    void Mostrar();
    void TomarNombre();
    void TomarCuil();
    void TomarFechaBaja();
    /// Takes every typed text into the employee (as leaving each field would); false, with the focus
    /// in the field, when "Total Haberes" holds no amount.
    bool TomarTodo();
    /// The check digit and duplicate tests of the CUIL, with their messages; focus back on failure.
    bool CuilAceptable();
    void Error(const QString& texto, const QString& titulo);

    Dialogos& m_dialogos;
    QSharedPointer<Empleado> m_empleado;
    bool m_mostrando = false;

    QLineEdit* m_txtCuil = nullptr;
    QLineEdit* m_txtNombre = nullptr;
    QDateEdit* m_dtpIngreso = nullptr;
    CampoImporte* m_txtHaberes = nullptr;
    QComboBox* m_cboCategoria = nullptr;
    QCheckBox* m_chkAfiliado = nullptr;
    QCheckBox* m_chkMedia = nullptr;
    QComboBox* m_cboLicencia = nullptr;
    QLineEdit* m_txtFechaBaja = nullptr;
    QLabel* m_lblTotalAporte = nullptr;
    QPushButton* m_cmdGrabar = nullptr;
    QPushButton* m_cmdSalir = nullptr;
};
