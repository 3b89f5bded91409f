// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmListaEmpleados.h"

#include "AvisosImportacionPantalla.h"
#include "ModeloEmpleados.h"
#include "frmEmpleados.h"
#include "import/Importacion.h"
#include "import/ListadoEmpleados.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "shell/CursorOcupado.h"
#include "shell/Dialogos.h"
#include "shell/Plataforma.h"
#include "shell/Principal.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString TituloImportacion = QStringLiteral("IMPORTACION DE EMPLEADOS");
} // namespace

frmListaEmpleados::frmListaEmpleados(const QSharedPointer<Empresa>& empresa, Dialogos& dialogos, QWidget* parent)
    : QDialog(parent)
    , m_empresa(empresa)
    , m_dialogos(dialogos)
{
    setObjectName(QStringLiteral("frmListaEmpleados"));
    setWindowTitle(QStringLiteral("Lista Empleados Empresa ") + (m_empresa ? m_empresa->Nombre() : QString()));
    setModal(true);
    CrearControles();
    Cargar();
}

void frmListaEmpleados::CrearControles()
{
    m_modelo = new ModeloEmpleados(this);
    m_grilla = new QTableView(this);
    m_grilla->setObjectName(QStringLiteral("GridEmpleados"));
    m_grilla->setModel(m_modelo);
    m_grilla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grilla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grilla->setWordWrap(false);
    m_grilla->verticalHeader()->setVisible(false);
    m_grilla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grilla->verticalHeader()->setDefaultSectionSize(m_grilla->fontMetrics().height() + 6);
    // The header texts' trailing spaces set the widths: nothing is measured row by row.
    const int ancho = m_grilla->fontMetrics().averageCharWidth();
    for (int c = 0; c < ModeloEmpleados::CantidadColumnas; ++c)
        m_grilla->setColumnWidth(c, (ModeloEmpleados::Encabezado(c).size() + 1) * ancho);

    const auto boton = [this](const QString& texto, const QString& nombre) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        b->setAutoDefault(false);
        return b;
    };
    auto* cmdAgregar = boton(QStringLiteral("&Agregar"), QStringLiteral("cmdAgregar"));
    m_cmdModificar = boton(QStringLiteral("&Modificar"), QStringLiteral("cmdModificar"));
    m_cmdBorrar = boton(QStringLiteral("&Borrar"), QStringLiteral("cmdBorrar"));
    auto* cmdSalir = boton(QStringLiteral("&Salir"), QStringLiteral("cmdSalir"));
    auto* cmdImportacion = boton(QStringLiteral("&Importacion  "), QStringLiteral("cmdImportacion"));
    auto* cmdListar = boton(QStringLiteral("&Listar"), QStringLiteral("cmdListar"));
    const auto enlace = [this](const QString& texto, const QString& nombre) {
        auto* l = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(nombre, texto.toHtmlEscaped()), this);
        l->setObjectName(nombre);
        l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        return l;
    };
    auto* lblFormatoTexto = enlace(QStringLiteral("Formato Importación de Texto"), QStringLiteral("lblFormatoTexto"));
    auto* lblFormatoExcel = enlace(QStringLiteral("Formato Importación Excel"), QStringLiteral("lblFormatoExcel"));

    auto* enlaces = new QVBoxLayout;
    enlaces->addWidget(lblFormatoTexto);
    enlaces->addWidget(lblFormatoExcel);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {cmdAgregar, m_cmdModificar, m_cmdBorrar, cmdImportacion, cmdListar})
        botones->addWidget(b);
    botones->addLayout(enlaces);
    botones->addStretch();
    botones->addWidget(cmdSalir);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(m_grilla, 1);
    principal->addLayout(botones);
    resize(780, 500);

    connect(m_grilla->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) { Seleccionar(actual.isValid() ? actual.row() : -1); });
    connect(m_grilla, &QTableView::clicked, this, [this](const QModelIndex& i) { Seleccionar(i.row()); });
    connect(m_grilla->horizontalHeader(), &QHeaderView::sectionClicked, this, [this]() {
        m_grilla->clearSelection();
        Seleccionar(-1);
    });
    connect(m_grilla, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        Seleccionar(i.row());
        Modificar();
    });
    connect(cmdAgregar, &QPushButton::clicked, this, &frmListaEmpleados::Agregar);
    connect(m_cmdModificar, &QPushButton::clicked, this, &frmListaEmpleados::Modificar);
    connect(m_cmdBorrar, &QPushButton::clicked, this, &frmListaEmpleados::Borrar);
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdImportacion, &QPushButton::clicked, this, &frmListaEmpleados::Importar);
    connect(cmdListar, &QPushButton::clicked, this, &frmListaEmpleados::Listar);
    connect(lblFormatoTexto, &QLabel::linkActivated, this, [this]() {
        AbrirFormato(QString::fromLatin1(DocumentoTexto),
                     QStringLiteral("No se pudo abrir el documento. Debe instalar MS Word para visualizarlo."));
    });
    connect(lblFormatoExcel, &QLabel::linkActivated, this, [this]() {
        AbrirFormato(QString::fromLatin1(DocumentoExcel),
                     QStringLiteral("No se pudo abrir el documento. Debe instalar MS Excel para visualizarlo."));
    });
}

void frmListaEmpleados::Cargar()
{
    if (m_empresa && BaseDatos) {
        CursorOcupado ocupado;
        if (!m_empresa->CargarListaEmpleados(*BaseDatos))
            m_dialogos.Mensaje(QStringLiteral("No se pudo leer la lista de empleados de la empresa.\n")
                                   + BaseDatos->UltimoError(),
                               QStringLiteral("ERROR"), Icono::Critico);
    }
    if (m_empresa)
        m_modelo->Llenar(m_empresa->ListaBaseEmpleados());
    Seleccionar(-1);
}

void frmListaEmpleados::Seleccionar(int fila)
{
    m_seleccionado = m_modelo->EmpleadoDeFila(fila);
    bool puedeBorrarse = false;
    if (m_seleccionado) {
        m_seleccionado->setEmpresa(m_empresa);
        puedeBorrarse = BaseDatos && m_seleccionado->PuedeEliminarse(*BaseDatos);
    }
    m_cmdBorrar->setVisible(puedeBorrarse);
    m_cmdModificar->setEnabled(!m_seleccionado.isNull());
    m_cmdBorrar->setEnabled(!m_seleccionado.isNull());
}

void frmListaEmpleados::Agregar()
{
    auto empleado = QSharedPointer<Empleado>::create();
    empleado->setEmpresa(m_empresa);
    frmEmpleados edicion(m_dialogos, this);
    edicion.setEmpleado(empleado);
    edicion.exec();
    if (empleado->Nombre().isEmpty())
        return;
    Cargar();
    if (m_modelo->rowCount() > 0)
        m_grilla->selectRow(m_modelo->rowCount() - 1);
}

void frmListaEmpleados::Modificar()
{
    if (!m_seleccionado)
        return;
    const int fila = m_grilla->currentIndex().row();
    frmEmpleados edicion(m_dialogos, this);
    edicion.setEmpleado(m_seleccionado);
    edicion.exec();
    // The edited object is the list's own, read back on closing: the list shows what is stored.
    m_modelo->Llenar(m_empresa->ListaBaseEmpleados());
    if (fila >= 0 && fila < m_modelo->rowCount())
        m_grilla->selectRow(fila);
    else
        Seleccionar(-1);
}

void frmListaEmpleados::Borrar()
{
    if (!m_seleccionado || m_modelo->rowCount() == 0 || !BaseDatos)
        return;
    if (!m_seleccionado->Borrar(*BaseDatos))
        m_dialogos.Mensaje(QStringLiteral("No se pudo borrar el empleado.\n") + BaseDatos->UltimoError(),
                           QStringLiteral("ERROR"), Icono::Critico);
    // The grid is read again and nothing stays selected: a deleted employee can no longer be
    // modified (saving it would store it again) or deleted twice.
    Cargar();
}

void frmListaEmpleados::Importar()
{
    if (!m_empresa || !BaseDatos)
        return;
    const QString archivo = m_dialogos.ArchivoParaAbrir(
        QStringLiteral("Importar Lista de Empleados desde Archivo de Texto u Hoja Excel"), QString(), QString(),
        FiltroArchivosImportacion());
    if (archivo.isEmpty())
        return;
    if (FormatoDeArchivo(archivo) == FormatoImportacion::Ninguno) {
        m_dialogos.Mensaje(QStringLiteral("Debe seleccionar un archivo de texto o una hoja Excel con el formato "
                                          "especificado para proceder a la importación."),
                           QStringLiteral("ERROR DE FORMATO"), Icono::Critico);
        return;
    }
    AvisosImportacionPantalla avisos(m_dialogos);
    bool procesado = false;
    {
        CursorOcupado ocupado;
        procesado = ImportarEmpleados(*m_empresa, *BaseDatos, archivo, &avisos);
    }
    if (procesado)
        m_dialogos.Mensaje(QStringLiteral("Se ha procesado correctamente la lista de empleados para la empresa ")
                               + m_empresa->Nombre(),
                           TituloImportacion, Icono::Informacion);
    else
        m_dialogos.Mensaje(QStringLiteral("No se pudo procesar la lista de empleados para la empresa ")
                               + m_empresa->Nombre() + QStringLiteral("\n") + BaseDatos->UltimoError(),
                           TituloImportacion, Icono::Critico);
    // The import has reloaded the company's list, also after a failure (rows before it are stored).
    m_modelo->Llenar(m_empresa->ListaBaseEmpleados());
    Seleccionar(-1);
}

QString frmListaEmpleados::NombreListado() const
{
    // The CUIT names the company without characters a file name cannot hold.
    return QStringLiteral("Empleados %1.xlsx").arg(m_empresa ? m_empresa->CUIT() : QString());
}

void frmListaEmpleados::Listar()
{
    if (!m_empresa)
        return;
    const QString carpeta = CarpetaTemporalUsuario();
    const QString archivo = QDir(carpeta).filePath(NombreListado());
    QString motivo;
    bool grabado = false;
    {
        CursorOcupado ocupado;
        if (carpeta.isEmpty())
            motivo = QStringLiteral("No hay una carpeta temporal donde escribirlo.");
        else
            grabado = GrabarListadoEmpleados(*m_empresa, archivo, motivo);
    }
    if (!grabado) {
        m_dialogos.Mensaje(QStringLiteral("No se pudo generar el listado de empleados.\n") + motivo,
                           QStringLiteral("ERROR"), Icono::Critico);
        return;
    }
    if (!AbrirDocumento(archivo))
        m_dialogos.Mensaje(QStringLiteral("No se encontró un programa de planillas de cálculo para abrir el listado "
                                          "de empleados. El listado quedó guardado en:\n")
                               + QDir::toNativeSeparators(archivo),
                           QStringLiteral("LISTADO DE EMPLEADOS"), Icono::Informacion);
}

void frmListaEmpleados::AbrirFormato(const QString& documento, const QString& mensajeError)
{
    bool abierto = false;
    {
        CursorOcupado ocupado;
        QFile recurso(QStringLiteral(":/formatos/") + documento);
        const QString carpeta = CarpetaPrograma();
        const QString destino = QDir(carpeta).filePath(documento);
        if (!carpeta.isEmpty() && recurso.open(QIODevice::ReadOnly)) {
            // A copy left by an earlier version (or edited by the user) is replaced as a whole.
            QSaveFile salida(destino);
            abierto = salida.open(QIODevice::WriteOnly) && salida.write(recurso.readAll()) == recurso.size()
                && salida.commit() && AbrirDocumento(destino);
        }
    }
    if (!abierto)
        m_dialogos.Mensaje(mensajeError, QStringLiteral("ERROR"), Icono::Critico);
}

void frmListaEmpleados::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (parentWidget())
        CentrarFormulario(this, parentWidget()->window());
    // The grid would make its first row current when it takes the focus: the screen opens with
    // nobody selected.
    if (!m_grilla->currentIndex().isValid())
        findChild<QPushButton*>(QStringLiteral("cmdAgregar"))->setFocus();
}
