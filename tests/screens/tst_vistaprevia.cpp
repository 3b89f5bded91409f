// SPDX-License-Identifier: GPL-3.0-or-later
// The slip screens' print preview: one page per copy, the very page the printout carries (each
// page image of the preview against the PDF printout read back with poppler and zbarimg), and
// nothing saved, declared or printed on the way. The offscreen screen is 800 × 600, the smallest
// supported.
#include "tst_frmboleta.h"

#include "printing/CodigoPago.h"
#include "printing/LecturaPdf.h"
#include "printing/printer/ImpresoraSistema.h"
#include "printing/printer/Impresoras.h"
#include "records/Global.h"
#include "screens/ImpresionBoleta.h"
#include "screens/frmVistaPrevia.h"
#include "support/DialogoModal.h"
#include "support/PantallaChica.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
/// Pages are compared at the resolution zbarimg reads the symbols at (a module is 4 pixels).
constexpr int kDpi = 300;
/// Top of each copy's symbol, in 1/300 inch.
constexpr int kSimbolos[] = {1280, 2820};

QRect EnPantalla(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

/// Runs accion and reports whether a modal dialog was shown meanwhile; one that is shown is closed
/// as soon as its event loop runs, so that a preview opened by mistake never waits.
bool AbreUnModal(const std::function<void()>& accion)
{
    struct Vigia : QObject
    {
        bool abierto = false;
        bool eventFilter(QObject* objeto, QEvent* evento) override
        {
            auto* dialogo = qobject_cast<QDialog*>(objeto);
            if (evento->type() == QEvent::Show && dialogo && dialogo->isModal()) {
                abierto = true;
                QMetaObject::invokeMethod(dialogo, &QDialog::reject, Qt::QueuedConnection);
            }
            return false;
        }
    } vigia;
    qApp->installEventFilter(&vigia);
    accion();
    qApp->removeEventFilter(&vigia);
    return vigia.abierto;
}

/// Page `pagina` (from 1) of the preview as it is shown, at kDpi: the sheet without its shadow.
QImage PaginaMostrada(frmVistaPrevia* vista, int pagina)
{
    auto* visor = vista->Vista()->findChild<QGraphicsView*>();
    if (!visor || !visor->scene())
        return {};
    QList<QGraphicsItem*> hojas;
    for (QGraphicsItem* item : visor->scene()->items())
        if (!item->parentItem())
            hojas.append(item);
    std::sort(hojas.begin(), hojas.end(),
              [](const QGraphicsItem* a, const QGraphicsItem* b) { return a->scenePos().y() < b->scenePos().y(); });
    if (pagina < 1 || pagina > hojas.size())
        return {};
    QGraphicsItem* hoja = hojas.at(pagina - 1);
    // The item reaches an equal border beyond the sheet on every side, for its shadow.
    const QRectF marco = hoja->boundingRect();
    const double borde = -marco.left();
    const QRectF papel(0, 0, marco.width() - 2 * borde, marco.height() - 2 * borde);
    const QSizeF hojaA4(210 / 25.4 * kDpi, 297 / 25.4 * kDpi);
    QImage imagen(hojaA4.toSize(), QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    visor->scene()->render(&pintor, QRectF(QPointF(0, 0), hojaA4), hoja->mapRectToScene(papel), Qt::IgnoreAspectRatio);
    return imagen;
}

QList<QImage> PaginasMostradas(frmVistaPrevia* vista)
{
    QList<QImage> paginas;
    for (int n = 1; n <= vista->Paginas(); ++n)
        paginas.append(PaginaMostrada(vista, n));
    return paginas;
}

/// The ink of one page in a box (pixels) that the other page has no ink within one pixel of, the
/// larger count of the two ways, once the other page's marks are moved by the offset of up to
/// kHolgura pixels that matches them best: 0 for the same marks, whatever each rasteriser's
/// anti-aliasing and rounding do to their edges; a different figure or bar leaves ink unmatched.
constexpr int kHolgura = 2;
int Desajuste(const QImage& a, const QImage& b, const QRect& caja)
{
    const QRect r = caja.intersected(a.rect()).intersected(b.rect());
    // Ink maps of both pages over the box and a margin around it, so that moved marks stay inside.
    const int m = kHolgura + 1;
    const int ancho = r.width() + 2 * m;
    const int alto = r.height() + 2 * m;
    const auto mapa = [&](const QImage& hoja) {
        std::vector<char> tinta(size_t(ancho) * alto, 0);
        for (int y = 0; y < alto; ++y)
            for (int x = 0; x < ancho; ++x) {
                const QPoint p(r.left() - m + x, r.top() - m + y);
                if (hoja.rect().contains(p))
                    tinta[size_t(y) * ancho + x] = qGray(hoja.pixel(p)) < 128;
            }
        return tinta;
    };
    const std::vector<char> ta = mapa(a);
    const std::vector<char> tb = mapa(b);
    const auto en = [&](const std::vector<char>& t, int x, int y) { return t[size_t(y) * ancho + x] != 0; };
    const auto cerca = [&](const std::vector<char>& t, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (en(t, x + dx, y + dy))
                    return true;
        return false;
    };
    int mejor = r.width() * r.height();
    for (int dy = -kHolgura; dy <= kHolgura; ++dy)
        for (int dx = -kHolgura; dx <= kHolgura; ++dx) {
            int soloA = 0, soloB = 0;
            for (int y = m; y < alto - m; ++y)
                for (int x = m; x < ancho - m; ++x) {
                    soloA += en(ta, x, y) && !cerca(tb, x + dx, y + dy);
                    soloB += en(tb, x + dx, y + dy) && !cerca(ta, x, y);
                }
            mejor = std::min(mejor, std::max(soloA, soloB));
        }
    return mejor;
}

QRect EnPixeles(const QRectF& mm)
{
    const double px = kDpi / 25.4;
    return QRectF(mm.topLeft() * px, mm.size() * px).toAlignedRect();
}

/// What zbarimg reads in the band of one copy's symbol, across the whole sheet.
QString Simbolo(const QImage& hoja, int y300, const QString& carpeta)
{
    const QString archivo = carpeta + QStringLiteral("/banda.png");
    hoja.copy(QRect(0, y300 - 60, hoja.width(), 240)).save(archivo);
    return Ejecutar(QStringLiteral("zbarimg"), {QStringLiteral("-q"), QStringLiteral("--raw"), archivo}).trimmed();
}

/// The version line, whose time of day is that of each drawing: left out of the comparison.
bool EnLineaDeVersion(const QRectF& caja)
{
    for (double o : {0.0, 130.0})
        if (caja.top() > o + 126 && caja.top() < o + 131 && caja.left() < 58)
            return true;
    return false;
}

/// Unmatched ink allowed in a box: the same slip leaves none; one figure changed leaves over 150.
constexpr int kSinPar = 10;

/// Where a preview page and a printed page differ: each word the PDF holds on that page, in a box
/// 0.6 mm wider on every side, and each copy's bar code symbol with its quiet zone, must carry the
/// same marks at the same place, and zbarimg must read the same in both symbols.
QStringList Diferencias(const QImage& vista, const QImage& impresa, const Palabras& palabras, int pagina,
                        const QString& carpeta)
{
    QStringList diferencias;
    if (vista.isNull() || impresa.isNull())
        return {QStringLiteral("falta la página %1").arg(pagina)};
    if (std::abs(vista.width() - impresa.width()) > 1 || std::abs(vista.height() - impresa.height()) > 1)
        diferencias << QStringLiteral("hojas de tamaños distintos");
    int comparadas = 0;
    for (const Palabras::Palabra& p : palabras.lista) {
        if (p.pagina != pagina || EnLineaDeVersion(p.caja))
            continue;
        ++comparadas;
        const int desajuste = Desajuste(vista, impresa, EnPixeles(p.caja.adjusted(-0.6, -0.6, 0.6, 0.6)));
        if (desajuste > kSinPar)
            diferencias << QStringLiteral("«%1» en (%2, %3): %4 píxeles de tinta sin par")
                               .arg(p.texto).arg(p.caja.left(), 0, 'f', 1).arg(p.caja.top(), 0, 'f', 1)
                               .arg(desajuste);
    }
    if (comparadas < 60)
        diferencias << QStringLiteral("solo %1 palabras en la página %2 del PDF").arg(comparadas).arg(pagina);
    for (const int y300 : kSimbolos) {
        // From the quiet zone before the symbol to the one after its 365 modules of 4/300 inch.
        const int desajuste = Desajuste(vista, impresa, QRect(370, y300 - 20, 1540, 160));
        const QString leidoVista = Simbolo(vista, y300, carpeta);
        const QString leidoImpresa = Simbolo(impresa, y300, carpeta);
        if (desajuste > kSinPar || leidoVista.isEmpty() || leidoVista != leidoImpresa)
            diferencias << QStringLiteral("«símbolo %1»: %2 píxeles de tinta sin par; se lee «%3» / «%4»")
                               .arg(y300).arg(desajuste).arg(leidoVista, leidoImpresa);
    }
    return diferencias;
}

QByteArray Leer(const QString& archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

frmBoleta* Abrir(EscenaBoleta& e, bool extra)
{
    if (extra) {
        auto* p = e.NuevaExtra();
        // A record payment: an extraordinary slip starts without employees, so with nothing due.
        Escribir(Importe(p, "txtPagadoOtros"), QStringLiteral("250"));
        return p;
    }
    return e.NuevaComun();
}

/// The buttons of the slip screen's lower bar, left to right.
QList<QPushButton*> BotonesDeLaBarra(frmBoleta* p)
{
    QList<QPushButton*> botones;
    QLayout* barra = Control<QPushButton>(p, "cmdImprimir")->parentWidget()->layout();
    for (int i = 0; i < barra->count(); ++i)
        if (auto* b = qobject_cast<QPushButton*>(barra->itemAt(i)->widget()))
            botones.append(b);
    return botones;
}
} // namespace

class TestVistaPrevia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        QLocale::setDefault(LocalArgentina());
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(800, 600));
    }

    void cleanup() { QApplication::setFont(m_letra); }

    void boton_data()
    {
        QTest::addColumn<bool>("extra");
        QTest::addColumn<int>("empleados");
        QTest::addColumn<qreal>("aumento"); // of the desktop's font
        QTest::newRow("Boleta Periodo") << false << 3 << 1.0;
        // With more than 20 employees "&Envio Datos" takes its place in the bar too.
        QTest::newRow("Boleta Periodo con envío") << false << 21 << 1.0;
        QTest::newRow("Boleta Periodo con envío, letra más grande") << false << 21 << 1.2;
        QTest::newRow("Boleta Actas") << true << 3 << 1.0;
        QTest::newRow("Boleta Actas, letra más grande") << true << 3 << 1.2;
    }
    void boton()
    {
        QFETCH(bool, extra);
        QFETCH(int, empleados);
        QFETCH(qreal, aumento);
        QFont letra = m_letra;
        letra.setPointSizeF(letra.pointSizeF() * aumento);
        QApplication::setFont(letra);
        EscenaBoleta e(empleados);
        e.ventana->resize(800, 600);
        e.ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.ventana.get()));
        frmBoleta* p = extra ? static_cast<frmBoleta*>(e.NuevaExtra()) : e.NuevaComun();
        auto* vista = Control<QPushButton>(p, "cmdVistaPrevia");
        auto* imprimir = Control<QPushButton>(p, "cmdImprimir");
        QVERIFY(vista && imprimir);
        QCOMPARE(vista->text(), QStringLiteral("&Vista previa"));
        // Beside "&Imprimir", in the same bar.
        const QList<QPushButton*> botones = BotonesDeLaBarra(p);
        QCOMPARE(botones.indexOf(vista), botones.indexOf(imprimir) + 1);
        // Enabled exactly when printing is: nothing to deposit, nothing to see.
        QCOMPARE(imprimir->isEnabled(), !extra);
        QCOMPARE(vista->isEnabled(), imprimir->isEnabled());
        if (extra) {
            Escribir(Importe(p, "txtPagadoOtros"), QStringLiteral("250"));
            QVERIFY(imprimir->isEnabled());
            QCOMPARE(vista->isEnabled(), imprimir->isEnabled());
        }
        // Every button of the bar whole, with its whole caption, inside the screen's fixed size.
        QTRY_VERIFY(vista->isVisible());
        const QRect pantalla = p->rect();
        for (QPushButton* b : botones) {
            if (!b->isVisible())
                continue;
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
            QVERIFY2(pantalla.contains(QRect(b->mapTo(p, QPoint(0, 0)), b->size())), qPrintable(b->text()));
        }
        QCOMPARE(Control<QPushButton>(p, "cmdMandaSuc")->isVisible(), extra || empleados > 20);
        if (extra) {
            Vaciar(Importe(p, "txtPagadoOtros"));
            QTest::keyClick(Importe(p, "txtPagadoOtros"), Qt::Key_Return);
            QVERIFY(!imprimir->isEnabled());
            QCOMPARE(vista->isEnabled(), imprimir->isEnabled());
        }
    }

    void nadaSeGuarda_data()
    {
        QTest::addColumn<bool>("extra");
        QTest::addColumn<int>("anio");
        QTest::addColumn<bool>("grabadaYCambiada");
        QTest::newRow("periodo nueva") << false << 2014 << false;
        QTest::newRow("periodo de hace años") << false << 2011 << false;
        QTest::newRow("periodo grabada y cambiada") << false << 2014 << true;
        QTest::newRow("actas nueva") << true << 2014 << false;
        QTest::newRow("actas grabada y cambiada") << true << 2014 << true;
    }
    void nadaSeGuarda()
    {
        QFETCH(bool, extra);
        QFETCH(int, anio);
        QFETCH(bool, grabadaYCambiada);
        EscenaBoleta e;
        frmBoleta* p = Abrir(e, extra);
        p->MiLiq()->setAnio(anio);
        // The union dues of an ordinary slip may be paid in part; an extraordinary slip pays records.
        const QString campo = extra ? QStringLiteral("txtPagadoOtros") : QStringLiteral("txtPagadoCuota");
        const QString columna = QStringLiteral("select %1 from liquidaciones").arg(campo.mid(3).toLower());
        double guardado = 0;
        if (grabadaYCambiada) {
            Pulsar(p, "cmdGrabar");
            guardado = e.base.bd().ValorEscalar(columna).toDouble();
            Escribir(Importe(p, campo), QStringLiteral("99"));
            QCOMPARE(Importe(p, campo)->text(), QStringLiteral("99,00"));
            QVERIFY(guardado > 99);
        }
        const double total = p->MiLiq()->PagadoTotal();
        Control<QComboBox>(p, "cboCopias")->setCurrentIndex(1);
        QCOMPARE(p->MiLiq()->BoletasAImprimir(), 2);

        // The printer as a real printout leaves it.
        QVERIFY(ImprimirLiquidacion(*p->MiLiq(), e.ventana->Impresion(), e.dialogos));
        QVERIFY(QFile::remove(e.Pdf()));
        e.dialogos.Limpiar();
        ImpresoraSistema& actual = e.ventana->Impresion().Actual();
        const QString nombre = actual.Nombre();
        const QFont fuente = actual.Fuente();
        const qint64 boletas = e.Boletas();
        const qint64 empleados = e.base.Contar(QStringLiteral("select count(*) from empleados"));
        const QByteArray huella = Leer(e.base.Archivo());
        QVERIFY(!huella.isEmpty());

        RESPONDER_MODAL([&] { Pulsar(p, "cmdVistaPrevia"); },
                        [&](frmVistaPrevia* vista) {
                            QCOMPARE(vista->windowTitle(), QStringLiteral("Vista previa de la boleta"));
                            QCOMPARE(vista->Paginas(), 2);
                            QVERIFY(!PaginaMostrada(vista, 2).isNull());
                            QVERIFY(PaginaMostrada(vista, 3).isNull());
                            QCOMPARE(Control<QLabel>(vista, "lblPagina")->text(), QStringLiteral("Página 1 de 2"));
                            auto* anterior = vista->findChild<QAction*>(QStringLiteral("actPaginaAnterior"));
                            auto* siguiente = vista->findChild<QAction*>(QStringLiteral("actPaginaSiguiente"));
                            QVERIFY(anterior && siguiente);
                            QVERIFY(!anterior->isEnabled() && siguiente->isEnabled());
                            siguiente->trigger();
                            QCOMPARE(vista->PaginaActual(), 2);
                            QCOMPARE(Control<QLabel>(vista, "lblPagina")->text(), QStringLiteral("Página 2 de 2"));
                            QVERIFY(anterior->isEnabled() && !siguiente->isEnabled());
                            anterior->trigger();
                            QCOMPARE(vista->PaginaActual(), 1);
                            Control<QPushButton>(vista, "cmdCerrar")->click();
                        });

        // Nothing asked, told, stored, declared or printed.
        QCOMPARE(e.Mensajes(), QStringList());
        QCOMPARE(e.Boletas(), boletas);
        QCOMPARE(e.base.Contar(QStringLiteral("select count(*) from empleados")), empleados);
        QVERIFY(Leer(e.base.Archivo()) == huella);
        QVERIFY(!QFile::exists(e.Pdf()));
        QVERIFY(!QFile::exists(e.Ddjj()));
        QCOMPARE(p->MiLiq()->Nueva(), !grabadaYCambiada);
        QCOMPARE(p->MiLiq()->PagadoTotal(), total);
        if (grabadaYCambiada)
            QCOMPARE(e.base.bd().ValorEscalar(columna).toDouble(), guardado);
        // The current printer is as it was, and the next printout goes where it went before.
        QCOMPARE(actual.Nombre(), nombre);
        QCOMPARE(actual.ArchivoPdfFijo(), e.Pdf());
        QCOMPARE(actual.Fuente(), fuente);
        QVERIFY(ImprimirLiquidacion(*p->MiLiq(), e.ventana->Impresion(), e.dialogos));
        QVERIFY2(Ejecutar(QStringLiteral("pdfinfo"), {e.Pdf()}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))),
                 "la impresión siguiente no dio dos páginas");
    }

    void cabeEnLaPantalla()
    {
        EscenaBoleta e;
        e.ventana->resize(800, 600);
        e.ventana->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.ventana.get()));
        auto* p = e.NuevaComun();
        RESPONDER_MODAL([&] { Pulsar(p, "cmdVistaPrevia"); },
                        [&](frmVistaPrevia* vista) {
                            const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
                            QVERIFY2(pantalla.contains(vista->frameGeometry()),
                                     qPrintable(QStringLiteral("%1x%2").arg(vista->width()).arg(vista->height())));
                            QVERIFY(vista->minimumSizeHint().width() <= vista->width());
                            for (const char* nombre : {"cmdCerrar", "lblPagina"})
                                QVERIFY2(pantalla.contains(EnPantalla(Control<QWidget>(vista, nombre))), nombre);
                            // Every command on the toolbar itself, with its picture, none behind the
                            // overflow button.
                            auto* barra = Control<QToolBar>(vista, "barraVistaPrevia");
                            QVERIFY(barra);
                            for (QAction* accion : barra->actions()) {
                                if (accion->isSeparator() || accion->text().isEmpty())
                                    continue;
                                auto* boton = qobject_cast<QToolButton*>(barra->widgetForAction(accion));
                                QVERIFY2(boton && boton->isVisible(), qPrintable(accion->text()));
                                QVERIFY2(!accion->icon().pixmap(24).isNull(), qPrintable(accion->text()));
                                QVERIFY2(barra->rect().contains(boton->geometry()), qPrintable(accion->text()));
                            }
                            for (auto* mas : barra->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
                                QVERIFY(!mas->isVisible());
                            // Zoom works on the page shown, not on the page drawn.
                            auto* acercar = vista->findChild<QAction*>(QStringLiteral("actAcercar"));
                            QVERIFY(acercar);
                            const double antes = vista->Vista()->zoomFactor();
                            acercar->trigger();
                            QVERIFY(vista->Vista()->zoomFactor() > antes);
                            QCOMPARE(vista->Paginas(), 1);
                        });
    }

    void codigoRechazado_data()
    {
        QTest::addColumn<bool>("extra");
        QTest::addColumn<QString>("nroReq");
        QTest::addColumn<double>("otros");
        QTest::newRow("periodo, acta con letras") << false << "A-15" << 0.0;
        QTest::newRow("periodo, total de diez millones") << false << QString() << 1e7;
        QTest::newRow("actas, acta con letras") << true << "15B" << 0.0;
        QTest::newRow("actas, total de diez millones") << true << QString() << 1e7;
    }
    void codigoRechazado()
    {
        QFETCH(bool, extra);
        QFETCH(QString, nroReq);
        QFETCH(double, otros);
        EscenaBoleta e;
        frmBoleta* p = Abrir(e, extra);
        p->MiLiq()->setNroReq(nroReq);
        p->MiLiq()->setPagadoOtros(p->MiLiq()->PagadoOtros() + otros);
        QString motivo;
        QVERIFY(CodigoPago(*p->MiLiq(), &motivo).isEmpty());
        Pulsar(p, "cmdImprimir");
        QVERIFY(!e.dialogos.llamadas.isEmpty());
        const DialogosPrueba::Llamada impresion = e.dialogos.Ultima();
        QCOMPARE(impresion.texto, motivo);
        e.dialogos.Limpiar();

        QVERIFY(!AbreUnModal([&] { Pulsar(p, "cmdVistaPrevia"); }));
        QCOMPARE(e.dialogos.llamadas.size(), 1);
        const DialogosPrueba::Llamada vista = e.dialogos.Ultima();
        QCOMPARE(vista.tipo, impresion.tipo);
        QCOMPARE(vista.titulo, impresion.titulo);
        QCOMPARE(vista.texto, impresion.texto);
        QCOMPARE(vista.icono, impresion.icono);
        QCOMPARE(e.Boletas(), 0);
    }

    void mismaPaginaQueLaImpresa_data()
    {
        QTest::addColumn<bool>("extra");
        QTest::addColumn<int>("copias");
        QTest::newRow("periodo con cheque, una copia") << false << 1;
        QTest::newRow("actas con acta, dos copias") << true << 2;
    }
    void mismaPaginaQueLaImpresa()
    {
        // The same slip printed to PDF and previewed: every word and both symbols of every page the
        // same, at the same place; a slip that differs by one amount does not pass for it.
        QFETCH(bool, extra);
        QFETCH(int, copias);
        EscenaBoleta e;
        frmBoleta* p = Abrir(e, extra);
        Liquidacion& liq = *p->MiLiq();
        if (extra) {
            liq.setNroReq(QStringLiteral("4521"));
            liq.setCuota(QStringLiteral("3"));
            liq.setPagadoReq(1500.5);
        } else {
            liq.setCoeficiente(10);
            liq.setPagadoRecargo(liq.APagarRecargo());
            liq.setFormaPago(1);
            liq.setBanco(QStringLiteral("Banco de Velmar"));
            liq.setNroCheque(QStringLiteral("00451278"));
        }
        liq.setOtrosConceptos(QStringLiteral("Intereses"));
        liq.setPagadoOtros(123.45);
        Control<QComboBox>(p, "cboCopias")->setCurrentIndex(copias - 1);
        QCOMPARE(liq.BoletasAImprimir(), copias);
        QVERIFY(ImprimirLiquidacion(liq, e.ventana->Impresion(), e.dialogos));

        QList<QImage> mostradas;
        RESPONDER_MODAL([&] { Pulsar(p, "cmdVistaPrevia"); },
                        [&](frmVistaPrevia* vista) { mostradas = PaginasMostradas(vista); });
        QCOMPARE(mostradas.size(), copias);
        const QList<QImage> impresas = Paginas300(e.Pdf(), e.salida.path());
        QCOMPARE(impresas.size(), copias);
        const Palabras palabras(e.Pdf());
        for (int pagina = 1; pagina <= copias; ++pagina) {
            const QStringList diferencias =
                Diferencias(mostradas.at(pagina - 1), impresas.at(pagina - 1), palabras, pagina, e.salida.path());
            QVERIFY2(diferencias.isEmpty(), qPrintable(diferencias.join(QLatin1Char('\n'))));
            QCOMPARE(Simbolo(mostradas.at(pagina - 1), kSimbolos[1], e.salida.path()), CodigoPago(liq));
        }

        liq.setPagadoOtros(723.45);
        QVERIFY(ImprimirLiquidacion(liq, e.ventana->Impresion(), e.dialogos));
        const QList<QImage> otras = Paginas300(e.Pdf(), e.salida.path());
        QCOMPARE(otras.size(), copias);
        const Palabras otrasPalabras(e.Pdf());
        for (int pagina = 1; pagina <= copias; ++pagina) {
            const QString todas =
                Diferencias(mostradas.at(pagina - 1), otras.at(pagina - 1), otrasPalabras, pagina, e.salida.path())
                    .join(QLatin1Char('\n'));
            // The total, the payment code's digits and its symbols at least, on both halves.
            const auto palabra = [](const QString& texto) { return QStringLiteral("«%1» en (").arg(texto); };
            QVERIFY2(todas.count(palabra(QStringLiteral("$") + FormatoImporte(liq.PagadoTotal()))) == 2,
                     qPrintable(todas));
            QVERIFY2(todas.count(palabra(CodigoPago(liq))) == 2, qPrintable(todas));
            QVERIFY2(todas.count(QStringLiteral("«símbolo")) == 2, qPrintable(todas));
        }
    }

private:
    const QFont m_letra = QApplication::font();
};

int main(int argc, char** argv)
{
    return EjecutarEnPantallaChica<TestVistaPrevia>(argc, argv);
}
#include "tst_vistaprevia.moc"
