// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmConsRubro.h"

#include "shell/Dialogos.h"
#include "shell/Principal.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Columna { ColCodigo = 0, ColDescripcion = 1, ColPosicion = 2 };
}

frmConsRubro::frmConsRubro(QComboBox* rubros, Dialogos& dialogos, QWidget* parent)
    : QDialog(parent)
    , m_rubros(rubros)
    , m_dialogos(dialogos)
{
    setObjectName(QStringLiteral("frmConsRubro"));
    setWindowTitle(QStringLiteral("Consulta Rubros"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* lblBuscar = new QLabel(QStringLiteral("Ingrese el texto a buscar"), this);
    lblBuscar->setObjectName(QStringLiteral("lblBuscar"));
    m_txtBuscar = new QLineEdit(this);
    m_txtBuscar->setObjectName(QStringLiteral("txtBuscar"));
    lblBuscar->setBuddy(m_txtBuscar);
    m_cmdBuscar = new QPushButton(QStringLiteral("&Buscar"), this);
    m_cmdBuscar->setObjectName(QStringLiteral("cmdBuscar"));
    m_cmdBuscar->setEnabled(false);
    m_cmdBuscar->setAutoDefault(false);
    auto* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdCancelar->setAutoDefault(false);
    m_lblAyuda = new QLabel(QStringLiteral("Haga doble click sobre el rubro a seleccionar"), this);
    m_lblAyuda->setObjectName(QStringLiteral("lblAyuda"));
    m_lblAyuda->setVisible(false);

    m_grilla = new QTableWidget(0, 3, this);
    m_grilla->setObjectName(QStringLiteral("GridRubros"));
    m_grilla->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descripción"), QString()});
    m_grilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grilla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grilla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grilla->verticalHeader()->setVisible(false);
    m_grilla->setWordWrap(false);
    m_grilla->setColumnWidth(ColCodigo, 64);
    m_grilla->setColumnWidth(ColDescripcion, 600); // 9000 twips
    m_grilla->setColumnHidden(ColPosicion, true);   // the entry's position in the category list
    m_grilla->setMinimumSize(64 + 600 + 24, 260);

    // Once there is text to look for the button stays on: an empty search lists everything.
    connect(m_txtBuscar, &QLineEdit::textChanged, this, [this](const QString& texto) {
        if (!texto.isEmpty())
            m_cmdBuscar->setEnabled(true);
    });
    connect(m_txtBuscar, &QLineEdit::returnPressed, this, &frmConsRubro::Buscar);
    connect(m_cmdBuscar, &QPushButton::clicked, this, &frmConsRubro::Buscar);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::close);
    connect(m_grilla, &QTableWidget::cellDoubleClicked, this, [this](int fila, int) { Elegir(fila); });

    auto* busqueda = new QHBoxLayout;
    busqueda->addWidget(lblBuscar);
    busqueda->addWidget(m_txtBuscar, 1);
    busqueda->addWidget(m_cmdBuscar);
    busqueda->addWidget(cmdCancelar);
    auto* diseno = new QVBoxLayout(this);
    diseno->addLayout(busqueda);
    diseno->addWidget(m_lblAyuda);
    diseno->addWidget(m_grilla, 1);
}

void frmConsRubro::Buscar()
{
    m_grilla->setRowCount(0);
    m_lblAyuda->setVisible(false);
    if (!m_rubros)
        return;
    const QString buscado = m_txtBuscar->text().toUpper();
    QList<int> halladas;
    for (int i = 0; i < m_rubros->count(); ++i) {
        if (m_rubros->itemText(i).toUpper().contains(buscado))
            halladas.append(i);
    }
    // The rows are made at once: one by one, a search that finds most categories is felt.
    m_grilla->setRowCount(int(halladas.size()));
    for (int fila = 0; fila < halladas.size(); ++fila) {
        const int i = halladas.at(fila);
        const QString entrada = m_rubros->itemText(i).toUpper();
        const QString codigo = m_rubros->itemData(i).toString();
        m_grilla->setItem(fila, ColCodigo, new QTableWidgetItem(codigo));
        // The entry without " - " and the code: the padded description.
        m_grilla->setItem(fila, ColDescripcion, new QTableWidgetItem(entrada.left(entrada.size() - codigo.size() - 3)));
        m_grilla->setItem(fila, ColPosicion, new QTableWidgetItem(QString::number(i)));
    }
    if (m_grilla->rowCount() > 0)
        m_lblAyuda->setVisible(true);
    else
        m_dialogos.Mensaje(QStringLiteral("No hay datos para su selección"), QString(), Icono::Ninguno);
}

void frmConsRubro::Elegir(int fila)
{
    const QTableWidgetItem* posicion = m_grilla->item(fila, ColPosicion);
    if (!posicion || !m_rubros)
        return;
    m_rubros->setCurrentIndex(posicion->text().toInt());
    close();
}

bool frmConsRubro::event(QEvent* evento)
{
    const bool resultado = QDialog::event(evento);
    // Centred in the main window every time it becomes the active window.
    if ((evento->type() == QEvent::Show || evento->type() == QEvent::WindowActivate) && parentWidget())
        CentrarFormulario(this, parentWidget()->window());
    return resultado;
}
