// SPDX-License-Identifier: GPL-3.0-or-later
// The employee list screen through its grid, buttons and links, on a real database: adding and
// modifying through the edit screen, deleting, importing a file, the spreadsheet listing and the
// import-format documents (what would be opened is caught, nothing is started).
#include "screens/frmEmpleados.h"
#include "screens/frmListaEmpleados.h"
#include "shell/Plataforma.h"
#include "support/DialogoModal.h"
#include "support/Entorno.h"
#include "tst_empleados.h"

#include <QDir>
#include <QFile>
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
    QPoint Centro(int fila) const { return grilla->visualRect(grilla->model()->index(fila, 1)).center(); }
    void Clic(int fila) { QTest::mouseClick(grilla->viewport(), Qt::LeftButton, {}, Centro(fila)); }
    void DobleClic(int fila) { QTest::mouseDClick(grilla->viewport(), Qt::LeftButton, {}, Centro(fila)); }
};

QString Linea(const QString& cuil, const QString& nombre, const QString& ingreso = QStringLiteral("01/02/2010"))
{
    return cuil + nombre.leftJustified(40) + ingreso + QStringLiteral("000150000") + QStringLiteral("11")
        + QStringLiteral("00/00/0000") + QStringLiteral("00") + QLatin1Char('\n');
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
        auto perez = escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez, Juan"), 1234.5);
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
        QStringList encabezados;
        for (int c = 0; c < lista.grilla->model()->columnCount(); ++c)
            encabezados << lista.grilla->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(encabezados, (QStringList{"CUIL", "Apellido y Nombre", "Fecha Ingreso", "Categoría", "Haberes", "Afiliado",
                                           "Media Jornada", "Licencia", "Fecha Baja"}));
        QCOMPARE(lista.Filas(), 2);
        QStringList filas[2];
        for (int f = 0; f < 2; ++f)
            for (int c = 0; c < 9; ++c)
                filas[f] << lista.Celda(f, c);
        QCOMPARE(filas[0], (QStringList{"20-12345678-6", "Pérez, Juan", "10/05/2024", "Administrativo 'B'",
                                        FormatoImporte(1234.5), "Sí", "No", "Ninguna", ""}));
        QCOMPARE(filas[1], (QStringList{"27-12345678-0", "Gómez, Ana", "15/06/2012", "", FormatoImporte(800), "No", "Sí",
                                        "Fam. Enfermo", "15/03/2024"}));
        // Nobody selected on opening.
        QVERIFY(!lista.pantalla.EmpleadoSeleccionado());
        QVERIFY(!lista.Boton("cmdModificar")->isEnabled());
        QVERIFY(lista.Boton("cmdBorrar")->isHidden());
        lista.Clic(1);
        QCOMPARE(lista.pantalla.EmpleadoSeleccionado(), escena.a->ListaBaseEmpleados().Item(2));
        QCOMPARE(lista.pantalla.EmpleadoSeleccionado()->Empresa(), escena.a);
        QVERIFY(lista.Boton("cmdModificar")->isEnabled());
        // The header row selects nobody.
        QTest::mouseClick(lista.grilla->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(lista.grilla->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
        QVERIFY(!lista.pantalla.EmpleadoSeleccionado());
        QVERIFY(!lista.Boton("cmdModificar")->isEnabled());
    }

    void empresaSinEmpleados()
    {
        EscenaEmpleados escena;
        Lista lista(escena.b, escena.dialogos);
        QCOMPARE(lista.Filas(), 0);
        QTest::mouseClick(lista.grilla->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!lista.pantalla.EmpleadoSeleccionado());
        QVERIFY(!lista.Boton("cmdModificar")->isEnabled());
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
        QCOMPARE(lista.Filas(), 1);
        QCOMPARE(lista.Celda(0, 1), QStringLiteral("Pérez"));
        QVERIFY(!lista.pantalla.EmpleadoSeleccionado());
        QVERIFY(!lista.Boton("cmdModificar")->isEnabled());
    }

    void agregar_data()
    {
        QTest::addColumn<bool>("grabar");
        QTest::newRow("grabado") << true;
        QTest::newRow("cerrado sin grabar") << false;
    }

    void agregar()
    {
        QFETCH(bool, grabar);
        EscenaEmpleados escena;
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez")));
        Lista lista(escena.a, escena.dialogos);
        RESPONDER_MODAL([&]() { lista.Boton("cmdAgregar")->click(); }, [&](frmEmpleados* ed) {
            QApplication::setActiveWindow(ed);
            QCOMPARE(ed->EmpleadoEditado()->Empresa(), escena.a);
            Escribir(ed->findChild<QLineEdit*>(QStringLiteral("txtNombre")), QStringLiteral("Núñez, Rosa"));
            Escribir(ed->findChild<QLineEdit*>(QStringLiteral("txtCUIL")), QStringLiteral("27123456780"), false);
            ed->findChild<QPushButton*>(grabar ? QStringLiteral("cmdGrabar") : QStringLiteral("cmdSalir"))->click();
            QVERIFY(!ed->isVisible());
        });
        QVERIFY(escena.dialogos.llamadas.isEmpty());
        QCOMPARE(lista.Filas(), grabar ? 2 : 1);
        QCOMPARE(escena.Contar(QString()), grabar ? 2 : 1);
        if (grabar) {
            QCOMPARE(lista.Celda(1, 0), QStringLiteral("27-12345678-0"));
            QCOMPARE(lista.Celda(1, 1), QStringLiteral("Núñez, Rosa"));
            QCOMPARE(lista.grilla->currentIndex().row(), 1);
            QCOMPARE(lista.pantalla.EmpleadoSeleccionado()->Nombre(), QStringLiteral("Núñez, Rosa"));
        }
    }

    void modificar_data()
    {
        QTest::addColumn<bool>("dobleClic");
        QTest::addColumn<bool>("grabar");
        QTest::newRow("Modificar y grabar") << false << true;
        QTest::newRow("doble clic y grabar") << true << true;
        QTest::newRow("Modificar y salir") << false << false;
    }

    void modificar()
    {
        QFETCH(bool, dobleClic);
        QFETCH(bool, grabar);
        EscenaEmpleados escena;
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez")));
        QVERIFY(escena.GrabarEmpleado(escena.a, QStringLiteral("27-12345678-0"), QStringLiteral("Gómez"), 800));
        Lista lista(escena.a, escena.dialogos);
        lista.Clic(1);
        RESPONDER_MODAL(
            [&]() {
                if (dobleClic)
                    lista.DobleClic(1);
                else
                    lista.Boton("cmdModificar")->click();
            },
            [&](frmEmpleados* ed) {
                QApplication::setActiveWindow(ed);
                QCOMPARE(ed->EmpleadoEditado(), escena.a->ListaBaseEmpleados().Item(2));
                Escribir(ed->findChild<QLineEdit*>(QStringLiteral("txtNombre")), QStringLiteral("Gómez, Ana María"));
                Escribir(ed->findChild<QLineEdit*>(QStringLiteral("txtHaberes")), QStringLiteral("950"));
                ed->findChild<QPushButton*>(grabar ? QStringLiteral("cmdGrabar") : QStringLiteral("cmdSalir"))->click();
            });
        QVERIFY(escena.dialogos.llamadas.isEmpty());
        QCOMPARE(lista.Filas(), 2);
        QCOMPARE(lista.Celda(1, 1), grabar ? QStringLiteral("Gómez, Ana María") : QStringLiteral("Gómez"));
        QCOMPARE(lista.Celda(1, 4), FormatoImporte(grabar ? 950 : 800));
        QCOMPARE(lista.grilla->currentIndex().row(), 1);
        QCOMPARE(escena.Contar(QStringLiteral("where ayn = 'Gómez, Ana María'")), grabar ? 1 : 0);
    }

    void importar_data()
    {
        QTest::addColumn<QString>("archivo"); // "" cancels the file dialog
        QTest::addColumn<QString>("contenido");
        QTest::addColumn<QStringList>("mensajes"); // title | text start, in order
        QTest::addColumn<QStringList>("cuils");    // the grid's CUIL column afterwards
        const QString perez = Linea(QStringLiteral("20123456786"), QStringLiteral("PEREZ JUAN"));
        const QString malo = Linea(QStringLiteral("20123456785"), QStringLiteral("MALO PEDRO"));
        const QString gomez = Linea(QStringLiteral("27123456780"), QStringLiteral("GOMEZ ANA"));
        const QString fechaMala = Linea(QStringLiteral("27123456780"), QStringLiteral("GOMEZ ANA"), QStringLiteral("99/99/2010"));
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
        QFETCH(QString, contenido);
        QFETCH(QStringList, mensajes);
        QFETCH(QStringList, cuils);
        EscenaEmpleados escena;
        QTemporaryDir carpeta;
        const QString ruta = archivo.isEmpty() ? QString() : carpeta.filePath(archivo);
        if (!ruta.isEmpty()) {
            QFile f(ruta);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenido.toLatin1());
        }
        Lista lista(escena.a, escena.dialogos);
        escena.dialogos.archivos.enqueue(ruta);
        lista.Boton("cmdImportacion")->click();
        const auto dialogo = escena.dialogos.llamadas.value(0);
        QCOMPARE(dialogo.tipo, QStringLiteral("abrir"));
        QCOMPARE(dialogo.titulo, QStringLiteral("Importar Lista de Empleados desde Archivo de Texto u Hoja Excel"));
        QVERIFY(dialogo.extra.contains(QStringLiteral("Archivos de Texto (*.txt)")));
        QVERIFY(dialogo.extra.contains(QStringLiteral("Hojas Excel (*.xls)")));
        QCOMPARE(escena.dialogos.llamadas.size(), mensajes.size() + 1);
        for (int i = 0; i < mensajes.size(); ++i) {
            const auto& m = escena.dialogos.llamadas.at(i + 1);
            const QStringList esperado = mensajes.at(i).split(QLatin1Char('|'));
            QCOMPARE(m.titulo, esperado.at(0));
            QVERIFY2(m.texto.startsWith(esperado.at(1)), qPrintable(m.texto));
            QCOMPARE(m.icono, m.titulo == QLatin1String("IMPORTACION DE EMPLEADOS") && m.texto.startsWith("Se ha")
                                  ? Icono::Informacion
                                  : Icono::Critico);
            if (m.texto.startsWith(QLatin1String("No se pudo")))
                QVERIFY2(m.texto.size() > esperado.at(1).size(), "the reader's reason follows");
        }
        QStringList enGrilla;
        for (int f = 0; f < lista.Filas(); ++f)
            enGrilla << lista.Celda(f, 0);
        QCOMPARE(enGrilla, cuils);
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
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Linea(QStringLiteral("20123456786"), QStringLiteral("PEREZ JUAN")).toLatin1());
        f.close();
        Lista lista(escena.a, escena.dialogos);
        escena.dialogos.archivos.enqueue(ruta);
        lista.Boton("cmdImportacion")->click();
        QCOMPARE(escena.Contar(QString()), 1);
        QCOMPARE(lista.Filas(), 1);
        QCOMPARE(lista.Celda(0, 1), QStringLiteral("PEREZ JUAN"));
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
        const QString word = QStringLiteral("No se pudo abrir el documento. Debe instalar MS Word para visualizarlo.");
        const QString excel = QStringLiteral("No se pudo abrir el documento. Debe instalar MS Excel para visualizarlo.");
        QTest::newRow("texto") << "lblFormatoTexto" << "Texto.doc" << true << "";
        QTest::newRow("texto, sin programa") << "lblFormatoTexto" << "Texto.doc" << false << word;
        QTest::newRow("excel") << "lblFormatoExcel" << "Texto.xls" << true << "";
        QTest::newRow("excel, sin programa") << "lblFormatoExcel" << "Texto.xls" << false << excel;
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
        {
            QFile viejo(destino); // an earlier copy, replaced
            QVERIFY(viejo.open(QIODevice::WriteOnly));
            viejo.write("copia anterior, más larga que nada de lo que se escriba encima si no se reemplaza");
        }
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
        QCOMPARE(escena.dialogos.llamadas.size(), mensaje.isEmpty() ? 0 : 1);
        if (!mensaje.isEmpty()) {
            QCOMPARE(escena.dialogos.Ultima().texto, mensaje);
            QCOMPARE(escena.dialogos.Ultima().titulo, QStringLiteral("ERROR"));
            QCOMPARE(escena.dialogos.Ultima().icono, Icono::Critico);
        }
    }
};

QTEST_MAIN(TestFrmListaEmpleados)
#include "tst_frmlistaempleados.moc"
