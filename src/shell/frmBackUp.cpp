// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmBackUp.h"

#include "CursorOcupado.h"
#include "Dialogos.h"
#include "Pantalla.h"
#include "Principal.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

frmBackUp::frmBackUp(Dialogos& dialogos, Conexion& bd, QWidget* parent)
    : QDialog(parent)
    , m_dialogos(dialogos)
    , m_copia(bd)
{
    setObjectName(QStringLiteral("frmBackUp"));
    setWindowTitle(QStringLiteral("Copia de Seguridad"));

    m_unidades = new QListWidget(this);
    m_unidades->setObjectName(QStringLiteral("lstUnidades"));
    m_modelo = new QFileSystemModel(this);
    m_modelo->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_modelo->setReadOnly(true);
    m_arbol = new QTreeView(this);
    m_arbol->setObjectName(QStringLiteral("arbolCarpetas"));
    m_arbol->setModel(m_modelo);
    for (int columna = 1; columna < m_modelo->columnCount(); ++columna)
        m_arbol->hideColumn(columna);
    m_arbol->setHeaderHidden(true);
    m_arbol->setSelectionMode(QAbstractItemView::SingleSelection);

    m_lblDestino = new QLabel(this);
    m_lblDestino->setObjectName(QStringLiteral("lblDestino"));
    m_lblDestino->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblDestino->setFrameShape(QFrame::StyledPanel);
    m_lblDestino->setMinimumHeight(m_lblDestino->fontMetrics().height() + 8);

    auto* cmdCopiar = new QPushButton(QStringLiteral("C&opiar"), this);
    cmdCopiar->setObjectName(QStringLiteral("cmdCopiar"));
    cmdCopiar->setDefault(true);
    auto* cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    connect(cmdCopiar, &QPushButton::clicked, this, &frmBackUp::Copiar);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* rejilla = new QGridLayout;
    rejilla->addWidget(new QLabel(QStringLiteral("Unidad:"), this), 0, 0);
    rejilla->addWidget(new QLabel(QStringLiteral("Carpeta:"), this), 0, 1);
    rejilla->addWidget(m_unidades, 1, 0);
    rejilla->addWidget(m_arbol, 1, 1);
    rejilla->setColumnStretch(1, 2);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdCopiar);
    botones->addWidget(cmdCancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(rejilla);
    columna->addWidget(new QLabel(QStringLiteral("La copia se guardará en:"), this));
    columna->addWidget(m_lblDestino);
    columna->addLayout(botones);
    resize(640, 420); // within the main window's client area on an 800 × 600 screen

    LlenarUnidades();
    connect(m_unidades, &QListWidget::currentRowChanged, this, &frmBackUp::UnidadElegida);
    connect(m_arbol->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmBackUp::CarpetaMarcada);
    // Folders are read and sorted in the background: keep the chosen one in sight as they arrive,
    // until the user takes over the list.
    connect(m_modelo, &QFileSystemModel::directoryLoaded, this, &frmBackUp::MostrarCarpetaElegida);
    connect(m_modelo, &QFileSystemModel::layoutChanged, this, &frmBackUp::MostrarCarpetaElegida);
    connect(m_modelo, &QFileSystemModel::rowsInserted, this, &frmBackUp::MostrarCarpetaElegida);
    connect(m_arbol, &QTreeView::pressed, this, [this] { m_seguirCarpeta = false; });

    // Opens on the backup folder beside the database, created here when missing.
    const QString respaldo = m_copia.CarpetaRespaldo();
    ElegirCarpeta(respaldo.isEmpty() ? m_copia.CarpetaOperativa() : respaldo);
}

void frmBackUp::LlenarUnidades()
{
    QFileIconProvider iconos;
    QStringList vistas;
    for (const QStorageInfo& volumen : QStorageInfo::mountedVolumes()) {
        const QString raiz = volumen.rootPath();
        if (vistas.contains(raiz) || !QFileInfo(raiz).isDir())
            continue;
        vistas << raiz;
        QString texto = QDir::toNativeSeparators(raiz);
        if (!volumen.name().isEmpty() && volumen.name() != raiz)
            texto += QStringLiteral("  [%1]").arg(volumen.name());
        if (volumen.isValid() && volumen.isReady())
            texto += QStringLiteral("  — %1 libres").arg(QLocale().formattedDataSize(volumen.bytesAvailable()));
        auto* item = new QListWidgetItem(iconos.icon(QFileIconProvider::Drive), texto, m_unidades);
        item->setData(Qt::UserRole, raiz);
    }
}

bool frmBackUp::ElegirCarpeta(const QString& carpeta)
{
    const QFileInfo info(carpeta);
    if (!info.isDir())
        return false;
    const QString ruta = info.canonicalFilePath();
    const QString raiz = QStorageInfo(ruta).rootPath();
    for (int i = 0; i < m_unidades->count(); ++i) {
        if (m_unidades->item(i)->data(Qt::UserRole).toString() != raiz)
            continue;
        if (m_unidades->currentRow() != i)
            m_unidades->setCurrentRow(i); // shows the volume's folders
        if (ruta == raiz)
            return true;
        const QModelIndex indice = m_modelo->index(ruta);
        if (!indice.isValid())
            return false;
        m_arbol->setCurrentIndex(indice);
        m_arbol->scrollTo(indice);
        return true;
    }
    return false;
}

void frmBackUp::UnidadElegida()
{
    const QListWidgetItem* item = m_unidades->currentItem();
    if (!item)
        return;
    const QString raiz = item->data(Qt::UserRole).toString();
    const QStorageInfo volumen(raiz);
    if (!volumen.isValid() || !volumen.isReady()) {
        m_arbol->setRootIndex(QModelIndex());
        setCarpeta(QString());
        m_dialogos.Mensaje(QStringLiteral("La unidad %1 no está lista.").arg(QDir::toNativeSeparators(raiz)),
                           QStringLiteral("ERROR"), Icono::Informacion);
        return;
    }
    CursorOcupado ocupado;
    m_modelo->setRootPath(raiz);
    m_arbol->setRootIndex(m_modelo->index(raiz));
    m_arbol->clearSelection();
    // The volume itself is a valid destination until a folder of it is chosen.
    setCarpeta(raiz);
}

void frmBackUp::CarpetaMarcada()
{
    const QModelIndex actual = m_arbol->currentIndex();
    if (actual.isValid())
        setCarpeta(m_modelo->filePath(actual));
}

void frmBackUp::setCarpeta(const QString& carpeta)
{
    m_carpeta = carpeta;
    m_destino = carpeta.isEmpty() ? QString() : CopiaSeguridad::Destino(carpeta);
    m_lblDestino->setText(QDir::toNativeSeparators(m_destino));
}

void frmBackUp::Copiar()
{
    CopiaSeguridad::Resultado resultado;
    {
        CursorOcupado ocupado;
        resultado = m_copia.Copiar(m_carpeta);
    }
    const QString informacion = QStringLiteral("INFORMACION");
    switch (resultado) {
    case CopiaSeguridad::Resultado::Copiada:
        m_dialogos.Mensaje(QStringLiteral("Base de datos copiada."), informacion, Icono::Informacion);
        accept();
        break;
    case CopiaSeguridad::Resultado::SinCarpeta:
        m_dialogos.Mensaje(QStringLiteral("Debe seleccionar una carpeta donde guardar la copia."), informacion,
                           Icono::Exclamacion);
        break;
    case CopiaSeguridad::Resultado::MismaCarpeta:
        m_dialogos.Mensaje(QStringLiteral("El origen y destino no pueden ser iguales."), QStringLiteral("ERROR"),
                           Icono::Critico);
        break;
    case CopiaSeguridad::Resultado::Optico:
        m_dialogos.Mensaje(QStringLiteral("No se puede grabar en un CD ROM"), informacion, Icono::Informacion);
        break;
    case CopiaSeguridad::Resultado::NoListo:
        m_dialogos.Mensaje(QStringLiteral("El dispositivo no está listo."), informacion, Icono::Informacion);
        break;
    case CopiaSeguridad::Resultado::SinEspacio:
        m_dialogos.Mensaje(
            QStringLiteral("No hay espacio suficiente en la unidad seleccionada para guardar la base de datos."),
            informacion, Icono::Informacion);
        break;
    case CopiaSeguridad::Resultado::Protegido:
        m_dialogos.Mensaje(QStringLiteral("No se puede grabar en un dispositivo protegido contra escritura. Quite "
                                          "la protección y vuelva a intentarlo."),
                           QStringLiteral("ERROR"), Icono::Informacion);
        break;
    case CopiaSeguridad::Resultado::Error:
        m_dialogos.Mensaje(m_copia.DescripcionError(), QStringLiteral("ERROR"), Icono::Informacion);
        break;
    }
}

void frmBackUp::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    CentrarFormulario(this, parentWidget());
    MantenerEnPantalla(this);
    QTimer::singleShot(0, this, &frmBackUp::MostrarCarpetaElegida);
}

void frmBackUp::MostrarCarpetaElegida()
{
    if (m_seguirCarpeta && m_arbol->currentIndex().isValid())
        QTimer::singleShot(0, this, [this] {
            m_arbol->scrollTo(m_arbol->currentIndex(), QAbstractItemView::PositionAtCenter);
        });
}
