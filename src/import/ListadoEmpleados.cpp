// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListadoEmpleados.h"

#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"

#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <array>

namespace {

constexpr int Columnas = 9;

QByteArray Utf8(const QString& t)
{
    return t.toUtf8();
}

QString SiNo(bool v)
{
    return v ? QStringLiteral("Sí") : QStringLiteral("No");
}

} // namespace

bool GrabarListadoEmpleados(Empresa& empresa, const QString& archivo, QString& motivo)
{
    lxw_workbook* libro = workbook_new(QFile::encodeName(archivo).constData());
    if (!libro) {
        motivo = QStringLiteral("No se pudo crear el libro %1.").arg(archivo);
        return false;
    }
    lxw_worksheet* hoja = workbook_add_worksheet(libro, "Empleados");
    lxw_format* negrita = workbook_add_format(libro);
    format_set_bold(negrita);
    lxw_format* importe = workbook_add_format(libro);
    format_set_align(importe, LXW_ALIGN_RIGHT);
    format_set_num_format(importe, "0.00");
    lxw_format* tituloImporte = workbook_add_format(libro);
    format_set_bold(tituloImporte);
    format_set_align(tituloImporte, LXW_ALIGN_RIGHT);

    // Column widths follow the longest text written in each column (there is no autofit).
    std::array<int, Columnas> anchos{};
    auto texto = [&](int fila, int columna, const QString& valor, lxw_format* formato) {
        worksheet_write_string(hoja, lxw_row_t(fila), lxw_col_t(columna), Utf8(valor).constData(), formato);
        anchos[size_t(columna)] = std::max(anchos[size_t(columna)], int(valor.size()));
    };

    // The company title overflows into the empty cells beside it, so it does not widen column B.
    const QString titulo
        = QStringLiteral("EMPRESA: ") + empresa.CUIT() + QStringLiteral(" - ") + empresa.NombreComercial();
    worksheet_write_string(hoja, 0, 1, Utf8(titulo).constData(), negrita);

    static const char* const titulos[Columnas]
        = {"CUIL",       "Apellido y Nombre", "Fecha Ingreso",      "Haberes", "Categoría", "Cond. Afiliado",
           "Fecha Baja", "Licencia",          "Cond. Media Jornada"};
    for (int c = 0; c < Columnas; ++c)
        texto(1, c, QString::fromUtf8(titulos[c]), c == 3 ? tituloImporte : negrita);

    int fila = 2;
    for (const auto& e : empresa.ListaBaseEmpleados()) {
        texto(fila, 0, e->CUIL(), nullptr);
        texto(fila, 1, e->Nombre(), nullptr);
        texto(fila, 2, FormatoFecha(e->FechaIngreso()), nullptr);
        // A number, so the sheet can add it up; kept to cents as every amount the program shows.
        worksheet_write_number(hoja, lxw_row_t(fila), 3, RedondearCentavos(e->Haberes()), importe);
        anchos[3] = std::max(anchos[3], int(FormatoImporte(e->Haberes()).size()));
        texto(fila, 4, e->DescripcionCategoria(), nullptr);
        texto(fila, 5, SiNo(e->Afiliado()), nullptr);
        texto(fila, 6, e->DeBaja() ? FormatoFecha(e->FechaBaja()) : QString(), nullptr);
        texto(fila, 7, Empleado::TextoCortoLicencia(e->Licencia()), nullptr);
        texto(fila, 8, SiNo(e->MediaJornada()), nullptr);
        ++fila;
    }
    for (int c = 0; c < Columnas; ++c)
        worksheet_set_column(hoja, lxw_col_t(c), lxw_col_t(c), anchos[size_t(c)] + 2, nullptr);

    const lxw_error error = workbook_close(libro);
    if (error != LXW_NO_ERROR) {
        motivo = QStringLiteral("No se pudo escribir el libro %1 (%2).")
                     .arg(archivo, QString::fromUtf8(lxw_strerror(error)));
        return false;
    }
    return true;
}
