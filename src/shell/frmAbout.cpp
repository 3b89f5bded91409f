// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "printing/Emblema.h"
#include "Pantalla.h"
#include "Plataforma.h"
#include "Principal.h"
#include "records/Conexion.h"
#include "records/Global.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* Renglon(QWidget* padre, const QString& nombre, const QString& texto)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return etiqueta;
}
} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Acerca de OBRIX"));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(QPixmap::fromImage(ImagenEmblema(128)));
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* titulo = Renglon(this, QStringLiteral("lblTitulo"), QStringLiteral("Aplicativo de Aportes"));
    QFont grande = titulo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    grande.setBold(true);
    titulo->setFont(grande);

    const QString archivo = BaseDatos && !BaseDatos->Archivo().isEmpty()
        ? BaseDatos->Archivo()
        : QDir(CarpetaPrograma()).filePath(QString::fromLatin1(ArchivoBaseDatos));
    const QString carpeta = QDir::toNativeSeparators(QFileInfo(archivo).absolutePath());

    auto* datos = new QVBoxLayout;
    datos->addWidget(titulo);
    datos->addWidget(Renglon(this, QStringLiteral("lblVersion"), QStringLiteral("Version " TALVO_VERSION)));
    datos->addSpacing(8);
    datos->addWidget(Renglon(this, QStringLiteral("lblSindicato"),
                             QStringLiteral("Asociación Empleados de Comercio de Velmar (OBRIX)")));
    datos->addWidget(Renglon(this, QStringLiteral("lblDireccion"),
                             QStringLiteral("Avenida de los Mercaderes 1450, (B7612) Velmar")));
    datos->addWidget(Renglon(this, QStringLiteral("lblTelefono"), QStringLiteral("Teléfono: (0223) 555-0147")));
    datos->addWidget(Renglon(this, QStringLiteral("lblCorreo"), QStringLiteral("Ayuda: ayuda@obrix.example")));
    datos->addWidget(Renglon(this, QStringLiteral("lblWeb"), QStringLiteral("Sitio web: www.obrix.example")));
    datos->addSpacing(8);
    datos->addWidget(Renglon(this, QStringLiteral("lblDatos"), QStringLiteral("Los datos (talvo.fys) están en la carpeta:")));
    // A long folder is shortened in the middle; the whole path stays in the tooltip.
    auto* lblCarpeta = Renglon(this, QStringLiteral("lblCarpeta"), carpeta);
    lblCarpeta->setText(lblCarpeta->fontMetrics().elidedText(carpeta, Qt::ElideMiddle, 420));
    lblCarpeta->setToolTip(carpeta);
    datos->addWidget(lblCarpeta);
    datos->addWidget(Renglon(this, QStringLiteral("lblGeoNames"),
                             QStringLiteral("Localidades y códigos postales: GeoNames (www.geonames.org), CC BY 4.0")));
    datos->addSpacing(8);
    auto* derechos = Renglon(this, QStringLiteral("lblDerechos"),
                             QStringLiteral("© 2026 Asociación Empleados de Comercio de Velmar. Este programa es "
                                            "software libre: puede redistribuirlo y modificarlo según los términos "
                                            "de la Licencia Pública General GNU, versión 3 o posterior. Se "
                                            "distribuye SIN NINGUNA GARANTÍA."));
    derechos->setWordWrap(true);
    QFont chica = derechos->font();
    chica.setPointSizeF(chica.pointSizeF() * 0.9);
    derechos->setFont(chica);
    datos->addWidget(derechos);
    datos->addStretch();

    auto* cmdCerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdCerrar->setObjectName(QStringLiteral("cmdCerrar"));
    cmdCerrar->setDefault(true);
    connect(cmdCerrar, &QPushButton::clicked, this, &QDialog::accept);

    auto* arriba = new QHBoxLayout;
    arriba->addWidget(logo);
    arriba->addSpacing(12);
    arriba->addLayout(datos, 1);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(cmdCerrar);
    auto* columna = new QVBoxLayout(this);
    columna->addLayout(arriba);
    columna->addLayout(abajo);
    setFixedWidth(640);
}

void frmAbout::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    CentrarFormulario(this, parentWidget());
    MantenerEnPantalla(this); // a main window partly off the screen must not take "&Cerrar" with it
}
