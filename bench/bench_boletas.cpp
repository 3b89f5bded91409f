// SPDX-License-Identifier: GPL-3.0-or-later
// The ordinary slip screen on a company of 5,000 employees: opening a new slip from the main
// window (employees read again and copied, grid filled, amounts and totals shown, painted) and
// leaving an amount field (the slip stores it, recomputes and shows the totals). Prints the
// times of several rounds; the target is under 0.3 s each.
#include "liquidation/Liquidacion.h"
#include "records/Conexion.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "records/Plantilla.h"
#include "records/Reloj.h"
#include "records/Transaccion.h"
#include "screens/CampoImporteBoleta.h"
#include "screens/frmBoletaComun.h"
#include "shell/Dialogos.h"
#include "shell/frmPadre.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

/// Answers nothing and shows nothing: the benchmark never reaches a message.
class DialogosMudos : public Dialogos
{
public:
    void Mensaje(const QString& texto, const QString&, Icono) override
    {
        std::fprintf(stderr, "mensaje inesperado: %s\n", qPrintable(texto));
    }
    bool Preguntar(const QString&, const QString&, Icono) override { return false; }
    QString ArchivoParaAbrir(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString ArchivoParaGuardar(const QString&, const QString&, const QString&) override { return {}; }
    QString Carpeta(const QString&, const QString&) override { return {}; }
    bool PedirTexto(const QString&, const QString&, bool, QString&) override { return false; }
};

bool EmpresaGrande(Conexion& bd, int empleados)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(QStringLiteral("30-00000001-1"));
    emp->setNombre(QStringLiteral("Comercio Núñez S.A."));
    emp->setCalle(QStringLiteral("Av. de Mayo"));
    emp->setNumero(QStringLiteral("1234"));
    emp->setCalleLegal(QStringLiteral("Rivadavia"));
    emp->setNumeroLegal(QStringLiteral("55"));
    emp->setCodPost(QStringLiteral("1602"));
    emp->setLocalidad(QStringLiteral("FLORIDA"));
    emp->setCodRubro(QStringLiteral("523110"));
    if (!emp->Grabar(bd))
        return false;
    Transaccion t(bd);
    for (int i = 0; i < empleados; ++i) {
        Empleado e;
        e.setEmpresa(emp);
        e.setCUIL(QStringLiteral("20-%1-%2").arg(i, 8, 10, QLatin1Char('0')).arg(i % 10));
        e.setNombre(QStringLiteral("Empleado Número %1, José").arg(i));
        e.setHaberes(10000 + i);
        e.setAfiliado(i % 3 == 0);
        e.setMediaJornada(i % 11 == 0);
        if (i % 13 == 0)
            e.setFechaBaja(QDate(2014, 3, 15));
        if (i % 17 == 0)
            e.setLicencia(2);
        if (!e.Grabar(bd))
            return false;
    }
    return t.Confirmar();
}

double Segundos(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

/// Types texto into the field and leaves it with Enter, as a user does.
void Teclear(QWidget* campo, const QString& texto)
{
    static_cast<QLineEdit*>(campo)->selectAll();
    for (const QChar c : texto) {
        QKeyEvent pulsar(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(campo, &pulsar);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(campo, &enter);
}

void Informar(const char* que, std::vector<double> tiempos)
{
    std::sort(tiempos.begin(), tiempos.end());
    std::printf("%-58s mediana %.3f s, máximo %.3f s (%zu veces)\n", que, tiempos[tiempos.size() / 2], tiempos.back(),
                tiempos.size());
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir carpeta;
    // The main window remembers the last company: never in the user's own settings.
    qputenv("XDG_CONFIG_HOME", carpeta.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QString archivo = QDir(carpeta.path()).filePath(QStringLiteral("talvo.fys"));
    Conexion bd;
    if (!CrearBaseSiFalta(archivo) || !bd.Abrir(archivo) || !CargarParametros(bd)) {
        std::fprintf(stderr, "no se pudo crear la base de prueba: %s\n", qPrintable(bd.UltimoError()));
        return 1;
    }
    BaseDatos = &bd;
    Reloj::Fijar(QDate(2014, 4, 10)); // slips for March 2014, when some employees leave
    if (!EmpresaGrande(bd, 5000))
        return 1;

    DialogosMudos dialogos;
    frmPadre ventana(dialogos);
    ventana.resize(800, 600);
    ventana.show();
    ventana.ElegirEmpresa(0);
    QApplication::processEvents();

    std::vector<double> leer, copiar, abrir, cuota, coeficiente;
    for (int ronda = 0; ronda < 7; ++ronda) {
        // The parts of the opening the screen does not own: reading the employees, copying them.
        QElapsedTimer reloj;
        reloj.start();
        ventana.EmpresaActual()->CargarListaEmpleados(bd);
        leer.push_back(Segundos(reloj));
        Liquidacion liq;
        reloj.restart();
        ventana.EmpresaActual()->PasarEmpleados(liq);
        copiar.push_back(Segundos(reloj));
    }
    bool bien = true;
    for (int ronda = 0; ronda < 7; ++ronda) {
        QElapsedTimer reloj;
        reloj.start();
        ventana.NuevaBoletaNormal();
        QApplication::processEvents(); // painted: grid and amounts on screen
        abrir.push_back(Segundos(reloj));
        auto* pantalla = qobject_cast<frmBoletaComun*>(ventana.Area()->subWindowList().last()->widget());
        if (!pantalla || pantalla->MiLiq()->ListaEmpleadosLiquidacion().Count() != 5000) {
            std::fprintf(stderr, "la boleta no se abrió con sus 5000 empleados\n");
            return 1;
        }

        auto* txtCuota = pantalla->findChild<CampoImporteBoleta*>(QStringLiteral("txtPagadoCuota"));
        reloj.restart();
        Teclear(txtCuota, QString::number(100 + ronda));
        QApplication::processEvents();
        cuota.push_back(Segundos(reloj));
        bien = bien && pantalla->MiLiq()->PagadoCuota() == 100 + ronda;

        auto* txtCoef = pantalla->findChild<CampoImporteBoleta*>(QStringLiteral("txtCoef"));
        reloj.restart();
        Teclear(txtCoef, QString::number(ronda + 1));
        QApplication::processEvents();
        coeficiente.push_back(Segundos(reloj));
        bien = bien && pantalla->MiLiq()->PagadoRecargo() > 0;
        pantalla->Ventana()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // not counted in the next opening
    }
    Informar("  de ello, leer los 5000 empleados de la base:", leer);
    Informar("  de ello, copiarlos a la boleta:", copiar);
    Informar("Abrir boleta nueva de 5000 empleados (grilla y totales):", abrir);
    Informar("Salir de la cuota sindical (guardar, totales):", cuota);
    Informar("Salir del coeficiente (recargo recalculado, totales):", coeficiente);
    if (!bien)
        std::fprintf(stderr, "los importes tecleados no quedaron en la boleta\n");
    BaseDatos = nullptr;
    return bien ? 0 : 1;
}
