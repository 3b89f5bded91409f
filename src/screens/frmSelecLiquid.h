// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSharedPointer>
#include <QWidget>

class Empresa;
class Liquidacion;
class QLineEdit;
class QListWidget;
class QMdiSubWindow;
class frmPadre;

/// "Selección de Liquidaciones": lists the stored slips of a company and hands the chosen one to
/// the slip screen to consult it (mode 3) or to prepare a new slip from it (mode 1), or deletes it
/// (mode 2). Lives in its own window of the main window's work area.
class frmSelecLiquid : public QWidget
{
    Q_OBJECT
public:
    enum { ModoGenerar = 1, ModoEliminar = 2, ModoConsultar = 3 };

    /// Creates the screen for the main window's current company, whose slips the caller has just
    /// read, adds it to the work area and shows it.
    static frmSelecLiquid* Abrir(frmPadre& principal, int modo);

    frmSelecLiquid(frmPadre& principal, int modo, QWidget* parent = nullptr);

    int Modo() const { return m_modo; }
    /// IdLiquidacion of the entry last accepted; 0 before any.
    qint64 IdSeleccionada() const { return m_idSeleccionada; }

    /// Fills the list from the company's slip collection, selecting the first entry.
    void CargarLiquidaciones();
    /// The text of a slip's entry in the list.
    static QString TextoEntrada(Liquidacion& liq);

private:
    QMdiSubWindow* Ventana() const;
    /// Every time the screen becomes active: the list again from the collection, and centred.
    void Activar();
    void MostrarCifras();
    QSharedPointer<Liquidacion> Elegida() const;
    void Aceptar();
    void Borrar(const QSharedPointer<Liquidacion>& liq);
    void AbrirBoleta(const QSharedPointer<Liquidacion>& liq);
    void Ocultar();

    frmPadre& m_principal;
    const int m_modo;
    // The company the screen was opened for: choosing another one in the main window does not
    // turn this list into that company's.
    const QSharedPointer<Empresa> m_empresa;
    qint64 m_idSeleccionada = 0;
    QListWidget* m_lista = nullptr;
    QList<QLineEdit*> m_cifras;
};
