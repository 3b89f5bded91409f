// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages carried in the program and the help window. The pages mark what they quote from the
// program: class "menu" a menu path ("Utilidades › Copia de Seguridad"), "cmd" a button, "rot" a
// caption or an entry of a list, "ventana" a window title, "msj" a message, "impreso" words of the
// printed slip; and <meta name="pantallas"> names the screens a page describes. Every quote is held
// here against the program itself, and every command and button of those screens must be described,
// so that a renamed command, a new button or a reworded message makes the help fail instead of drifting.
#include "import/Importacion.h"
#include "liquidation/Liquidacion.h"
#include "printing/printer/Impresoras.h"
#include "records/Empleado.h"
#include "records/Reloj.h"
#include "screens/ImpresionBoleta.h"
#include "screens/frmBoletaComun.h"
#include "screens/frmBoletaExtra.h"
#include "screens/frmConsRubro.h"
#include "screens/frmEmpleados.h"
#include "screens/frmEmpresas.h"
#include "screens/frmListaEmpleados.h"
#include "screens/frmMetodoEnvio.h"
#include "screens/frmSelecLiquid.h"
#include "screens/frmVistaPrevia.h"
#include "shell/Correo.h"
#include "shell/frmAbout.h"
#include "shell/frmAyuda.h"
#include "shell/frmBackUp.h"
#include "shell/frmConfiguracionCorreo.h"
#include "shell/frmPadre.h"
#include "shell/frmSelImpr.h"
#include "support/BasePrueba.h"
#include "support/DatosLiquidacion.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"
#include "support/LlaveroPrueba.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <memory>

namespace {
const QString Separador = QStringLiteral(" › ");

/// A caption as the user reads it: no access-key marks, single spaces, no spaces at the ends.
QString Normalizar(QString t)
{
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    t.replace(QChar(0xA0), QLatin1Char(' '));
    return t.simplified();
}

QString Plano(const QString& html)
{
    return Normalizar(QTextDocumentFragment::fromHtml(html).toPlainText());
}

struct Pagina
{
    QString archivo;
    QString html;
    QString Texto() const { return Plano(html); }
    /// The quotes of one kind, as the reader sees them.
    QStringList Citas(const QString& clase) const
    {
        const QRegularExpression cita(QStringLiteral("<(\\w+) class=\"%1\">(.*?)</\\1>").arg(clase),
                                      QRegularExpression::DotMatchesEverythingOption);
        QStringList citas;
        for (auto m = cita.globalMatch(html); m.hasNext();)
            citas << Plano(m.next().captured(2));
        return citas;
    }
    QStringList Pantallas() const
    {
        const auto m = QRegularExpression(QStringLiteral("<meta name=\"pantallas\" content=\"([^\"]*)\">")).match(html);
        return m.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
};

QList<Pagina> Paginas()
{
    QList<Pagina> paginas;
    const QDir carpeta(frmAyuda::CarpetaPorDefecto());
    for (const QString& archivo : carpeta.entryList({QStringLiteral("*.html")})) {
        QFile f(carpeta.filePath(archivo));
        if (f.open(QIODevice::ReadOnly))
            paginas.append({archivo, QString::fromUtf8(f.readAll())});
    }
    return paginas;
}

Pagina PaginaDe(const QString& archivo)
{
    for (const Pagina& p : Paginas())
        if (p.archivo == archivo)
            return p;
    return {};
}

/// True when a text of the program is the quote, or starts with it and then goes on after a space.
bool Nombra(const QSet<QString>& textos, const QString& cita)
{
    for (const QString& t : textos)
        if (t == cita || t.startsWith(cita + QLatin1Char(' ')))
            return true;
    return false;
}

/// What a screen shows: its buttons, every caption (buttons included) and its window title.
struct Textos
{
    QSet<QString> botones, rotulos, titulos;
    void Unir(const Textos& otros)
    {
        botones.unite(otros.botones);
        rotulos.unite(otros.rotulos);
        titulos.unite(otros.titulos);
    }
};

Textos TextosDe(QWidget* pantalla)
{
    Textos t;
    t.titulos << Normalizar(pantalla->windowTitle());
    auto agregar = [](QSet<QString>& a, const QString& texto) {
        if (!Normalizar(texto).isEmpty())
            a << Normalizar(texto);
    };
    QList<QWidget*> widgets = pantalla->findChildren<QWidget*>();
    widgets.prepend(pantalla);
    for (QWidget* w : std::as_const(widgets)) {
        bool ajeno = false; // inside a calendar's own controls or in another window of the work area
        for (QWidget* p = w->parentWidget(); p && p != pantalla; p = p->parentWidget())
            ajeno = ajeno || qobject_cast<QCalendarWidget*>(p) || qobject_cast<QMdiSubWindow*>(p) || p->isWindow();
        if (ajeno)
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            agregar(t.botones, b->text());
            agregar(t.rotulos, b->text());
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            agregar(t.rotulos, Qt::mightBeRichText(l->text()) ? Plano(l->text()) : l->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            agregar(t.rotulos, g->title());
        } else if (auto* s = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < s->count(); ++i)
                agregar(t.rotulos, s->tabText(i));
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            agregar(t.rotulos, c->placeholderText());
            for (int i = 0; i < c->count(); ++i)
                agregar(t.rotulos, c->itemText(i));
        } else if (auto* lista = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < lista->count(); ++i)
                agregar(t.rotulos, lista->item(i)->text());
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            for (int c = 0; c < v->model()->columnCount(); ++c)
                agregar(t.rotulos, v->model()->headerData(c, Qt::Horizontal).toString());
        }
    }
    return t;
}

/// Every menu command of the main window by its path of captions.
void RutasMenu(const QList<QAction*>& acciones, const QString& prefijo, QMap<QString, QAction*>& rutas)
{
    for (QAction* a : acciones) {
        if (a->isSeparator())
            continue;
        const QString ruta = prefijo.isEmpty() ? Normalizar(a->text()) : prefijo + Separador + Normalizar(a->text());
        if (a->menu())
            RutasMenu(a->menu()->actions(), ruta, rutas);
        else
            rutas.insert(ruta, a);
    }
}

/// The texts the program's sources write, adjacent literals joined, escapes read.
QStringList LiteralesDelPrograma()
{
    QStringList literales;
    // This file's name as the compiler got it: relative to the build folder of the tests, where the
    // test program is built too.
    const QFileInfo prueba(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(__FILE__)));
    const QString fuentes = QDir::cleanPath(prueba.absolutePath() + QStringLiteral("/../../src"));
    if (!QFileInfo::exists(fuentes + QStringLiteral("/shell/frmPadre.cpp")))
        return literales;
    for (QDirIterator it(fuentes, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString t = QString::fromUtf8(f.readAll());
        QString actual;
        bool abierto = false;
        auto cerrar = [&] {
            if (abierto)
                literales << Normalizar(actual);
            abierto = false;
        };
        for (int i = 0; i < t.size();) {
            const QChar c = t.at(i);
            const QChar sigue = i + 1 < t.size() ? t.at(i + 1) : QChar();
            if (c == QLatin1Char('/') && sigue == QLatin1Char('/')) {
                i = t.indexOf(QLatin1Char('\n'), i);
                i = i < 0 ? int(t.size()) : i;
            } else if (c == QLatin1Char('/') && sigue == QLatin1Char('*')) {
                i = t.indexOf(QStringLiteral("*/"), i + 2);
                i = i < 0 ? int(t.size()) : i + 2;
            } else if (c == QLatin1Char('"')) {
                QString s;
                for (++i; i < t.size() && t.at(i) != QLatin1Char('"'); ++i) {
                    if (t.at(i) == QLatin1Char('\\') && i + 1 < t.size()) {
                        const QChar e = t.at(++i);
                        s += e == QLatin1Char('n') || e == QLatin1Char('r') || e == QLatin1Char('t') ? QChar(' ') : e;
                    } else {
                        s += t.at(i);
                    }
                }
                ++i;
                actual = abierto ? actual + s : s;
                abierto = true;
            } else if (c.isSpace()) {
                ++i;
            } else {
                cerrar();
                if (c == QLatin1Char('\'')) // a character literal, which may be a quote mark
                    for (++i; i < t.size() && t.at(i) != QLatin1Char('\''); ++i)
                        i += t.at(i) == QLatin1Char('\\') ? 1 : 0;
                ++i;
            }
        }
        cerrar();
    }
    return literales;
}

/// A main window over a fresh database whose company has two members earning 8000 and, for May
/// 2014, an original slip, its first complementary one and a slip of inspection records; today is
/// June 2014, so a new slip is for May 2014. The lists of the screens then hold the entries the
/// help gives as examples.
struct Escena
{
    BasePrueba base;
    DialogosPrueba dialogos;
    QSharedPointer<Empresa> emp;
    std::unique_ptr<frmPadre> ventana;
    bool lista = false;

    Escena()
    {
        Reloj::Fijar(QDate(2014, 6, 15));
        ParametrosPrueba();
        emp = EmpresaPrueba(&base.bd());
        if (!emp)
            return;
        for (const char* cuil : {"20-12345678-6", "27-12345678-0"})
            if (!EmpleadoPrueba(emp, QString::fromLatin1(cuil), QStringLiteral("Empleado %1").arg(cuil), 8000, true)
                     ->Grabar(base.bd()))
                return;
        for (int ordinal : {0, 1}) {
            auto liq = LiquidacionPrueba(emp, 5, 2014, ordinal);
            liq->setPagado2(liq->APagar2());
            if (!liq->Grabar(base.bd()))
                return;
        }
        auto actas = LiquidacionPrueba(emp, 5, 2014, 2, true);
        actas->setNroReq(QStringLiteral("1234"));
        actas->setPagadoReq(500);
        if (!actas->Grabar(base.bd()))
            return;
        ventana = std::make_unique<frmPadre>(dialogos);
        ventana->ElegirEmpresa(0);
        dialogos.Limpiar();
        lista = ventana->EmpresaActual() != nullptr;
    }
    ~Escena() { Reloj::Fijar(QDate()); }

    template <typename T>
    T* Ultima() const
    {
        const auto ventanas = ventana->Area()->subWindowList();
        return ventanas.isEmpty() ? nullptr : qobject_cast<T*>(ventanas.last()->widget());
    }
};

/// Rejects every modal dialog as soon as it is shown, so that a command can be run without an
/// answer: the dialog's own event loop ends at its first turn.
class CierreDeModales : public QObject
{
public:
    CierreDeModales() { qApp->installEventFilter(this); }
    ~CierreDeModales() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Show)
            if (auto* dialogo = qobject_cast<QDialog*>(objeto); dialogo && dialogo->isModal())
                QMetaObject::invokeMethod(dialogo, &QDialog::reject, Qt::QueuedConnection);
        return false;
    }
};

/// The texts of every screen the help may describe, by the name the pages use.
QMap<QString, Textos> TextosDePantallas(Escena& e)
{
    QMap<QString, Textos> t;
    t[QStringLiteral("frmPadre")] = TextosDe(e.ventana.get()); // before any screen opens inside it
    frmEmpresas* empresas = frmEmpresas::Abrir(*e.ventana);
    t[QStringLiteral("frmEmpresas")] = TextosDe(empresas);
    frmConsRubro rubros(empresas->findChild<QComboBox*>(QStringLiteral("cboRubro")), e.dialogos);
    t[QStringLiteral("frmConsRubro")] = TextosDe(&rubros);
    frmListaEmpleados lista(e.emp, e.dialogos, e.ventana.get());
    t[QStringLiteral("frmListaEmpleados")] = TextosDe(&lista);
    frmEmpleados edicion(e.dialogos, e.ventana.get());
    t[QStringLiteral("frmEmpleados")] = TextosDe(&edicion);
    e.ventana->NuevaBoletaNormal();
    auto* comun = e.Ultima<frmBoletaComun>();
    t[QStringLiteral("frmBoletaComun")] = TextosDe(comun);
    frmVistaPrevia vista(*comun->MiLiq(), e.ventana->Impresion().Actual(), e.ventana.get());
    t[QStringLiteral("frmVistaPrevia")] = TextosDe(&vista);
    e.ventana->NuevaBoletaExtra();
    t[QStringLiteral("frmBoletaExtra")] = TextosDe(e.Ultima<frmBoletaExtra>());
    for (int modo : {frmSelecLiquid::ModoGenerar, frmSelecLiquid::ModoEliminar, frmSelecLiquid::ModoConsultar}) {
        // As the main window's commands open it: the company's slips read first.
        e.ventana->EmpresaActual()->LeerLiquidaciones(e.base.bd());
        frmSelecLiquid seleccion(*e.ventana, modo);
        seleccion.CargarLiquidaciones();
        t[QStringLiteral("frmSelecLiquid")].Unir(TextosDe(&seleccion));
    }
    frmSelImpr impresora(e.dialogos, e.ventana->Impresion(), e.ventana.get());
    t[QStringLiteral("frmSelImpr")] = TextosDe(&impresora);
    frmBackUp copia(e.dialogos, e.base.bd(), e.ventana.get());
    t[QStringLiteral("frmBackUp")] = TextosDe(&copia);
    frmAbout acerca(e.ventana.get());
    t[QStringLiteral("frmAbout")] = TextosDe(&acerca);
    frmMetodoEnvio metodo(e.ventana.get());
    t[QStringLiteral("frmMetodoEnvio")] = TextosDe(&metodo);
    frmConfiguracionCorreo correo(e.dialogos, e.ventana.get());
    t[QStringLiteral("frmConfiguracionCorreo")] = TextosDe(&correo);
    frmAyuda ayuda(frmAyuda::CarpetaPorDefecto());
    t[QStringLiteral("frmAyuda")] = TextosDe(&ayuda);
    return t;
}

/// The title of the page in the main window's only help window; empty when there is none.
QString TituloMostrado(const frmPadre& ventana)
{
    const auto ventanas = ventana.findChildren<frmAyuda*>();
    return ventanas.size() == 1 ? ventanas.first()->Navegador()->documentTitle() : QString();
}
} // namespace

class TestAyuda : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        FijarLlaveroCorreo(&m_llavero); // the mail settings ask no desktop keyring
    }
    void cleanupTestCase() { FijarLlaveroCorreo(nullptr); }

    void paginasEnlacesYContenido()
    {
        const QList<Pagina> paginas = Paginas();
        QVERIFY(paginas.size() > 1);
        QStringList archivos;
        for (const Pagina& p : paginas)
            archivos << p.archivo;
        // The list of contents of the help window offers every page, and only pages that exist.
        frmAyuda ayuda(frmAyuda::CarpetaPorDefecto());
        const auto* temas = ayuda.findChild<QListWidget*>(QStringLiteral("lstTemas"));
        QStringList enContenido;
        for (int i = 0; i < temas->count(); ++i)
            enContenido << temas->item(i)->data(Qt::UserRole).toString();
        enContenido.sort();
        QCOMPARE(enContenido, archivos);

        // Every link leads to a page (and to an anchor of it), and every page is reached from the first.
        const QRegularExpression enlace(QStringLiteral("<a href=\"([^\"#:]*)(?:#([^\"]*))?\""));
        QMap<QString, QStringList> destinos;
        for (const Pagina& p : paginas) {
            QVERIFY2(p.html.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(p.archivo));
            QVERIFY2(p.html.contains(QStringLiteral("href=\"estilo.css\"")), qPrintable(p.archivo));
            for (auto m = enlace.globalMatch(p.html); m.hasNext();) {
                const auto e = m.next();
                const QString destino = e.captured(1).isEmpty() ? p.archivo : e.captured(1);
                const QString donde = p.archivo + QStringLiteral(" -> ") + e.captured(0);
                QVERIFY2(archivos.contains(destino), qPrintable(donde));
                if (!e.captured(2).isEmpty())
                    QVERIFY2(PaginaDe(destino).html.contains(QStringLiteral("name=\"%1\"").arg(e.captured(2))),
                             qPrintable(donde));
                destinos[p.archivo] << destino;
            }
        }
        QSet<QString> alcanzadas{frmAyuda::TemaPorDefecto()};
        QStringList pendientes{frmAyuda::TemaPorDefecto()};
        while (!pendientes.isEmpty())
            for (const QString& d : destinos.value(pendientes.takeFirst()))
                if (!alcanzadas.contains(d)) {
                    alcanzadas << d;
                    pendientes << d;
                }
        for (const QString& archivo : std::as_const(archivos))
            QVERIFY2(alcanzadas.contains(archivo), qPrintable(archivo + QStringLiteral(" no se alcanza desde el índice")));
    }

    void comandosDelMenu()
    {
        Escena e;
        QVERIFY(e.lista);
        QMap<QString, QAction*> rutas;
        RutasMenu(e.ventana->menuBar()->actions(), QString(), rutas);
        QSet<QString> citadas;
        for (const Pagina& p : Paginas())
            for (const QString& cita : p.Citas(QStringLiteral("menu"))) {
                // A quoted command exists and can be chosen: no page sends the user to a dead entry.
                QVERIFY2(rutas.contains(cita), qPrintable(p.archivo + QStringLiteral(": ") + cita));
                QVERIFY2(rutas.value(cita)->isEnabled(), qPrintable(p.archivo + QStringLiteral(": ") + cita));
                citadas << cita;
            }
        // Every command that can be chosen is described somewhere.
        for (auto r = rutas.cbegin(); r != rutas.cend(); ++r)
            if (r.value()->isEnabled())
                QVERIFY2(citadas.contains(r.key()), qPrintable(QStringLiteral("sin ayuda: ") + r.key()));
        // The function keys are those of the commands.
        const QRegularExpression tecla(QStringLiteral("<td class=\"t\">F(\\d+)</td><td><span class=\"menu\">(.*?)</span>"));
        int teclas = 0;
        for (auto m = tecla.globalMatch(PaginaDe(QStringLiteral("principal.html")).html); m.hasNext(); ++teclas) {
            const auto t = m.next();
            QCOMPARE(rutas.value(Plano(t.captured(2)))->shortcut(), QKeySequence(QStringLiteral("F") + t.captured(1)));
        }
        QCOMPARE(teclas, 7);
    }

    void ningunComandoDescritoEstaPendiente()
    {
        Escena e;
        QVERIFY(e.lista);
        e.ventana->show();
        QMap<QString, QAction*> rutas;
        RutasMenu(e.ventana->menuBar()->actions(), QString(), rutas);
        QSet<QString> citadas;
        for (const Pagina& p : Paginas())
            for (const QString& cita : p.Citas(QStringLiteral("menu")))
                citadas << cita;
        // Dialogs the commands open are closed at once; with an empty PATH no calculator or editor starts.
        const CierreDeModales cierre;
        const QByteArray camino = qgetenv("PATH");
        QTemporaryDir vacia;
        qputenv("PATH", vacia.path().toLocal8Bit());
        for (const QString& cita : std::as_const(citadas)) {
            if (cita == QLatin1String("Salir") || !rutas.contains(cita))
                continue;
            e.dialogos.Limpiar();
            e.dialogos.archivos.enqueue(QString()); // the restore's file dialog is cancelled
            rutas.value(cita)->trigger();
            QCoreApplication::processEvents();
            for (const auto& llamada : std::as_const(e.dialogos.llamadas))
                QVERIFY2(llamada.texto != frmPadre::TextoNoDisponible(), qPrintable(cita));
        }
        qputenv("PATH", camino);
    }

    void citasDeLasPantallas()
    {
        Escena e;
        QVERIFY(e.lista);
        const QMap<QString, Textos> pantallas = TextosDePantallas(e);
        QMap<QString, QSet<QString>> botonesCitados; // by screen
        for (const Pagina& p : Paginas()) {
            Textos textos;
            for (const QString& nombre : p.Pantallas()) {
                QVERIFY2(pantallas.contains(nombre), qPrintable(p.archivo + QStringLiteral(": ") + nombre));
                textos.Unir(pantallas.value(nombre));
            }
            const QStringList botones = p.Citas(QStringLiteral("cmd"));
            for (const QString& cita : botones)
                QVERIFY2(textos.botones.contains(cita), qPrintable(p.archivo + QStringLiteral(": botón ") + cita));
            for (const QString& cita : p.Citas(QStringLiteral("rot")))
                QVERIFY2(Nombra(textos.rotulos, cita), qPrintable(p.archivo + QStringLiteral(": rótulo ") + cita));
            for (const QString& cita : p.Citas(QStringLiteral("ventana")))
                QVERIFY2(Nombra(textos.titulos, cita), qPrintable(p.archivo + QStringLiteral(": ventana ") + cita));
            for (const QString& nombre : p.Pantallas())
                botonesCitados[nombre].unite(QSet<QString>(botones.cbegin(), botones.cend()));
        }
        // Every screen is described, with every one of its buttons.
        for (auto s = pantallas.cbegin(); s != pantallas.cend(); ++s) {
            QVERIFY2(botonesCitados.contains(s.key()), qPrintable(QStringLiteral("sin ayuda: ") + s.key()));
            for (const QString& boton : s.value().botones)
                QVERIFY2(botonesCitados.value(s.key()).contains(boton),
                         qPrintable(s.key() + QStringLiteral(": botón sin ayuda: ") + boton));
        }
    }

    void mensajesDelPrograma()
    {
        const QStringList literales = LiteralesDelPrograma();
        QVERIFY(literales.size() > 100);
        int citas = 0;
        for (const Pagina& p : Paginas())
            for (const QString& cita : p.Citas(QStringLiteral("msj"))) {
                ++citas;
                bool esta = false;
                for (const QString& literal : literales)
                    esta = esta || literal.contains(cita);
                QVERIFY2(esta, qPrintable(p.archivo + QStringLiteral(": ") + cita));
            }
        QVERIFY(citas > 20);
    }

    void palabrasDeLaHojaImpresa()
    {
        BasePrueba base;
        DialogosPrueba dialogos;
        ParametrosPrueba();
        auto emp = EmpresaPrueba(&base.bd());
        EmpleadoPrueba(emp, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez"), 8000, true);
        auto liq = LiquidacionPrueba(emp, 5, 2014);
        liq->setPagado2(liq->APagar2());
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("boleta.pdf"));
        Impresoras impresoras;
        impresoras.UsarArchivoPdf(pdf);
        QVERIFY(ImprimirLiquidacion(*liq, impresoras, dialogos));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QString impreso = Normalizar(QString::fromUtf8(pdftotext.readAllStandardOutput()));
        QVERIFY(impreso.contains(QStringLiteral("SON PESOS")));
        int citas = 0;
        for (const Pagina& p : Paginas())
            for (const QString& cita : p.Citas(QStringLiteral("impreso"))) {
                ++citas;
                QVERIFY2(impreso.contains(cita), qPrintable(p.archivo + QStringLiteral(": ") + cita));
            }
        QVERIFY(citas >= 4);
    }

    void formatosDeImportacion()
    {
        // Every kind of file the import dialog offers is one the import reads, and one the employees
        // page explains.
        const auto grupo = QRegularExpression(QStringLiteral("^[^(]*\\(([^)]*)\\)")).match(FiltroArchivosImportacion());
        const QStringList patrones = grupo.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(patrones.size() >= 2);
        const QString empleados = PaginaDe(QStringLiteral("empleados.html")).Texto();
        for (QString patron : patrones) {
            const QString extension = patron.remove(QLatin1Char('*'));
            QVERIFY(FormatoDeArchivo(QStringLiteral("lista") + extension) != FormatoImportacion::Ninguno);
            QVERIFY2(empleados.contains(extension + QLatin1Char(' ')), qPrintable(extension));
        }
    }

    void abrirLaAyuda()
    {
        BasePrueba base;
        DialogosPrueba dialogos;
        frmPadre ventana(dialogos);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowActive(&ventana));
        QTest::keyClick(&ventana, Qt::Key_F1);
        QCOMPARE(TituloMostrado(ventana), QStringLiteral("Aplicativo de Aportes"));
        // Choosing a topic in the contents shows its page.
        auto* temas = ventana.findChild<QListWidget*>(QStringLiteral("lstTemas"));
        QListWidgetItem* copia = temas->findItems(QStringLiteral("Copia de seguridad"), Qt::MatchExactly).value(0);
        QVERIFY(copia);
        temas->setCurrentItem(copia);
        emit temas->itemActivated(copia);
        QCOMPARE(TituloMostrado(ventana), QStringLiteral("Copia de seguridad"));
        // The toolbar button shows the same single window again, on the default topic.
        ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
        QCOMPARE(TituloMostrado(ventana), QStringLiteral("Aplicativo de Aportes"));
        QVERIFY(dialogos.llamadas.isEmpty());
    }

    void carpetaDeAyuda()
    {
        BasePrueba base;
        QTemporaryDir carpeta;
        DialogosPrueba dialogos;
        frmPadre ventana(dialogos);
        for (const QString& sinAyuda : {carpeta.path() + QStringLiteral("/no-existe"), carpeta.path()}) {
            dialogos.Limpiar();
            ventana.setCarpetaAyuda(sinAyuda);
            ventana.findChild<QToolButton*>(QStringLiteral("cmdHelp"))->click();
            QVERIFY(ventana.findChildren<frmAyuda*>().isEmpty());
            QCOMPARE(dialogos.llamadas.size(), 1);
            QCOMPARE(dialogos.Ultima().texto, QStringLiteral("El sistema de ayuda no se ha instalado correctamente."));
            QCOMPARE(dialogos.Ultima().titulo, QStringLiteral("AYUDA"));
        }
        // Installed in another folder, it is shown from there.
        QFile pagina(QDir(carpeta.path()).filePath(frmAyuda::TemaPorDefecto()));
        QVERIFY(pagina.open(QIODevice::WriteOnly));
        pagina.write("<html><head><title>Ayuda aparte</title></head><body>Hola</body></html>");
        pagina.close();
        dialogos.Limpiar();
        ventana.AyudaDelSistema();
        QCOMPARE(TituloMostrado(ventana), QStringLiteral("Ayuda aparte"));
        QVERIFY(dialogos.llamadas.isEmpty());
    }

private:
    LlaveroPrueba m_llavero;
};

QTEST_MAIN(TestAyuda)
#include "tst_ayuda.moc"
