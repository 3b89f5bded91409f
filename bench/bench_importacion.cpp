// SPDX-License-Identifier: GPL-3.0-or-later
// Employee import of long lists: a 10,000-line text file and a 10,000-row .xlsx workbook, each into
// an empty company (targets: under 1 s and under 2 s), and a second run over the stored list, which
// updates every employee. Times include reloading the company's list; the readers alone are timed
// too, to tell reading from storing. Prints times and peak memory.
#include "import/FuenteTexto.h"
#include "import/FuenteXlsx.h"
#include "import/Importacion.h"
#include "records/Conexion.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "records/Plantilla.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cstdio>

namespace {

constexpr int Filas = 10000;

QString MemoriaPico()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    for (const QByteArray& linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmHWM:"))
            return QString::fromLatin1(linea.mid(6).simplified());
    return QStringLiteral("?");
}

/// Eleven digits with a valid check digit for employee i.
QString Cuil(int i)
{
    const QString diez = QStringLiteral("20%1").arg(i, 8, 10, QLatin1Char('0'));
    for (int d = 0; d <= 9; ++d)
        if (CuitValido(diez + QString::number(d)))
            return diez + QString::number(d);
    return QString();
}

QSharedPointer<Empresa> NuevaEmpresa(Conexion& bd, const QString& cuit)
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre(QStringLiteral("Comercio Núñez S.A."));
    emp->setCalle(QStringLiteral("Av. de Mayo"));
    emp->setNumero(QStringLiteral("1234"));
    emp->setCalleLegal(QStringLiteral("Rivadavia"));
    emp->setNumeroLegal(QStringLiteral("55"));
    emp->setCodPost(QStringLiteral("1602"));
    emp->setLocalidad(QStringLiteral("FLORIDA"));
    emp->setCodRubro(QStringLiteral("523110"));
    return emp->Grabar(bd) ? emp : QSharedPointer<Empresa>();
}

bool EscribirTexto(const QString& archivo)
{
    QFile f(archivo);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < Filas; ++i) {
        const QString linea = Cuil(i) + QStringLiteral("EMPLEADO NÚMERO %1, JOSÉ").arg(i).leftJustified(40)
            + QStringLiteral("01/02/2010") + QStringLiteral("%1").arg(100000 + i, 9, 10, QLatin1Char('0'))
            + QString::number(i % 10) + QString::number(i % 2)
            + (i % 13 == 0 ? QStringLiteral("15/03/2014") : QStringLiteral("00/00/0000")) + QString::number(i % 7)
            + QString::number(i % 3 == 0) + QStringLiteral("\r\n");
        f.write(linea.toUtf8());
    }
    return true;
}

bool EscribirLibro(const QString& archivo)
{
    lxw_workbook* libro = workbook_new(QFile::encodeName(archivo).constData());
    lxw_worksheet* hoja = workbook_add_worksheet(libro, "Empleados");
    lxw_format* fecha = workbook_add_format(libro);
    format_set_num_format(fecha, "dd/mm/yyyy");
    const char* titulos[] = {"CUIL",     "APELLIDO Y NOMBRE", "FECHA DE INGRESO", "HABERES C/APORTE", "CATEGORIA",
                             "AFILIADO", "FECHA DE BAJA",     "LICENCIA",         "MEDIA JORNADA"};
    for (int c = 0; c < 9; ++c)
        worksheet_write_string(hoja, 0, lxw_col_t(c), titulos[c], nullptr);
    for (int i = 0; i < Filas; ++i) {
        const lxw_row_t f = lxw_row_t(i + 1);
        worksheet_write_number(hoja, f, 0, Cuil(i).toDouble(), nullptr);
        worksheet_write_string(hoja, f, 1, QStringLiteral("Empleado Número %1, José").arg(i).toUtf8().constData(),
                               nullptr);
        worksheet_write_number(hoja, f, 2, 40210 + i % 1000, fecha);
        worksheet_write_number(hoja, f, 3, 100000 + i, nullptr);
        worksheet_write_number(hoja, f, 4, i % 10, nullptr);
        worksheet_write_number(hoja, f, 5, i % 2, nullptr);
        worksheet_write_string(hoja, f, 6, "00/00/0000", nullptr);
        worksheet_write_number(hoja, f, 7, i % 7, nullptr);
        worksheet_write_number(hoja, f, 8, i % 3 == 0, nullptr);
    }
    return workbook_close(libro) == LXW_NO_ERROR;
}

double Segundos(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e9;
}

/// Reads every row without storing anything.
void MedirLectura(FuenteFilas& fuente, const QString& archivo, const char* titulo)
{
    QElapsedTimer reloj;
    reloj.start();
    QString motivo;
    FilaImportacion fila;
    int filas = 0;
    if (fuente.Abrir(archivo, motivo))
        while (fuente.Siguiente(fila, motivo) == FuenteFilas::Resultado::Fila)
            ++filas;
    std::printf("%-44s %.3f s (%d filas)\n", titulo, Segundos(reloj), filas);
}

bool Medir(Conexion& bd, Empresa& emp, const QString& archivo, const char* titulo, double limite)
{
    QElapsedTimer reloj;
    reloj.start();
    const bool ok = ImportarEmpleados(emp, bd, archivo);
    const double t = Segundos(reloj);
    const int cargados = emp.ListaBaseEmpleados().Count();
    std::printf("%-44s %.3f s (%s, %d empleados; objetivo < %.0f s)\n", titulo, t,
                ok ? "ok" : qPrintable(QStringLiteral("FALLÓ: ") + bd.UltimoError()), cargados, limite);
    return ok && cargados == Filas;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir carpeta;
    const QString base = QDir(carpeta.path()).filePath(QStringLiteral("talvo.fys"));
    Conexion bd;
    if (!CrearBaseSiFalta(base) || !bd.Abrir(base) || !CargarParametros(bd)) {
        std::fprintf(stderr, "no se pudo crear la base de prueba: %s\n", qPrintable(bd.UltimoError()));
        return 1;
    }
    const QString texto = QDir(carpeta.path()).filePath(QStringLiteral("lista.txt"));
    const QString libro = QDir(carpeta.path()).filePath(QStringLiteral("lista.xlsx"));
    if (!EscribirTexto(texto) || !EscribirLibro(libro))
        return 1;
    FuenteTexto lectorTexto;
    MedirLectura(lectorTexto, texto, "Solo leer el texto:");
    FuenteXlsx lectorLibro;
    MedirLectura(lectorLibro, libro, "Solo leer el libro .xlsx:");
    auto porTexto = NuevaEmpresa(bd, QStringLiteral("30-00000001-1"));
    auto porLibro = NuevaEmpresa(bd, QStringLiteral("30-00000002-2"));
    if (!porTexto || !porLibro)
        return 1;
    bool ok = Medir(bd, *porTexto, texto, "Texto de 10.000 líneas, empresa vacía:", 1);
    ok = Medir(bd, *porTexto, texto, "El mismo texto otra vez (actualiza):", 1) && ok;
    ok = Medir(bd, *porLibro, libro, "Libro .xlsx de 10.000 filas, empresa vacía:", 2) && ok;
    ok = Medir(bd, *porLibro, libro, "El mismo libro otra vez (actualiza):", 2) && ok;
    std::printf("Memoria pico:                                %s\n", qPrintable(MemoriaPico()));
    return ok ? 0 : 1;
}
