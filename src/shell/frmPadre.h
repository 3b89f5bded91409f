// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/printer/Impresoras.h"
#include "records/Empresa.h"
#include "records/ListaEmpresas.h"

#include <QMainWindow>
#include <QPointer>
#include <QSharedPointer>

class Dialogos;
class QComboBox;
class QMdiArea;
class QToolButton;
class frmAyuda;

/// The main window: a multi-document frame that holds every screen of the program. It owns the
/// stored companies and the current company, on which every slip command works.
class frmPadre : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmPadre(Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmPadre() override;

    QMdiArea* Area() const { return m_area; }
    Dialogos& Servicio() const { return m_dialogos; }
    /// The printers of the program and the current one, for every printout of the run.
    Impresoras& Impresion() { return m_impresoras; }

    /// Every stored company, in storage order; position p of the selector is item p + 1.
    const ListaEmpresas& ListaDeEmpresas() const { return m_listaDeEmpresas; }
    /// The company the slip commands work on; null until an entry of the selector is chosen.
    QSharedPointer<Empresa> EmpresaActual() const { return m_empresaActual; }

    /// Position of the selected entry of the company selector; -1 when none is selected.
    int PosicionEmpresa() const;
    /// Selects an entry of the company selector as the user would (it becomes the current company);
    /// -1 or a position out of range leaves the selector without a selection.
    void ElegirEmpresa(int posicion);

    /// Folder of the help pages (the pages carried in the program unless changed).
    QString CarpetaAyuda() const { return m_carpetaAyuda; }
    void setCarpetaAyuda(const QString& carpeta) { m_carpetaAyuda = carpeta; }

    static QString TextoNoDisponible();

public slots:
    /// Re-reads every stored company. The current company stays current only while it is still
    /// stored; one that is gone (deleted, or not in a restored database) is dropped. A failed read
    /// is told to the user with the driver's text, and the slip commands tell it again.
    void CargarEmpresas();
    /// Refills the selector from ListaDeEmpresas, leaving no entry selected.
    void MostrarEmpresas();
    /// Selects the entry after the selected one, wrapping to the first ("Empresa" button).
    void SiguienteEmpresa();

    void MantenimientoEmpresas();
    void NuevaBoletaNormal();
    void NuevaBoletaExtra();
    void ConsultarBoletas();
    void GenerarAPartirDeAnterior();
    void BorrarBoletas();

    void SeleccionarImpresora();
    /// "Configuración de Correo": the outgoing mail server, modal.
    void ConfiguracionCorreo();
    void CopiaDeSeguridad();
    void RestaurarCopia();
    void Calculadora();
    void BlockDeNotas();
    void AyudaDelSistema();
    void AcercaDe();
    void Salir();

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private slots:
    void EmpresaSeleccionada(int posicion);

private:
    void RecordarUltimaEmpresa();
    /// Reads the current company's employees; a failure is told to the user.
    void CargarEmpleados();
    void ErrorDeLectura(const QString& texto);
    bool HayEmpresaActual();
    void NoDisponible();

    Dialogos& m_dialogos;
    QMdiArea* m_area = nullptr;
    QComboBox* m_cboEmpresas = nullptr;
    ListaEmpresas m_listaDeEmpresas;
    QSharedPointer<Empresa> m_empresaActual;
    QString m_errorLectura; // why the last CargarEmpresas could not read the companies; empty when it could
    QString m_carpetaAyuda;
    QPointer<frmAyuda> m_ayuda;
    Impresoras m_impresoras;
};
