// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSharedPointer>

class Dialogos;
class Empleado;
class Empresa;
class ModeloEmpleados;
class QLabel;
class QPushButton;
class QTableView;

/// "Lista Empleados Empresa <name>": the employees of one company in a grid, modal, with adding,
/// modifying, deleting (only employees that may be deleted), the import of a list from a file, a
/// spreadsheet listing and the two documents that describe the import formats.
class frmListaEmpleados : public QDialog
{
    Q_OBJECT
public:
    frmListaEmpleados(const QSharedPointer<Empresa>& empresa, Dialogos& dialogos, QWidget* parent = nullptr);

    /// The employee import: asks for the file, reads it into the company and refills the grid.
    void Importar();

    /// The employee of the selected grid row; null when none.
    QSharedPointer<Empleado> EmpleadoSeleccionado() const { return m_seleccionado; }

    // Names under which the import-format documents are written to the program's folder.
    static constexpr const char* DocumentoTexto = "Texto.doc";
    static constexpr const char* DocumentoExcel = "Texto.xls";
    /// Name of the spreadsheet listing in the user's temporary folder.
    QString NombreListado() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void CrearControles();
    /// Reads the company's employees again and refills the grid.
    void Cargar();
    void Seleccionar(int fila);
    void Agregar();
    void Modificar();
    void Borrar();
    void Listar();
    void AbrirFormato(const QString& documento, const QString& mensajeError);

    QSharedPointer<Empresa> m_empresa;
    Dialogos& m_dialogos;
    QSharedPointer<Empleado> m_seleccionado;

    ModeloEmpleados* m_modelo = nullptr;
    QTableView* m_grilla = nullptr;
    QPushButton* m_cmdModificar = nullptr;
    QPushButton* m_cmdBorrar = nullptr;
};
