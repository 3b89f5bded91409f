// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class Dialogos;
class ImpresoraSistema;
class Impresoras;
class Liquidacion;
class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QToolBar;

/// "Vista previa de la boleta": the pages printing the slip would produce, one per copy, drawn by
/// the printout's own page layers on a preview of the current printer, with zoom and page by page.
/// It only shows: nothing is stored, no declaration file is written and nothing is printed, and
/// the current printer and its settings stay as they were for the next printout.
class frmVistaPrevia : public QDialog
{
    Q_OBJECT
public:
    /// The preview of liq's copies as actual would print them. liq must outlive the dialog.
    frmVistaPrevia(const Liquidacion& liq, const ImpresoraSistema& actual, QWidget* parent = nullptr);
    ~frmVistaPrevia() override;

    /// The slip screens' command: a slip whose payment code cannot be built is refused with the
    /// message printing shows; otherwise the preview is drawn and shown modally. True when shown.
    static bool Mostrar(const Liquidacion& liq, Impresoras& impresoras, Dialogos& dialogos, QWidget* padre);

    /// Draws the copies again; false with the reason in UltimoError.
    bool Actualizar();
    QString UltimoError() const { return m_error; }
    int Paginas() const;
    int PaginaActual() const;
    QPrintPreviewWidget* Vista() const { return m_vista; }

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Dibujar(QPrinter* vista);
    void MostrarPagina();
    void IrA(int pagina);
    void AjustarBarra();

    const Liquidacion& m_liq;
    // The preview's own printer: the current one is never painted on.
    std::unique_ptr<QPrinter> m_impresora;
    QPrintPreviewWidget* m_vista = nullptr;
    QToolBar* m_barra = nullptr;
    QLabel* m_lblPagina = nullptr;
    QAction* m_anterior = nullptr;
    QAction* m_siguiente = nullptr;
    QString m_error;
};
