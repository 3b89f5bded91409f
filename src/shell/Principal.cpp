// SPDX-License-Identifier: GPL-3.0-or-later
#include "Principal.h"

#include "CursorOcupado.h"
#include "DialogosQt.h"
#include "InstanciaUnica.h"
#include "Plataforma.h"
#include "Restauracion.h"
#include "frmPadre.h"
#include "records/ComprobacionBase.h"
#include "records/Conexion.h"
#include "records/Global.h"
#include "records/Plantilla.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>
#include <QTranslator>

namespace {
QString SinEscrituraEnCarpeta(const QString& carpeta)
{
    return QStringLiteral("No se puede escribir en la carpeta %1, donde el programa guarda sus datos.")
        .arg(QDir::toNativeSeparators(carpeta));
}
} // namespace

bool PantallaChica(const QSize& pantalla)
{
    return pantalla.height() < 600 || pantalla.width() < 800;
}

bool AbrirBaseOperativa(const QString& carpeta, Conexion& bd, QString* error)
{
    const QString archivo = QDir(carpeta).filePath(QString::fromLatin1(ArchivoBaseDatos));
    const QString nativo = QDir::toNativeSeparators(archivo);
    auto fallar = [&](const QString& motivo) {
        bd.Cerrar();
        if (error)
            *error = motivo;
        return false;
    };
    if (!CarpetaEscribible(carpeta))
        return fallar(SinEscrituraEnCarpeta(carpeta));
    QString motivo;
    if (!CrearBaseSiFalta(archivo, &motivo))
        return fallar(QStringLiteral("No se pudo crear la base de datos %1.\n%2").arg(nativo, motivo));
    if (!QFileInfo(archivo).isFile())
        return fallar(QStringLiteral("%1 no es un archivo de base de datos.").arg(nativo));
    if (!ArchivoEscribible(archivo))
        return fallar(QStringLiteral("No se puede escribir en la base de datos %1. Revise los permisos del archivo.")
                          .arg(nativo));
    switch (AbrirComprobada(bd, archivo, &motivo)) {
    case EstadoBase::Correcta:
        break;
    case EstadoBase::NoEsBaseDeDatos:
        return fallar(QStringLiteral("El archivo %1 no es una base de datos.").arg(nativo));
    case EstadoBase::Danada:
        return fallar(QStringLiteral("La base de datos %1 está incompleta o dañada: %2.").arg(nativo, motivo));
    case EstadoBase::EsquemaDistinto:
        return fallar(QStringLiteral("La base de datos %1 no es correcta: %2.").arg(nativo, motivo));
    case EstadoBase::Ilegible:
        return fallar(QStringLiteral("No se pudo abrir la base de datos %1.\n%2").arg(nativo, motivo));
    case EstadoBase::SinPlantilla:
        return fallar(motivo);
    }
    if (!CargarParametros(bd))
        return fallar(QStringLiteral("La base de datos %1 no contiene los parámetros de aportes.\n%2")
                          .arg(nativo, bd.UltimoError()));
    return true;
}

Arranque PrepararArranque(Dialogos& dialogos, const QString& carpeta, InstanciaUnica& instancia, Conexion& bd)
{
    const QString cierre = QStringLiteral("\nEl programa se cerrará.");
    // A folder that cannot be written must not read as a second copy: the lock lives there too.
    if (!CarpetaEscribible(carpeta)) {
        dialogos.Mensaje(SinEscrituraEnCarpeta(carpeta) + cierre, QStringLiteral("ERROR"), Icono::Critico);
        return Arranque::Fallido;
    }
    // One running copy per program folder; a crashed copy leaves a stale lock that is taken over.
    switch (instancia.Tomar(carpeta)) {
    case InstanciaUnica::Resultado::Tomada:
        break;
    case InstanciaUnica::Resultado::EnUso:
        dialogos.Mensaje(QStringLiteral("El programa ya está en ejecución."), QStringLiteral("INFORMACION"),
                         Icono::Informacion);
        return Arranque::OtraCopia;
    case InstanciaUnica::Resultado::SinPermiso:
        dialogos.Mensaje(SinEscrituraEnCarpeta(carpeta) + cierre, QStringLiteral("ERROR"), Icono::Critico);
        return Arranque::Fallido;
    }
    Restauracion::LimpiarRestos(carpeta);

    if (const QScreen* pantalla = QGuiApplication::primaryScreen(); pantalla && PantallaChica(pantalla->size())) {
        dialogos.Mensaje(QStringLiteral("Este programa está configurado para funcionar con una configuración de "
                                        "pantalla no menor a 800x600, por lo cual con su actual resolución no se "
                                        "visualizará correctamente"),
                         QStringLiteral("RESOLUCION DE PANTALLA"), Icono::Informacion);
    }

    QString error;
    {
        CursorOcupado ocupado;
        CorreoEnvio = LeerParametro(QStringLiteral("CORREO"), QString::fromLatin1(CorreoRecaudacionPorDefecto));
        if (AbrirBaseOperativa(carpeta, bd, &error))
            return Arranque::Listo;
    }
    dialogos.Mensaje(error + cierre, QStringLiteral("ERROR"), Icono::Critico);
    instancia.Soltar();
    return Arranque::Fallido;
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
    InstanciaUnica instancia;
    Conexion baseDatos;
    switch (PrepararArranque(dialogos, CarpetaPrograma(), instancia, baseDatos)) {
    case Arranque::Listo:
        break;
    case Arranque::OtraCopia:
        return 0;
    case Arranque::Fallido:
        return 1;
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
