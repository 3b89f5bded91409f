// SPDX-License-Identifier: GPL-3.0-or-later
#include "Principal.h"

#include "CursorOcupado.h"
#include "DialogosQt.h"
#include "InstanciaUnica.h"
#include "Plataforma.h"
#include "frmPadre.h"
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QTranslator>

bool PantallaChica(const QSize& pantalla)
{
    return pantalla.height() < 600 || pantalla.width() < 800;
}

bool AbrirBaseOperativa(const QString& carpeta, Conexion& bd, QString* error)
{
    const QString archivo = QDir(carpeta).filePath(QString::fromLatin1(ArchivoBaseDatos));
    QString motivo;
    if (!CrearBaseSiFalta(archivo, &motivo)) {
        if (error)
            *error = QStringLiteral("No se pudo crear la base de datos %1.\n%2").arg(QDir::toNativeSeparators(archivo), motivo);
        return false;
    }
    if (!bd.Abrir(archivo)) {
        if (error)
            *error = QStringLiteral("No se pudo abrir la base de datos %1.\n%2")
                         .arg(QDir::toNativeSeparators(archivo), bd.UltimoError());
        return false;
    }
    if (!CargarParametros(bd)) {
        if (error)
            *error = QStringLiteral("La base de datos %1 no contiene los parámetros de aportes.\n%2")
                         .arg(QDir::toNativeSeparators(archivo), bd.UltimoError());
        bd.Cerrar();
        return false;
    }
    return true;
}

void CentrarFormulario(QWidget* hijo, QWidget* principal)
{
    if (!hijo || !principal)
        return;
    QWidget* cliente = principal;
    if (auto* ventana = qobject_cast<QMainWindow*>(principal); ventana && ventana->centralWidget())
        cliente = ventana->centralWidget();
    if (auto* area = qobject_cast<QMdiArea*>(cliente))
        cliente = area->viewport();
    const QSize tamano = hijo->frameGeometry().size();
    if (!hijo->isWindow()) {
        // An MDI child: its coordinates are those of the area that holds it.
        const QWidget* contenedor = hijo->parentWidget();
        const QSize espacio = contenedor ? contenedor->size() : cliente->size();
        hijo->move((espacio.width() - tamano.width()) / 2, (espacio.height() - tamano.height()) / 2);
        return;
    }
    const QPoint origen = cliente->mapToGlobal(QPoint(0, 0));
    hijo->move(origen.x() + (cliente->width() - tamano.width()) / 2,
               origen.y() + (cliente->height() - tamano.height()) / 2);
}

int Main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("OBRIX"));
    QApplication::setApplicationName(QStringLiteral("TALVO"));

    // Qt's own dialogs and buttons in Spanish ("Sí", "No", "Cancelar").
    QTranslator traductor;
    if (traductor.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductor);

    DialogosQt dialogos;
    const QString carpeta = CarpetaPrograma();

    // One running copy per program folder; a crashed copy leaves a stale lock that is taken over.
    InstanciaUnica instancia;
    if (!instancia.Tomar(carpeta)) {
        dialogos.Mensaje(QStringLiteral("El programa ya está en ejecución."), QStringLiteral("INFORMACION"),
                         Icono::Informacion);
        return 0;
    }

    if (const QScreen* pantalla = QGuiApplication::primaryScreen(); pantalla && PantallaChica(pantalla->size())) {
        dialogos.Mensaje(QStringLiteral("Este programa está configurado para funcionar con una configuración de "
                                        "pantalla no menor a 800x600, por lo cual con su actual resolución no se "
                                        "visualizará correctamente"),
                         QStringLiteral("RESOLUCION DE PANTALLA"), Icono::Informacion);
    }

    Conexion baseDatos;
    {
        CursorOcupado ocupado;
        CorreoEnvio = LeerParametro(QStringLiteral("CORREO"), QString::fromLatin1(CorreoRecaudacionPorDefecto));
        QString error;
        if (!AbrirBaseOperativa(carpeta, baseDatos, &error)) {
            QApplication::restoreOverrideCursor();
            dialogos.Mensaje(error, QStringLiteral("ERROR"), Icono::Critico);
            return 1;
        }
    }
    BaseDatos = &baseDatos;

    int resultado = 0;
    {
        frmPadre principal(dialogos);
        dialogos.setPadre(&principal);
        principal.show();
        resultado = app.exec();
    }
    BaseDatos = nullptr;
    baseDatos.Cerrar();
    return resultado;
}
