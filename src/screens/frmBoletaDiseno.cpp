// SPDX-License-Identifier: GPL-3.0-or-later
// The layout the two slip screens share: period frame, the two tabs and the lower bar. Every
// widget carries the name the rest of the program and the tests use.
#include "frmBoleta.h"

#include "ModeloEmpleadosBoleta.h"
#include "ValidadorLargo.h"
#include "liquidation/Liquidacion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QLabel* Rotulo(const QString& texto, QWidget* padre, bool ajustado = false)
{
    auto* rotulo = new QLabel(texto, padre);
    rotulo->setWordWrap(ajustado);
    return rotulo;
}

QPushButton* Boton(const QString& texto, const QString& nombre, QWidget* padre)
{
    auto* boton = new QPushButton(texto, padre);
    boton->setObjectName(nombre);
    boton->setAutoDefault(false);
    return boton;
}

QLabel* Titulo(const QString& texto, QWidget* padre)
{
    auto* rotulo = Rotulo(texto, padre);
    rotulo->setAlignment(Qt::AlignCenter);
    QFont letra = rotulo->font();
    letra.setBold(true);
    rotulo->setFont(letra);
    return rotulo;
}

constexpr int AnchoImporte = 82;

} // namespace

CampoImporteBoleta* frmBoleta::NuevoCampo(Campo campo, const QString& nombre, int decimales)
{
    auto* c = new CampoImporteBoleta(decimales, this);
    c->setObjectName(nombre);
    c->setFixedWidth(AnchoImporte);
    c->setMaxLength(15);
    m_campos[campo] = c;
    connect(c, &CampoImporteBoleta::importeAceptado, this, [this, campo]() { ValidarCampo(campo); });
    connect(c, &QLineEdit::textEdited, this, [this, campo](const QString& texto) {
        m_cambios = true;
        if (campo == Coef)
            CambiarCoeficiente(texto);
    });
    return c;
}

QLineEdit* frmBoleta::NuevoTexto(const QString& nombre, int largo)
{
    auto* t = new QLineEdit(this);
    t->setObjectName(nombre);
    ValidadorLargo::Limitar(t, largo); // the stored column's width, in characters
    m_textos.append(t);
    connect(t, &QLineEdit::textEdited, this, [this, t]() { CambiarTexto(t); });
    return t;
}

QLabel* frmBoleta::NuevaCifra(const QString& nombre)
{
    auto* l = new QLabel(this);
    l->setObjectName(nombre);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumWidth(AnchoImporte - 8);
    return l;
}

void frmBoleta::Construir(const Textos& textos)
{
    setWindowTitle(textos.titulo);
    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(6, 4, 6, 6);
    principal->setSpacing(4);

    auto* arriba = new QHBoxLayout;
    auto* encabezado = Titulo(textos.encabezado, this);
    encabezado->setObjectName(QStringLiteral("lblEncabezado"));
    QFont grande = encabezado->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.25);
    encabezado->setFont(grande);
    arriba->addWidget(encabezado, 1);
    arriba->addWidget(ConstruirPeriodo());
    principal->addLayout(arriba);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabBoleta"));
    m_tabs->addTab(ConstruirDeposito(), QStringLiteral("Boleta de Deposito"));
    m_tabs->addTab(ConstruirEmpleados(), QStringLiteral("Detalle Empleados"));
    principal->addWidget(m_tabs, 1);
    principal->addWidget(ConstruirBarra());

    m_cmdMandaSuc->setText(textos.envio);
    m_cmdMandaSuc->setToolTip(textos.tipEnvio);
    if (!textos.conBorrar) {
        delete m_cmdBorrar;
        m_cmdBorrar = nullptr;
    }
    for (auto* campo : m_campos)
        campo->setFiltro(textos.filtro);
}

QWidget* frmBoleta::ConstruirPeriodo()
{
    m_fraPeriodo = new QGroupBox(QStringLiteral(" Período a Pagar"), this);
    m_fraPeriodo->setObjectName(QStringLiteral("fraPeriodo"));
    auto* fila = new QHBoxLayout(m_fraPeriodo);
    fila->setContentsMargins(6, 2, 6, 4);
    auto flechas = [this, fila](const QString& nombre, QLabel*& valor, int ancho, auto mover) {
        auto* atras = Boton(QStringLiteral("<"), QStringLiteral("cmd%1Anterior").arg(nombre), m_fraPeriodo);
        auto* adelante = Boton(QStringLiteral(">"), QStringLiteral("cmd%1Siguiente").arg(nombre), m_fraPeriodo);
        for (auto* b : {atras, adelante})
            b->setFixedWidth(24);
        valor = new QLabel(m_fraPeriodo);
        valor->setObjectName(QStringLiteral("lbl%1").arg(nombre));
        valor->setAlignment(Qt::AlignCenter);
        valor->setFrameShape(QFrame::StyledPanel);
        valor->setFixedWidth(ancho);
        fila->addWidget(atras);
        fila->addWidget(valor);
        fila->addWidget(adelante);
        connect(atras, &QPushButton::clicked, this, [mover]() { mover(-1); });
        connect(adelante, &QPushButton::clicked, this, [mover]() { mover(1); });
    };
    flechas(QStringLiteral("Mes"), m_lblMes, 30, [this](int paso) { MoverMes(paso); });
    fila->addSpacing(6);
    flechas(QStringLiteral("Anio"), m_lblAnio, 44, [this](int paso) { MoverAnio(paso); });
    fila->addSpacing(6);
    m_cboRectif = new QComboBox(m_fraPeriodo);
    m_cboRectif->setObjectName(QStringLiteral("cboRectif"));
    m_cboRectif->setMinimumContentsLength(16);
    fila->addWidget(m_cboRectif);
    connect(m_cboRectif, qOverload<int>(&QComboBox::activated), this, [this](int indice) {
        m_cambios = true;
        ElegirDeclaracion(indice);
    });
    return m_fraPeriodo;
}

QWidget* frmBoleta::ConstruirDeposito()
{
    auto* hoja = new QWidget(this);
    hoja->setObjectName(QStringLiteral("tabDeposito"));
    auto* g = new QGridLayout(hoja);
    g->setContentsMargins(6, 6, 6, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    g->setColumnMinimumWidth(3, 6);
    g->setColumnStretch(0, 1);
    g->setColumnStretch(4, 1);

    g->addWidget(Titulo(QStringLiteral("Calculado"), hoja), 0, 1);
    g->addWidget(Titulo(QStringLiteral("A Depositar"), hoja), 0, 2);
    g->addWidget(Titulo(QStringLiteral("Detalle"), hoja), 0, 5);
    auto* columnaActa = Titulo(m_textosBase.columnaActa, hoja);
    columnaActa->setObjectName(QStringLiteral("lblColumnaActa"));
    g->addWidget(columnaActa, 0, 6);

    const QString adeudados[4] = {QStringLiteral("lblAporteCalculado05_0"), QStringLiteral("lblAporteCalculado05_1"),
                                  QStringLiteral("lblAporteCalculado05_2"), QStringLiteral("lblRecargo")};
    const QString rotulos[4] = {m_textosBase.aporte2, m_textosBase.aporteFCM, m_textosBase.cuota,
                                QStringLiteral("Recargo")};
    const QString nombres[4] = {QStringLiteral("dos"), QStringLiteral("txtPagadoFCM"), QStringLiteral("txtPagadoCuota"),
                                QStringLiteral("txtPagadoRecargo")};
    for (int i = 0; i < 4; ++i) {
        auto* rotulo = Rotulo(rotulos[i], hoja, true);
        rotulo->setObjectName(QStringLiteral("lblConcepto%1").arg(i));
        rotulo->setMinimumWidth(150);
        g->addWidget(rotulo, i + 1, 0);
        m_adeudados[i] = NuevaCifra(adeudados[i]);
        if (i < 3)
            m_adeudados[i]->setProperty("Index", i);
        m_adeudados[i]->setToolTip(QStringLiteral("Doble clic: depositar lo calculado"));
        m_adeudados[i]->installEventFilter(this);
        g->addWidget(m_adeudados[i], i + 1, 1);
        g->addWidget(NuevoCampo(Campo(i), nombres[i]), i + 1, 2);
    }
    g->addWidget(Rotulo(QStringLiteral("Coeficiente de Recargo"), hoja, true), 5, 0, 1, 2);
    auto* coef = NuevoCampo(Coef, QStringLiteral("txtCoef"), 4);
    coef->setToolTip(QStringLiteral("Consulte el coeficiente de recargo de acuerdo al periodo adeudado"));
    g->addWidget(coef, 5, 2);

    // Free concepts: a description and its amount.
    m_txtOtrosConceptos = NuevoTexto(QStringLiteral("txtOtrosConceptos"), 50);
    m_txtNroReq = NuevoTexto(QStringLiteral("txtNroReq"), 50);
    m_txtOCCreditos = NuevoTexto(QStringLiteral("txtOCCreditos"), 50);
    auto* acta = Rotulo(m_textosBase.acta, hoja);
    acta->setObjectName(QStringLiteral("lblActa"));
    g->addWidget(Rotulo(QStringLiteral("Otros Conceptos"), hoja, true), 1, 4);
    g->addWidget(m_txtOtrosConceptos, 1, 5);
    g->addWidget(NuevoCampo(Otros, QStringLiteral("txtPagadoOtros")), 1, 6);
    g->addWidget(acta, 2, 4);
    g->addWidget(m_txtNroReq, 2, 5);
    g->addWidget(NuevoCampo(Req, QStringLiteral("txtPagadoRec")), 2, 6);
    g->addWidget(Rotulo(QStringLiteral("Conceptos a favor aportante"), hoja, true), 3, 4);
    g->addWidget(m_txtOCCreditos, 3, 5);
    g->addWidget(Rotulo(QStringLiteral("Crédito"), hoja), 4, 5, Qt::AlignRight);
    g->addWidget(NuevoCampo(Credito, QStringLiteral("txtCred")), 4, 6);
    g->addWidget(Rotulo(QStringLiteral("Cuota Nº"), hoja), 5, 4);
    g->addWidget(NuevoTexto(QStringLiteral("txtNroCuota"), 50), 5, 5);
    g->addWidget(Rotulo(QStringLiteral("Inspector"), hoja), 6, 4);
    g->addWidget(NuevoTexto(QStringLiteral("txtInspector"), 50), 6, 5, 1, 2);

    g->addWidget(Rotulo(QStringLiteral("Forma de Pago"), hoja), 6, 0);
    m_cboForma = new QComboBox(hoja);
    m_cboForma->setObjectName(QStringLiteral("cboForma"));
    m_cboForma->addItems({QStringLiteral("Efectivo"), QStringLiteral("Cheque")});
    g->addWidget(m_cboForma, 6, 1, 1, 2);
    m_fraCheque = new QWidget(hoja);
    m_fraCheque->setObjectName(QStringLiteral("fraCheque"));
    auto* cheque = new QHBoxLayout(m_fraCheque);
    cheque->setContentsMargins(0, 0, 0, 0);
    cheque->addWidget(Rotulo(QStringLiteral("Banco"), m_fraCheque));
    cheque->addWidget(NuevoTexto(QStringLiteral("txtBanco"), 50), 2);
    cheque->addWidget(Rotulo(QStringLiteral("Cheque"), m_fraCheque));
    auto* nroCheque = NuevoTexto(QStringLiteral("txtCheque"), 20);
    cheque->addWidget(nroCheque, 1);
    g->addWidget(m_fraCheque, 7, 0, 1, 7);

    // Counts and remunerations of the period.
    g->addWidget(Titulo(QStringLiteral("Cantidad"), hoja), 8, 1);
    g->addWidget(Titulo(QStringLiteral("Remuneraciones"), hoja), 8, 2);
    g->addWidget(Titulo(QStringLiteral("Cantidad"), hoja), 8, 5);
    g->addWidget(Titulo(QStringLiteral("Remuneraciones"), hoja), 8, 6);
    g->addWidget(Rotulo(QStringLiteral("Empleados"), hoja), 9, 0);
    g->addWidget(m_cifras[0] = NuevaCifra(QStringLiteral("lblCantEmp")), 9, 1);
    g->addWidget(m_cifras[2] = NuevaCifra(QStringLiteral("lblRemunEmp")), 9, 2);
    g->addWidget(Rotulo(QStringLiteral("Afiliados"), hoja), 9, 4);
    g->addWidget(m_cifras[1] = NuevaCifra(QStringLiteral("lblCantAfi")), 9, 5);
    g->addWidget(m_cifras[3] = NuevaCifra(QStringLiteral("lblRemunAfi")), 9, 6);

    m_lblTotal = new QLabel(hoja);
    m_lblTotal->setObjectName(QStringLiteral("lblTotal"));
    m_lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont letra = m_lblTotal->font();
    letra.setBold(true);
    letra.setPointSizeF(letra.pointSizeF() * 1.3);
    m_lblTotal->setFont(letra);
    g->addWidget(m_lblTotal, 10, 0, 1, 7);
    g->setRowStretch(11, 1);

    connect(m_cboForma, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int indice) {
        if (m_liq && indice >= 0 && m_liq->FormaPago() != indice) {
            m_liq->setFormaPago(indice);
            m_cambios = true;
        }
        m_fraCheque->setVisible(indice > 0);
    });
    return hoja;
}

QWidget* frmBoleta::ConstruirEmpleados()
{
    auto* hoja = new QWidget(this);
    hoja->setObjectName(QStringLiteral("tabEmpleados"));
    auto* v = new QVBoxLayout(hoja);
    v->setContentsMargins(6, 6, 6, 6);
    // The period's counts and remunerations, as on the first tab.
    auto* cifras = new QGridLayout;
    cifras->setVerticalSpacing(2);
    const QString nombres[4] = {QStringLiteral("lblCantEmpl2"), QStringLiteral("lblCantAfi2"),
                                QStringLiteral("lblRemunEmpl2"), QStringLiteral("lblRemunAfi2")};
    for (int lado = 0; lado < 2; ++lado) {
        const int c = lado * 4;
        cifras->addWidget(Titulo(QStringLiteral("Cantidad"), hoja), 0, c + 1);
        cifras->addWidget(Titulo(QStringLiteral("Remuneraciones"), hoja), 0, c + 2);
        cifras->addWidget(Rotulo(lado == 0 ? QStringLiteral("Empleados") : QStringLiteral("Afiliados"), hoja), 1, c);
        cifras->addWidget(m_cifras[4 + lado] = NuevaCifra(nombres[lado]), 1, c + 1);
        cifras->addWidget(m_cifras[6 + lado] = NuevaCifra(nombres[2 + lado]), 1, c + 2);
    }
    cifras->setColumnMinimumWidth(3, 12);
    cifras->setColumnStretch(3, 1);
    v->addLayout(cifras);

    m_grilla = new QTableView(hoja);
    m_grilla->setObjectName(QStringLiteral("GridEmpl"));
    m_grilla->setModel(m_modelo);
    m_grilla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grilla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grilla->verticalHeader()->setVisible(false);
    m_grilla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grilla->verticalHeader()->setDefaultSectionSize(m_grilla->fontMetrics().height() + 4);
    const int anchos[] = {100, 180, 95, 80, 65, 105, 110, 90, 110};
    for (int c = 0; c < m_modelo->columnCount(); ++c)
        m_grilla->setColumnWidth(c, anchos[c]);
    v->addWidget(m_grilla, 1);

    auto* botones = new QHBoxLayout;
    m_cmdAgregar = Boton(QStringLiteral("&Agregar"), QStringLiteral("cmdAgregar"), hoja);
    m_cmdModificar = Boton(QStringLiteral("&Modificar"), QStringLiteral("cmdModificar"), hoja);
    m_cmdBorrar = Boton(QStringLiteral("&Borrar"), QStringLiteral("cmdBorrar"), hoja);
    botones->addStretch();
    for (auto* b : {m_cmdAgregar, m_cmdModificar, m_cmdBorrar})
        botones->addWidget(b);
    v->addLayout(botones);

    connect(m_grilla->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this]() { AlSeleccionar(); });
    connect(m_grilla, &QTableView::doubleClicked, this, [this]() {
        if (m_modo != 2)
            ModificarEmpleado();
    });
    connect(m_cmdAgregar, &QPushButton::clicked, this, &frmBoleta::Agregar);
    connect(m_cmdModificar, &QPushButton::clicked, this, &frmBoleta::ModificarEmpleado);
    connect(m_cmdBorrar, &QPushButton::clicked, this, &frmBoleta::Borrar);
    return hoja;
}

QWidget* frmBoleta::ConstruirBarra()
{
    auto* barra = new QWidget(this);
    auto* h = new QHBoxLayout(barra);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(Rotulo(QStringLiteral("Copias"), barra));
    m_cboCopias = new QComboBox(barra);
    m_cboCopias->setObjectName(QStringLiteral("cboCopias"));
    for (int i = 1; i <= 5; ++i)
        m_cboCopias->addItem(QString::number(i));
    h->addWidget(m_cboCopias);
    h->addStretch();
    m_cmdGrabar = Boton(QStringLiteral("&Grabar"), QStringLiteral("cmdGrabar"), barra);
    m_cmdMandaSuc = Boton(QString(), QStringLiteral("cmdMandaSuc"), barra);
    m_cmdImprimir = Boton(QStringLiteral("&Imprimir"), QStringLiteral("cmdImprimir"), barra);
    m_cmdVistaPrevia = Boton(QStringLiteral("&Vista previa"), QStringLiteral("cmdVistaPrevia"), barra);
    m_cmdSucur = Boton(QStringLiteral("Em&pleados"), QStringLiteral("cmdSucur"), barra);
    m_cmdSucur->setToolTip(QStringLiteral("Detalle analitico de empleados"));
    m_cmdCancelar = Boton(QStringLiteral("&Cerrar"), QStringLiteral("cmdCancelar"), barra);
    for (auto* b : {m_cmdGrabar, m_cmdMandaSuc, m_cmdImprimir, m_cmdVistaPrevia, m_cmdSucur, m_cmdCancelar})
        h->addWidget(b);

    connect(m_cboCopias, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int indice) {
        if (m_liq)
            m_liq->setBoletasAImprimir(indice + 1);
    });
    connect(m_cmdGrabar, &QPushButton::clicked, this, [this]() { Grabar(); });
    connect(m_cmdImprimir, &QPushButton::clicked, this, [this]() { Imprimir(); });
    connect(m_cmdVistaPrevia, &QPushButton::clicked, this, [this]() { VistaPrevia(); });
    connect(m_cmdMandaSuc, &QPushButton::clicked, this, [this]() { EnviarDatos(); });
    connect(m_cmdSucur, &QPushButton::clicked, this, [this]() { m_tabs->setCurrentIndex(1); });
    connect(m_cmdCancelar, &QPushButton::clicked, this, [this]() {
        if (auto* ventana = Ventana())
            ventana->close();
        else
            close();
    });
    return barra;
}
