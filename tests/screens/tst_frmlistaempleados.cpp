// SPDX-License-Identifier: GPL-3.0-or-later
// The employee list screen through its grid, buttons and links, on a real database: adding and
// modifying through the edit screen, deleting, importing a file, the spreadsheet listing and the
// import-format documents (what would be opened is caught, nothing is started).
#include "import/ApoyoImportacion.h"
#include "import/Importacion.h"
#include "screens/frmEmpleados.h"
#include "screens/frmListaEmpleados.h"
#include "shell/Plataforma.h"
#include "support/DialogoModal.h"
#include "support/Entorno.h"
#include "tst_empleados.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace {
/// The list screen of a company, shown.
struct Lista
{
    frmListaEmpleados pantalla;
    QTableView* grilla;

    Lista(const QSharedPointer<Empresa>& emp, DialogosPrueba& dialogos)
        : pantalla(emp, dialogos)
        , grilla(pantalla.findChild<QTableView*>(QStringLiteral("GridEmpleados")))
    {
        pantalla.show();
        QApplication::setActiveWindow(&pantalla);
    }
    QPushButton* Boton(const char* nombre) { return pantalla.findChild<QPushButton*>(QLatin1String(nombre)); }
    int Filas() const { return grilla->model()->rowCount(); }
    QString Celda(int fila, int columna) const { return grilla->model()->index(fila, columna).data().toString(); }
    QStringList Columna(int columna) const
    {
        QStringList celdas;
        for (int f = 0; f < Filas(); ++f)
            celdas << Celda(f, columna);
        return celdas;
    }
    QPoint Centro(int fila) const { return grilla->visualRect(grilla->model()->index(fila, 1)).center(); }
    void Clic(int fila) { QTest::mouseClick(grilla->viewport(), Qt::LeftButton, {}, Centro(fila)); }
    /// Nobody selected: Modificar is off.
    bool SinSeleccion() { return !pantalla.EmpleadoSeleccionado() && !Boton("cmdModificar")->isEnabled(); }
};

/// A line of the import text file.
QByteArray Linea(const QString& cuil, const QString& nombre, const QString& ingreso = QStringLiteral("01/02/2010"))
{
    return Registro(cuil, nombre, ingreso).toLatin1() + '\n';
}

} // namespace

class TestFrmListaEmpleados : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { AislarConfiguracion(); }
    void cleanup() { FijarAbridorDocumentos(nullptr); }

    void grilla()
    {
        EscenaEmpleados escena;
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez, Juan"), 1234.5));
        auto gomez = escena.GrabarEmpleado(escena.a, QStringLiteral("27-12345678-0"), QStringLiteral("Gómez, Ana"), 800);
        gomez->setAfiliado(false);
        gomez->setMediaJornada(true);
        gomez->setLicencia(3);
        gomez->setCategoria(7); // a code without a category
        gomez->setFechaIngreso(QDate(2012, 6, 15));
        gomez->setFechaBaja(QDate(2024, 3, 15));
        QVERIFY(gomez->Grabar(escena.base.bd()));
        Lista lista(escena.a, escena.dialogos);
        QCOMPARE(lista.pantalla.windowTitle(), QStringLiteral("Lista Empleados Empresa Almacén Núñez"));
        QVERIFY(lista.pantalla.frameGeometry().width() <= 800 && lista.pantalla.frameGeometry().height() <= 600);
        QStringList filas[2];
        for (int f = 0; f < 2; ++f)
            for (int c = 0; c < 9; ++c)
                filas[f] << lista.Celda(f, c);
        QCOMPARE(filas[0], (QStringList{"20-12345678-6", "Pérez, Juan", "10/05/2024", "Administrativo 'B'",
                                        FormatoImporte(1234.5), "Sí", "No", "Ninguna", ""}));
        QCOMPARE(filas[1], (QStringList{"27-12345678-0", "Gómez, Ana", "15/06/2012", "", FormatoImporte(800), "No", "Sí",
                                        "Fam. Enfermo", "15/03/2024"}));
        QCOMPARE(lista.Filas(), 2);
        QVERIFY(lista.SinSeleccion()); // on opening
        QVERIFY(lista.Boton("cmdBorrar")->isHidden());
        lista.Clic(1);
        QCOMPARE(lista.pantalla.EmpleadoSeleccionado(), escena.a->ListaBaseEmpleados().Item(2));
        QCOMPARE(lista.pantalla.EmpleadoSeleccionado()->Empresa(), escena.a);
        QVERIFY(lista.Boton("cmdModificar")->isEnabled());
        // The header row selects nobody.
        QTest::mouseClick(lista.grilla->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(lista.grilla->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
        QVERIFY(lista.SinSeleccion());

        // Nor does a click on a company's empty grid.
        Lista vacia(escena.b, escena.dialogos);
        QCOMPARE(vacia.Filas(), 0);
        QTest::mouseClick(vacia.grilla->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(vacia.SinSeleccion());
        QVERIFY(escena.dialogos.llamadas.isEmpty());
    }

    void borrar_data()
    {
        QTest::addColumn<QString>("boleta"); // "", "en boleta", "baja informada"
        QTest::addColumn<bool>("puedeBorrarse");
        QTest::newRow("en ninguna boleta") << "" << true;
        QTest::newRow("en una boleta grabada") << "en boleta" << false;
        QTest::newRow("baja informada en una boleta") << "baja informada" << true;
    }
    void borrar()
    {
        QFETCH(QString, boleta);
        QFETCH(bool, puedeBorrarse);
        EscenaEmpleados escena;
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez")));
        auto gomez = escena.GrabarEmpleado(escena.a, QStringLiteral("27-12345678-0"), QStringLiteral("Gómez"));
        if (!boleta.isEmpty()) {
            Conexion& bd = escena.base.bd();
            QVERIFY(bd.Ejecutar(QStringLiteral("insert into liquidaciones (idmatriz, mes, anio) values (%1, 3, 2024)")
                                    .arg(escena.a->IdEmpresa())));
            QVERIFY(bd.Ejecutar(QStringLiteral("insert into liquidaciones_empl (idliquidacion, idempleado) "
                                               "select max(id), %1 from liquidaciones").arg(gomez->IdEmpleado())));
            if (boleta == QLatin1String("baja informada"))
                QVERIFY(bd.Ejecutar(QStringLiteral("update empleados set bajainformada = -1 where id = %1")
                                        .arg(gomez->IdEmpleado())));
        }
        Lista lista(escena.a, escena.dialogos);
        lista.Clic(1);
        QCOMPARE(lista.Boton("cmdBorrar")->isVisible(), puedeBorrarse);
        if (!puedeBorrarse)
            return;
        lista.Boton("cmdBorrar")->click();
        // Deleted without a question; the grid is read again and nobody stays selected.
        QVERIFY(escena.dialogos.llamadas.isEmpty());
        QCOMPARE(escena.Contar(QStringLiteral("where id = %1").arg(gomez->IdEmpleado())), 0);
        QCOMPARE(lista.Columna(1), QStringList{QStringLiteral("Pérez")});
        QVERIFY(lista.SinSeleccion());
    }

    void editar_data()
    {
        QTest::addColumn<QString>("como"); // the command that opens the edit screen
        QTest::addColumn<bool>("grabar");  // "&Grabar", else "&Salir"
        QTest::newRow("Agregar y grabar") << "cmdAgregar" << true;
        QTest::newRow("Agregar y salir") << "cmdAgregar" << false;
        QTest::newRow("Modificar y grabar") << "cmdModificar" << true;
        QTest::newRow("doble clic y grabar") << "doble clic" << true;
        QTest::newRow("Modificar y salir") << "cmdModificar" << false;
    }
    void editar()
    {
        QFETCH(QString, como);
        QFETCH(bool, grabar);
        EscenaEmpleados escena;
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez")));
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("27-12345678-0"), QStringLiteral("Gómez"), 800));
        const bool nuevo = como == QLatin1String("cmdAgregar");
        const int fila = nuevo ? 2 : 1;
        Lista lista(escena.a, escena.dialogos);
        if (!nuevo)
            lista.Clic(1);
        RESPONDER_MODAL(
            [&]() {
                if (como == QLatin1String("doble clic"))
                    QTest::mouseDClick(lista.grilla->viewport(), Qt::LeftButton, {}, lista.Centro(1));
                else
                    lista.Boton(como.toLatin1())->click();
            },
            [&](frmEmpleados* ed) {
                QApplication::setActiveWindow(ed);
                QCOMPARE(ed->EmpleadoEditado()->Empresa(), escena.a);
                if (!nuevo)
                    QCOMPARE(ed->EmpleadoEditado(), escena.a->ListaBaseEmpleados().Item(2));
                Escribir(ed->findChild<QLineEdit*>(QStringLiteral("txtNombre")), QStringLiteral("Núñez, Rosa"));
                Escribir(ed->findChild<QLineEdit*>(QStringLiteral("txtHaberes")), QStringLiteral("950"));
                if (nuevo)
                    Escribir(ed->findChild<QLineEdit*>(QStringLiteral("txtCUIL")), QStringLiteral("20000000019"), false);
                ed->findChild<QPushButton*>(grabar ? QStringLiteral("cmdGrabar") : QStringLiteral("cmdSalir"))->click();
                QVERIFY(!ed->isVisible());
            });
        QVERIFY(escena.dialogos.llamadas.isEmpty());
        QCOMPARE(escena.Contar(QStringLiteral("where ayn = 'Núñez, Rosa'")), grabar ? 1 : 0);
        QCOMPARE(escena.Contar(QString()), nuevo && grabar ? 3 : 2);
        QCOMPARE(lista.Filas(), nuevo && grabar ? 3 : 2);
        if (nuevo && !grabar)
            return;
        // The row shows what is stored, and stays (or becomes) the selected one.
        QCOMPARE(lista.Celda(fila, 0), nuevo ? QStringLiteral("20-00000001-9") : QStringLiteral("27-12345678-0"));
        QCOMPARE(lista.Celda(fila, 1), grabar ? QStringLiteral("Núñez, Rosa") : QStringLiteral("Gómez"));
        QCOMPARE(lista.Celda(fila, 4), FormatoImporte(grabar ? 950 : 800));
        QCOMPARE(lista.grilla->currentIndex().row(), fila);
        QCOMPARE(lista.pantalla.EmpleadoSeleccionado()->Nombre(), lista.Celda(fila, 1));
    }

    void importar_data()
    {
        QTest::addColumn<QString>("archivo"); // "" cancels the file dialog
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QStringList>("mensajes"); // title | text start, in order
        QTest::addColumn<QStringList>("cuils");    // the grid's CUIL column afterwards
        const QByteArray perez = Linea(QStringLiteral("20123456786"), QStringLiteral("PEREZ JUAN"));
        const QByteArray malo = Linea(QStringLiteral("20123456785"), QStringLiteral("MALO PEDRO"));
        const QByteArray gomez = Linea(QStringLiteral("27123456780"), QStringLiteral("GOMEZ ANA"));
        const QByteArray fechaMala = Linea(QStringLiteral("27123456780"), QStringLiteral("GOMEZ ANA"), QStringLiteral("99/99/2010"));
        const QString ok = QStringLiteral("IMPORTACION DE EMPLEADOS|Se ha procesado correctamente la lista de empleados "
                                          "para la empresa Almacén Núñez");
        QTest::newRow("un CUIL incorrecto")
            << "lista.txt" << perez + malo + gomez
            << QStringList{"ERROR DE CUIL|CUIL incorrecto para el empleado MALO PEDRO\nEl registro no se importará.", ok}
            << QStringList{"20-12345678-6", "27-12345678-0"};
        QTest::newRow("renglón que no se convierte")
            << "lista.TXT" << perez + fechaMala
            << QStringList{"IMPORTACION DE EMPLEADOS|No se pudo procesar la lista de empleados para la empresa "
                           "Almacén Núñez\n"}
            << QStringList{"20-12345678-6"};
        QTest::newRow("formato desconocido")
            << "lista.doc" << perez
            << QStringList{"ERROR DE FORMATO|Debe seleccionar un archivo de texto o una hoja Excel con el formato "
                           "especificado para proceder a la importación."}
            << QStringList{};
        QTest::newRow("cancelado") << "" << perez << QStringList{} << QStringList{};
    }
    void importar()
    {
        QFETCH(QString, archivo);
        QFETCH(QByteArray, contenido);
        QFETCH(QStringList, mensajes);
        EscenaEmpleados escena;
        QTemporaryDir carpeta;
        const QString ruta = archivo.isEmpty() ? QString() : carpeta.filePath(archivo);
        QVERIFY(ruta.isEmpty() || Escribir(ruta, contenido));
        Lista lista(escena.a, escena.dialogos);
        escena.dialogos.archivos.enqueue(ruta);
        lista.Boton("cmdImportacion")->click();
        const auto dialogo = escena.dialogos.llamadas.value(0);
        QCOMPARE(dialogo.tipo, QStringLiteral("abrir"));
        QCOMPARE(dialogo.extra.section(QLatin1Char('|'), 1), FiltroArchivosImportacion());
        QCOMPARE(escena.dialogos.llamadas.size(), mensajes.size() + 1);
        for (int i = 0; i < mensajes.size(); ++i) {
            const auto& m = escena.dialogos.llamadas.at(i + 1);
            const QString titulo = mensajes.at(i).section(QLatin1Char('|'), 0, 0);
            const QString texto = mensajes.at(i).section(QLatin1Char('|'), 1);
            QCOMPARE(m.titulo, titulo);
            QVERIFY2(m.texto.startsWith(texto), qPrintable(m.texto));
            QCOMPARE(m.icono, texto.startsWith(QLatin1String("Se ha")) ? Icono::Informacion : Icono::Critico);
            if (texto.startsWith(QLatin1String("No se pudo")))
                QVERIFY2(m.texto.size() > texto.size(), "the reader's reason follows");
        }
        QTEST(lista.Columna(0), "cuils");
    }

    void tipeadoEImportadoSonUno()
    {
        EscenaEmpleados escena;
        QTemporaryDir carpeta;
        // Typed on the screen without hyphens; the import file has the same person.
        auto e = QSharedPointer<Empleado>::create();
        e->setEmpresa(escena.a);
        {
            frmEmpleados ed(escena.dialogos);
            ed.setEmpleado(e);
            ed.show();
            QApplication::setActiveWindow(&ed);
            Escribir(ed.findChild<QLineEdit*>(QStringLiteral("txtNombre")), QStringLiteral("Pérez"));
            Escribir(ed.findChild<QLineEdit*>(QStringLiteral("txtCUIL")), QStringLiteral("20123456786"), false);
            QVERIFY(ed.Grabar());
        }
        const QString ruta = carpeta.filePath(QStringLiteral("lista.txt"));
        QVERIFY(Escribir(ruta, Linea(QStringLiteral("20123456786"), QStringLiteral("PEREZ JUAN"))));
        Lista lista(escena.a, escena.dialogos);
        escena.dialogos.archivos.enqueue(ruta);
        lista.Boton("cmdImportacion")->click();
        QCOMPARE(escena.Contar(QString()), 1);
        QCOMPARE(lista.Columna(1), QStringList{QStringLiteral("PEREZ JUAN")});
        // And the screen sees the imported one as a duplicate of a new employee with that CUIL.
        auto otro = QSharedPointer<Empleado>::create();
        otro->setEmpresa(escena.a);
        otro->setCUIL(QStringLiteral("20-12345678-6"));
        bool duplicado = false;
        QVERIFY(otro->CuilDuplicado(escena.base.bd(), duplicado));
        QVERIFY(duplicado);
    }

    void listar_data()
    {
        QTest::addColumn<bool>("abre");
        QTest::newRow("abierto") << true;
        QTest::newRow("ningún programa lo abre") << false;
    }
    void listar()
    {
        QFETCH(bool, abre);
        EscenaEmpleados escena;
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez")));
        const QString esperado = QDir(CarpetaTemporalUsuario()).filePath(QStringLiteral("Empleados 30-12345678-9.xlsx"));
        QFile::remove(esperado);
        QStringList abiertos;
        FijarAbridorDocumentos([&](const QString& archivo) {
            abiertos << archivo;
            return abre;
        });
        Lista lista(escena.a, escena.dialogos);
        lista.Boton("cmdListar")->click();
        QCOMPARE(abiertos, QStringList{esperado});
        QFile listado(esperado);
        QVERIFY(listado.open(QIODevice::ReadOnly));
        QCOMPARE(listado.read(2), QByteArray("PK")); // an .xlsx is a zip archive
        QCOMPARE(escena.dialogos.llamadas.size(), abre ? 0 : 1);
        if (!abre) {
            QVERIFY(escena.dialogos.Ultima().texto.endsWith(QDir::toNativeSeparators(esperado)));
            QCOMPARE(escena.dialogos.Ultima().icono, Icono::Informacion);
        }
        listado.remove();
    }

    void formatos_data()
    {
        QTest::addColumn<QString>("enlace");
        QTest::addColumn<QString>("documento");
        QTest::addColumn<bool>("abre");
        QTest::addColumn<QString>("mensaje");
        const QString falta = QStringLiteral("No se pudo abrir el documento. Debe instalar MS %1 para visualizarlo.");
        QTest::newRow("texto") << "lblFormatoTexto" << "Texto.doc" << true << "";
        QTest::newRow("texto, sin programa") << "lblFormatoTexto" << "Texto.doc" << false << falta.arg("Word");
        QTest::newRow("excel") << "lblFormatoExcel" << "Texto.xls" << true << "";
        QTest::newRow("excel, sin programa") << "lblFormatoExcel" << "Texto.xls" << false << falta.arg("Excel");
    }
    void formatos()
    {
        QFETCH(QString, enlace);
        QFETCH(QString, documento);
        QFETCH(bool, abre);
        QFETCH(QString, mensaje);
        EscenaEmpleados escena;
        QTemporaryDir programa;
        qputenv("TALVO_CARPETA", programa.path().toLocal8Bit());
        const QString destino = programa.filePath(documento);
        // An earlier copy, replaced.
        QVERIFY(Escribir(destino, "copia anterior, más larga que nada de lo que se escriba encima si no se reemplaza"));
        QStringList abiertos;
        FijarAbridorDocumentos([&](const QString& archivo) {
            abiertos << archivo;
            return abre;
        });
        Lista lista(escena.a, escena.dialogos);
        emit lista.pantalla.findChild<QLabel*>(enlace)->linkActivated(enlace);
        qunsetenv("TALVO_CARPETA");
        QCOMPARE(abiertos, QStringList{QDir::cleanPath(destino)});
        QFile recurso(QStringLiteral(":/formatos/") + documento);
        QVERIFY(recurso.open(QIODevice::ReadOnly));
        QFile escrito(destino);
        QVERIFY(escrito.open(QIODevice::ReadOnly));
        QCOMPARE(escrito.readAll(), recurso.readAll());
        QCOMPARE(escena.dialogos.Mensajes(), mensaje.isEmpty() ? QStringList() : QStringList{"ERROR: " + mensaje});
        if (!mensaje.isEmpty())
            QCOMPARE(escena.dialogos.Ultima().icono, Icono::Critico);
    }
};

QTEST_MAIN(TestFrmListaEmpleados)
#include "tst_frmlistaempleados.moc"
