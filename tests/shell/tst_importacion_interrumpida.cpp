// SPDX-License-Identifier: GPL-3.0-or-later
// An import cut short by a crash leaves no half import and no half employee: a helper process imports a
// 3,000-line text file and a 3,000-row .xlsx of the same people with other values, one after the other,
// and is killed (SIGKILL) at random moments, most of them inside an import; after each kill the file
// passes SQLite's integrity check, every stored employee is one whole line of one file, all of them come
// from the file the helper last finished importing (or, killed after the commit, from the one it was
// importing), and the program's start-up opens the file normally.
#include "records/Conexion.h"
#include "records/Consulta.h"
#include "records/Global.h"
#include "records/Plantilla.h"
#include "shell/Principal.h"
#include "support/Entorno.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <xlsxwriter.h>

#include <csignal>

namespace {
constexpr int Empleados = 3000;
constexpr int Muertes = 20;

/// One employee as a line of a list gives it, and so as it must be stored.
struct Linea
{
    QString cuil; // 99-99999999-9
    QString nombre;
    QDate ingreso;
    qint64 centavos = 0;
    int categoria = 0;
    bool afiliado = false;
    int licencia = 0;
    bool media = false;

    bool operator==(const Linea& o) const
    {
        return cuil == o.cuil && nombre == o.nombre && ingreso == o.ingreso && centavos == o.centavos
            && categoria == o.categoria && afiliado == o.afiliado && licencia == o.licencia && media == o.media;
    }
};

/// The CUILs of the list: eleven digits whose check digit holds.
QStringList Cuiles()
{
    static const int pesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    QStringList cuiles;
    for (int n = 10000000; cuiles.size() < Empleados; n += 7) {
        const QString base = QStringLiteral("20") + QString::number(n);
        int suma = 0;
        for (int i = 0; i < 10; ++i)
            suma += (base.at(i).unicode() - '0') * pesos[i];
        const int digito = (11 - suma % 11) % 11;
        if (digito == 10)
            continue;
        cuiles << base.left(2) + QLatin1Char('-') + base.mid(2, 8) + QLatin1Char('-') + QString::number(digito);
    }
    return cuiles;
}

/// The two versions of the same people: every field differs between them.
QList<Linea> Lista(int version)
{
    QList<Linea> lista;
    const QStringList cuiles = Cuiles();
    for (int i = 0; i < Empleados; ++i) {
        Linea l;
        l.cuil = cuiles.at(i);
        l.nombre = QStringLiteral("EMPLEADO %1 %2").arg(version == 0 ? QLatin1Char('A') : QLatin1Char('B')).arg(i);
        l.ingreso = version == 0 ? QDate(2010, 1, 1).addDays(i % 365) : QDate(2015, 6, 1).addDays(i % 300);
        l.centavos = version == 0 ? 100000 + i * 37 : 200000 + i * 53;
        l.categoria = (i + version * 3) % 10;
        l.afiliado = (i + version) % 2 == 0;
        l.licencia = version == 0 ? 0 : 1 + i % 6;
        l.media = version == 1 && i % 3 == 0;
        lista << l;
    }
    return lista;
}

bool EscribirTexto(const QString& archivo, const QList<Linea>& lista)
{
    QByteArray texto;
    for (const Linea& l : lista)
        texto += (QString(l.cuil).remove(QLatin1Char('-')) + l.nombre.leftJustified(40, QLatin1Char(' '), true)
                  + l.ingreso.toString(QStringLiteral("dd/MM/yyyy"))
                  + QStringLiteral("%1").arg(l.centavos, 9, 10, QLatin1Char('0')) + QString::number(l.categoria)
                  + QString::number(int(l.afiliado)) + QStringLiteral("00/00/0000") + QString::number(l.licencia)
                  + QString::number(int(l.media)) + QStringLiteral("\r\n"))
                     .toLatin1();
    QFile f(archivo);
    return f.open(QIODevice::WriteOnly) && f.write(texto) == texto.size();
}

bool EscribirLibro(const QString& archivo, const QList<Linea>& lista)
{
    lxw_workbook* libro = workbook_new(QFile::encodeName(archivo).constData());
    if (!libro)
        return false;
    lxw_worksheet* hoja = workbook_add_worksheet(libro, nullptr);
    const char* titulos[] = {"CUIL",     "APELLIDO Y NOMBRE", "FECHA DE INGRESO", "HABERES C/APORTE", "CATEGORIA",
                             "AFILIADO", "FECHA DE BAJA",     "LICENCIA",         "MEDIA JORNADA"};
    for (int c = 0; c < 9; ++c)
        worksheet_write_string(hoja, 0, lxw_col_t(c), titulos[c], nullptr);
    for (int i = 0; i < lista.size(); ++i) {
        const Linea& l = lista.at(i);
        const lxw_row_t f = lxw_row_t(i + 1);
        worksheet_write_string(hoja, f, 0, l.cuil.toUtf8().constData(), nullptr);
        worksheet_write_string(hoja, f, 1, l.nombre.toUtf8().constData(), nullptr);
        worksheet_write_string(hoja, f, 2, l.ingreso.toString(QStringLiteral("dd/MM/yyyy")).toUtf8().constData(), nullptr);
        worksheet_write_number(hoja, f, 3, double(l.centavos), nullptr);
        worksheet_write_number(hoja, f, 4, l.categoria, nullptr);
        worksheet_write_number(hoja, f, 5, l.afiliado, nullptr);
        worksheet_write_string(hoja, f, 6, "00/00/0000", nullptr);
        worksheet_write_number(hoja, f, 7, l.licencia, nullptr);
        worksheet_write_number(hoja, f, 8, l.media, nullptr);
    }
    return workbook_close(libro) == LXW_NO_ERROR;
}
/// Which list the company's employees are: -1 none yet, 0 the text file's, 1 the book's. Fails (motivo)
/// on a half-stored employee, one missing or twice, or a mix of both lists.
int Estado(Conexion& bd, qint64 empresa, const QHash<QString, Linea> listas[2], QString& motivo)
{
    Consulta c = bd.AbrirConsulta(
        QStringLiteral("select cuil, ayn, ingreso, sueldo, puesto, afiliado, baja, licencia, media from empleados "
                       "where idempresa = %1")
            .arg(empresa));
    if (!c.Valida()) {
        motivo = bd.UltimoError();
        return -2;
    }
    int filas = 0;
    int de[2] = {0, 0};
    for (; !c.Fin(); c.Siguiente(), ++filas) {
        Linea guardada;
        guardada.cuil = c.Texto(0);
        guardada.nombre = c.Texto(1);
        guardada.ingreso = c.Fecha(2);
        guardada.centavos = Centavos(c.Doble(3));
        guardada.categoria = int(c.Entero(4));
        guardada.afiliado = c.Booleano(5);
        guardada.licencia = int(c.Entero(7));
        guardada.media = c.Booleano(8);
        bool alguna = c.Fecha(6) == FechaSinBaja();
        for (int l = 0; l < 2; ++l)
            if (listas[l].value(guardada.cuil) == guardada)
                ++de[l];
        alguna = alguna && (listas[0].value(guardada.cuil) == guardada || listas[1].value(guardada.cuil) == guardada);
        if (!alguna) {
            motivo = QStringLiteral("el empleado %1 (%2) no es una línea entera de ninguna lista")
                         .arg(guardada.cuil, guardada.nombre);
            return -2;
        }
    }
    if (filas == 0)
        return -1;
    for (int l = 0; l < 2; ++l)
        if (filas == Empleados && de[l] == Empleados)
            return l;
    motivo = QStringLiteral("importación a medias: %1 empleados, %2 del texto y %3 del libro")
                 .arg(filas)
                 .arg(de[0])
                 .arg(de[1]);
    return -2;
}
} // namespace

class TestImportacionInterrumpida : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }

    void muerteEnCualquierMomento()
    {
        QTemporaryDir carpeta;
        const QString archivo = QDir(carpeta.path()).filePath(QStringLiteral("talvo.fys"));
        const QString rutas[2] = {QDir(carpeta.path()).filePath(QStringLiteral("lista.txt")),
                                  QDir(carpeta.path()).filePath(QStringLiteral("lista.xlsx"))};
        QVERIFY(CrearBaseSiFalta(archivo));
        const QList<Linea> lineas[2] = {Lista(0), Lista(1)};
        QVERIFY(EscribirTexto(rutas[0], lineas[0]));
        QVERIFY(EscribirLibro(rutas[1], lineas[1]));
        QHash<QString, Linea> listas[2];
        for (int l = 0; l < 2; ++l)
            for (const Linea& linea : lineas[l]) {
                QVERIFY2(CuitValido(linea.cuil), qPrintable(linea.cuil));
                listas[l].insert(linea.cuil, linea);
            }
        qint64 empresa = 0;
        {
            Conexion bd;
            QVERIFY(bd.Abrir(archivo));
            QVERIFY(bd.Ejecutar(
                QStringLiteral("insert into empresas (cuit, razonsocial) values ('30-12345678-1', 'Grande')")));
            empresa = bd.UltimoId();
        }

        // How long a helper takes to start and import one list on this machine sets the window the
        // kills fall in: between a fifth of that time and seven fifths of it after the start.
        QElapsedTimer reloj;
        reloj.start();
        qint64 unaImportacion = 0;
        {
            QProcess ayudante;
            ayudante.start(QStringLiteral(TALVO_AYUDANTE_IMPORTACION), {archivo, rutas[0]});
            QVERIFY(ayudante.waitForStarted());
            QElapsedTimer t;
            t.start();
            QByteArray salida;
            while (!salida.contains("fin 0")) {
                QVERIFY2(ayudante.waitForReadyRead(30000), qPrintable(ayudante.readAllStandardError()));
                salida += ayudante.readAllStandardOutput();
            }
            unaImportacion = t.elapsed();
            ayudante.kill();
            QVERIFY(ayudante.waitForFinished(10000));
        }
        int estado = -1;
        {
            Conexion bd;
            QVERIFY(bd.Abrir(archivo));
            QString motivo;
            estado = Estado(bd, empresa, listas, motivo);
            QVERIFY2(estado == 0, qPrintable(motivo));
        }

        QRandomGenerator azar(20261207);
        int aMitad = 0, enTexto = 0, enLibro = 0;
        for (int muerte = 0; muerte < Muertes; ++muerte) {
            // Each helper starts with the other list than the last one, so kills land in both readers.
            const int orden[2] = {muerte % 2, 1 - muerte % 2};
            QProcess ayudante;
            ayudante.start(QStringLiteral(TALVO_AYUDANTE_IMPORTACION), {archivo, rutas[orden[0]], rutas[orden[1]]});
            QVERIFY(ayudante.waitForStarted());
            QTest::qSleep(int(azar.bounded(unaImportacion / 5, unaImportacion * 7 / 5 + 1)));
            ::kill(ayudante.processId(), SIGKILL);
            QVERIFY(ayudante.waitForFinished(10000));
            QCOMPARE(ayudante.exitStatus(), QProcess::CrashExit);

            // What the helper had finished, and what it was in the middle of.
            int terminada = estado, enCurso = -1;
            for (const QByteArray& linea : ayudante.readAllStandardOutput().split('\n')) {
                if (linea.startsWith("empieza "))
                    enCurso = orden[linea.mid(8).toInt()];
                else if (linea.startsWith("fin "))
                    terminada = orden[linea.mid(4).toInt()], enCurso = -1;
            }
            aMitad += enCurso >= 0;

            Conexion bd;
            QVERIFY2(bd.Abrir(archivo), qPrintable(bd.UltimoError()));
            QCOMPARE(bd.ValorEscalar(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
            QString motivo;
            const int nuevo = Estado(bd, empresa, listas, motivo);
            QVERIFY2(nuevo >= 0, qPrintable(motivo));
            QVERIFY2(nuevo == terminada || nuevo == enCurso,
                     qPrintable(QStringLiteral("la base tiene la lista %1; la última terminada era la %2 y en curso la %3")
                                    .arg(nuevo)
                                    .arg(terminada)
                                    .arg(enCurso)));
            estado = nuevo;
            nuevo == 0 ? ++enTexto : ++enLibro;
            bd.Cerrar();

            Conexion arranque;
            QString error;
            QVERIFY2(AbrirBaseOperativa(carpeta.path(), arranque, &error), qPrintable(error));
            arranque.Cerrar();
        }
        // Kills fall at random; inside an import they must fall often, or the test proves little.
        QVERIFY2(aMitad >= Muertes / 3,
                 qPrintable(QStringLiteral("solo %1 muertes en medio de una importación").arg(aMitad)));
        qInfo("%d muertes (%d en medio de una importación) en %lld ms; una importación tarda %lld ms; la base quedó "
              "%d veces con el texto y %d con el libro",
              Muertes, aMitad, reloj.elapsed(), unaImportacion, enTexto, enLibro);
    }
};

QTEST_GUILESS_MAIN(TestImportacionInterrumpida)
#include "tst_importacion_interrumpida.moc"
