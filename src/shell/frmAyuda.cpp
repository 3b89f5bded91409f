// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAyuda.h"

#include "Pantalla.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
struct Tema
{
    const char* archivo;
    const char* titulo;
};

// In the order a new user meets them.
const Tema Temas[] = {
    {"index.html", "Presentación"},
    {"principal.html", "Ventana principal"},
    {"empresas.html", "Mantenimiento de empresas"},
    {"empleados.html", "Empleados"},
    {"boleta-comun.html", "Boleta del período"},
    {"boleta-extra.html", "Boleta de pago de actas"},
    {"seleccion-boletas.html", "Boletas anteriores"},
    {"envio-ddjj.html", "Envío de la declaración jurada"},
    {"impresora.html", "Selección de impresora"},
    {"copia-seguridad.html", "Copia de seguridad"},
    {"restauracion.html", "Restaurar desde una copia"},
};
} // namespace

bool frmAyuda::Instalada(const QString& carpeta)
{
    return QFileInfo(QDir(carpeta).filePath(TemaPorDefecto())).isFile();
}

frmAyuda::frmAyuda(const QString& carpeta, QWidget* parent)
    : QDialog(parent)
    , m_carpeta(carpeta)
{
    setObjectName(QStringLiteral("frmAyuda"));
    setWindowTitle(QStringLiteral("Ayuda del Sistema"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setModal(false);

    m_contenido = new QListWidget(this);
    m_contenido->setObjectName(QStringLiteral("lstTemas"));
    for (const Tema& tema : Temas) {
        auto* item = new QListWidgetItem(QString::fromUtf8(tema.titulo), m_contenido);
        item->setData(Qt::UserRole, QString::fromLatin1(tema.archivo));
    }
    m_texto = new QTextBrowser(this);
    m_texto->setObjectName(QStringLiteral("txtAyuda"));
    m_texto->setOpenExternalLinks(true);
    m_texto->setSearchPaths({m_carpeta});

    auto* divisor = new QSplitter(this);
    divisor->addWidget(m_contenido);
    divisor->addWidget(m_texto);
    divisor->setStretchFactor(1, 3);
    divisor->setSizes({200, 600});

    auto* cmdInicio = new QPushButton(QStringLiteral("&Inicio"), this);
    auto* cmdAtras = new QPushButton(QStringLiteral("&Atrás"), this);
    auto* cmdAdelante = new QPushButton(QStringLiteral("A&delante"), this);
    auto* cmdCerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdCerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cmdAtras->setEnabled(false);
    cmdAdelante->setEnabled(false);
    connect(cmdInicio, &QPushButton::clicked, this, [this] { MostrarTema(TemaPorDefecto()); });
    connect(cmdAtras, &QPushButton::clicked, m_texto, &QTextBrowser::backward);
    connect(cmdAdelante, &QPushButton::clicked, m_texto, &QTextBrowser::forward);
    connect(m_texto, &QTextBrowser::backwardAvailable, cmdAtras, &QPushButton::setEnabled);
    connect(m_texto, &QTextBrowser::forwardAvailable, cmdAdelante, &QPushButton::setEnabled);
    connect(cmdCerrar, &QPushButton::clicked, this, &QDialog::close);
    connect(m_contenido, &QListWidget::itemActivated, this, &frmAyuda::TemaElegido);
    connect(m_contenido, &QListWidget::itemClicked, this, &frmAyuda::TemaElegido);
    // Keep the list of contents on the page being read.
    connect(m_texto, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const QString archivo = url.fileName();
        for (int i = 0; i < m_contenido->count(); ++i)
            if (m_contenido->item(i)->data(Qt::UserRole).toString() == archivo) {
                const QSignalBlocker bloqueo(m_contenido);
                m_contenido->setCurrentRow(i);
            }
    });

    auto* botones = new QHBoxLayout;
    botones->addWidget(cmdInicio);
    botones->addWidget(cmdAtras);
    botones->addWidget(cmdAdelante);
    botones->addStretch();
    botones->addWidget(cmdCerrar);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(botones);
    columna->addWidget(divisor);
    resize(TamanoQueCabe(this, QSize(860, 600)));
}

void frmAyuda::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    MantenerEnPantalla(this);
}

QUrl frmAyuda::Direccion(const QString& tema) const
{
    const QString ruta = QDir(m_carpeta).filePath(tema);
    if (ruta.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + ruta);
    return QUrl::fromLocalFile(QFileInfo(ruta).absoluteFilePath());
}

void frmAyuda::TemaElegido()
{
    if (const QListWidgetItem* item = m_contenido->currentItem())
        MostrarTema(item->data(Qt::UserRole).toString());
}

void frmAyuda::MostrarTema(const QString& tema)
{
    m_texto->setSource(Direccion(tema));
    show();
    raise();
    activateWindow();
}
