// SPDX-License-Identifier: GPL-3.0-or-later
// The slip page as the bank's reader and the depositor meet it, drawn by the core alone: printed to
// real PDF files and images, read back with poppler (words and their boxes in millimetres) and
// zbarimg (the symbols at 300 dpi).
#include "liquidation/Liquidacion.h"
#include "printing/AjusteTexto.h"
#include "printing/CodigoPago.h"
#include "printing/Emblema.h"
#include "printing/ImpresionLiquidacion.h"
#include "printing/ImpresoraPdf.h"
#include "printing/LecturaPdf.h"
#include "printing/MontoEnLetras.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "support/DatosLiquidacion.h"
#include "support/Entorno.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <utility>

namespace {

/// A symbol with its 10-module quiet zones on both sides, in millimetres: 410/300 inch from the
/// left and y300/300 inch from the top, 365 modules of 4/300 inch, 0.4 inch high.
QRectF ZonaSimbolo(double y300)
{
    const double mm = 25.4 / 300;
    return QRectF((410 - 10 * 4) * mm, y300 * mm, (365 + 2 * 10) * 4 * mm, 120 * mm);
}

/// A printer whose jobs are 300 dpi A4 images, one page each, like a real printer's jobs.
class ImpresoraImagenes : public ImpresoraPintor
{
public:
    QString Nombre() const override { return QStringLiteral("Imagen"); }
    bool ComenzarImpresion() override { return true; }
    void PrepararPagina() override {}
    std::deque<QImage> trabajos;

protected:
    QPaintDevice* AbrirTrabajo() override
    {
        trabajos.emplace_back(2480, 3508, QImage::Format_RGB32);
        trabajos.back().setDotsPerMeterX(11811);
        trabajos.back().setDotsPerMeterY(11811);
        trabajos.back().fill(Qt::white);
        return &trabajos.back();
    }
    bool TrabajoPorPagina() const override { return true; }
    bool NuevaPagina() override { return false; }
};

} // namespace

class TestPaginaBoleta : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        QVERIFY(m_carpeta.isValid());
        m_base = std::make_unique<BasePrueba>();
        QVERIFY(m_base->Valida());
        ParametrosPrueba();
        m_empresa = EmpresaPrueba(&m_base->bd());
        QVERIFY(m_empresa);
        for (const auto& e : {EmpleadoPrueba(m_empresa, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez, Juan"), 100000, true),
                              EmpleadoPrueba(m_empresa, QStringLiteral("27-12345678-0"), QStringLiteral("Gómez, Ana"), 50000)})
            QVERIFY(e->Grabar(m_base->bd()));
    }

    void boletaGuardada()
    {
        LocalPrueba local(LocalArgentina());
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        const QString codigo = CodigoPago(*liq);
        QVERIFY(!codigo.isEmpty());
        const QString pdf = Imprimir(*liq, QStringLiteral("boleta.pdf"));
        QVERIFY(!pdf.isEmpty());
        const QString info = Ejecutar(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("pts (A4)")), qPrintable(info));
        // A wider substitute for Arial would push every amount out of its box.
        QVERIFY(Ejecutar(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("LiberationSans")));

        // Key texts at their places in both halves (the lower one 130 mm down) of both pages.
        const struct { double x, y; QString texto; } esperados[] = {
            {17, 38, QStringLiteral("30-12345678-9")}, {68, 38, QStringLiteral("Almacén Núñez S.R.L.")},
            {160, 38, QStringLiteral("03/2012")}, {108, 42, QStringLiteral("FLORIDA")}, {38, 46, QStringLiteral("2")},
            {84, 46, QStringLiteral("150000,00")}, {166, 42, QStringLiteral("1")},
            {175, 53, QStringLiteral("$3000,00")}, {150, 72, QStringLiteral("10%")}, {175, 92, QStringLiteral("$5650,00")},
            {6, 102, QStringLiteral("SON PESOS: CINCO MIL SEISCIENTOS CINCUENTA CON ( 0/100)")}, {6, 109, QStringLiteral("Efectivo")},
            {43, 120, codigo}};
        const Palabras palabras(pdf);
        for (int pagina = 1; pagina <= 2; ++pagina)
            for (double o : {0.0, 130.0})
                for (const auto& e : esperados) {
                    const QString renglon = palabras.Desde(pagina, e.x, o + e.y);
                    QVERIFY2(renglon == e.texto || renglon.startsWith(e.texto + QLatin1Char(' ')), qPrintable(renglon));
                }
        // The bank's reader: each half of each page carries a symbol of exactly the printed digits.
        QCOMPARE(Simbolos(Paginas300(pdf, m_carpeta.path()), m_carpeta.path()), QStringList(4, codigo));
    }

    void nadaSeSuperpone_data()
    {
        QTest::addColumn<QString>("banco");
        QTest::addColumn<QString>("cheque");
        QTest::addColumn<QString>("nroReq");
        QTest::addColumn<QString>("cuota");
        QTest::addColumn<bool>("maximos");
        QTest::addColumn<bool>("bancoEntero");
        QTest::addColumn<bool>("chequeEntero");
        QTest::newRow("banco corto") << "Banco Provincia" << "00123987" << QString() << QString() << false << true << true;
        QTest::newRow("banco largo, cheque de 20 dígitos, montos máximos")
            << "Banco de la Nación Argentina" << "12345678901234567890" << QString() << QString() << true << false
            << true;
        QTest::newRow("acta con cuota larga, banco de 50 caracteres")
            << "Banco de Galicia y Buenos Aires S.A.U. Suc. Centro" << "CH-00012345678901234" << "12345678"
            << "Cuota 12 de 12 del plan de facilidades de pago" << true << false << false;
    }

    /// Whatever the values, no text enters a symbol or its quiet zones, none crosses the boxes'
    /// right rule or runs into another text, figures stay whole and both symbols scan.
    void nadaSeSuperpone()
    {
        QFETCH(QString, banco);
        QFETCH(QString, cheque);
        QFETCH(QString, nroReq);
        QFETCH(QString, cuota);
        QFETCH(bool, maximos);
        QFETCH(bool, bancoEntero);
        QFETCH(bool, chequeEntero);
        LocalPrueba local(LocalArgentina());
        const auto liq = Boleta(maximos);
        liq->setFormaPago(1);
        liq->setBanco(banco);
        liq->setNroCheque(cheque);
        liq->setNroReq(nroReq);
        liq->setCuota(cuota);
        if (!nroReq.isEmpty())
            liq->setPagadoReq(maximos ? 999999.99 : 1234.5);
        if (maximos) // the largest total the payment code carries
            liq->setPagadoOtros(9999999.99 - (liq->PagadoTotal() - liq->PagadoOtros()));
        const QString codigo = CodigoPago(*liq);
        QVERIFY(!codigo.isEmpty());
        if (maximos)
            QCOMPARE(Centavos(liq->PagadoTotal()), qint64(999999999));
        liq->setBoletasAImprimir(1);
        const QString pdf = Imprimir(*liq, QStringLiteral("cheque.pdf"));
        QVERIFY(!pdf.isEmpty());

        QCOMPARE(Simbolos(Paginas300(pdf, m_carpeta.path()), m_carpeta.path()), QStringList(2, codigo));
        const Palabras palabras(pdf);
        QVERIFY(palabras.lista.size() > 100);
        const QRectF zonas[] = {ZonaSimbolo(1280), ZonaSimbolo(2820)};
        for (int i = 0; i < palabras.lista.size(); ++i) {
            const Palabras::Palabra& p = palabras.lista.at(i);
            const QString donde = QStringLiteral("\"%1\" at %2, %3 - %4, %5").arg(p.texto).arg(p.caja.left())
                                      .arg(p.caja.top()).arg(p.caja.right()).arg(p.caja.bottom());
            for (const QRectF& zona : zonas)
                QVERIFY2(!zona.intersects(p.caja), qPrintable(QStringLiteral("in a symbol's zone: ") + donde));
            QVERIFY2(p.caja.right() <= 194, qPrintable(QStringLiteral("across the right rule: ") + donde));
            // Boxes of neighbouring lines may touch; they must not overlap.
            const QRectF dentro = p.caja.adjusted(0.05, 0.05, -0.05, -0.05);
            for (int j = i + 1; j < palabras.lista.size(); ++j)
                QVERIFY2(!dentro.intersects(palabras.lista.at(j).caja),
                         qPrintable(QStringLiteral("over \"%1\": ").arg(palabras.lista.at(j).texto) + donde));
        }

        for (double o : {0.0, 130.0}) {
            // Figures are never cut: they give way to the left or print smaller.
            const auto ultima = [&](double y) {
                const auto renglon = palabras.Renglon(1, o + y);
                return renglon.isEmpty() ? QString() : renglon.last();
            };
            for (const auto& [y, importe] : {std::pair{92, liq->PagadoTotal()}, {53, liq->Pagado2()},
                                             {62, liq->PagadoFCM()}, {72, liq->PagadoRecargo()}, {82, liq->PagadoReq()}})
                QCOMPARE(ultima(y), QStringLiteral("$") + FormatoImporte(importe));
            QCOMPARE(ultima(46), FormatoImporte(liq->TotalAfiliados()));
            QCOMPARE(QStringList(palabras.Renglon(1, o + 46, 76, 109).values()).join(QLatin1Char(' ')),
                     FormatoImporte(liq->TotalEmpleados()));
            QCOMPARE(QStringList(palabras.Renglon(1, o + 120, 42, 149).values()), QStringList{codigo});
            if (!nroReq.isEmpty()) {
                // A requirement slip prints its number and its instalment, and no period.
                QCOMPARE(QStringList(palabras.Renglon(1, o + 82, 100, 125).values()), QStringList{nroReq});
                QVERIFY(palabras.Desde(1, 140, o + 82).startsWith(cuota.left(8)));
                QCOMPARE(palabras.Renglon(1, o + 38, 140).size(), 0);
            }
            QCOMPARE(palabras.Desde(1, 6, o + 102),
                     QStringLiteral("SON PESOS: ") + MontoEnLetras(liq->PagadoTotal()).simplified());
            // Texts keep their start; what does not fit even in small type is cut on paper only.
            const QString bco = palabras.Desde(1, 6, o + 109);
            const QString nro = palabras.Desde(1, 6, o + 113);
            if (bancoEntero)
                QCOMPARE(bco, QStringLiteral("Bco: ") + banco);
            else
                QVERIFY2(bco.startsWith(QStringLiteral("Bco: ") + banco.left(10)) && bco.endsWith(QStringLiteral("…")),
                         qPrintable(bco));
            if (chequeEntero)
                QCOMPARE(nro, QStringLiteral("Nro: ") + cheque);
            else
                QVERIFY2(nro.startsWith(QStringLiteral("Nro: ") + cheque.left(6)), qPrintable(nro));
        }
    }

    void ajusteDeUnValor_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("limite");
        QTest::addColumn<double>("xMinimo");
        QTest::addColumn<QString>("impreso");
        QTest::addColumn<bool>("corrido");
        QTest::addColumn<bool>("achicado");
        QTest::newRow("cabe") << "$123,45" << 100.0 << 150.0 << 100.0 << "$123,45" << false << false;
        QTest::newRow("cifra que se corre") << "$9999999,99" << 175.0 << 193.0 << 150.0 << "$9999999,99" << true << false;
        QTest::newRow("cifra sin lugar a la izquierda")
            << "$9999999,99" << 175.0 << 193.0 << 175.0 << "$9999999,99" << false << true;
        QTest::newRow("texto que conserva su inicio")
            << "Banco Provincia" << 15.0 << 31.0 << 15.0 << "Banco Provincia" << false << true;
        QTest::newRow("texto recortado") << "Banco de la Nación Argentina Sucursal Centro" << 15.0 << 31.0 << 15.0
                                         << "Banco de la Nación Ar…" << false << true;
        QTest::newRow("sin lugar") << "X" << 30.0 << 30.3 << 30.0 << QString() << false << true;
    }

    /// The fitting every value of the page goes through, read back from the PDF: what it reports is
    /// where the text really stands.
    void ajusteDeUnValor()
    {
        QFETCH(QString, texto);
        QFETCH(double, x);
        QFETCH(double, limite);
        QFETCH(double, xMinimo);
        QFETCH(QString, impreso);
        QFETCH(bool, corrido);
        QFETCH(bool, achicado);
        const QString pdf = m_carpeta.filePath(QStringLiteral("ajuste.pdf"));
        Tramo tramo;
        QRectF referencia;
        {
            ImpresoraPdf impresora(pdf);
            QVERIFY(impresora.ComenzarImpresion());
            QVERIFY(impresora.IniciarPagina());
            impresora.setNombreFuente(QStringLiteral("Arial"));
            impresora.setTamanoFuente(10);
            tramo = ImprimirAjustado(impresora, 50, {x, limite, xMinimo}, texto);
            QCOMPARE(impresora.TamanoFuente(), 10.0);
            ImprimirAjustado(impresora, 80, {10, 100, 10}, QStringLiteral("Referencia"));
            QVERIFY(impresora.TerminarImpresion());
        }
        const Palabras palabras(pdf);
        QVERIFY(tramo.hasta <= limite + 1e-6);
        QVERIFY(tramo.desde >= xMinimo - 1e-6);
        QCOMPARE(tramo.desde < x, corrido);
        if (corrido) // only as far as needed
            QVERIFY(qAbs(tramo.hasta - limite) < 0.01);
        const auto renglon = palabras.Renglon(1, 50);
        QCOMPARE(QStringList(renglon.values()).join(QLatin1Char(' ')), impreso);
        if (impreso.isEmpty())
            return;
        QVERIFY(qAbs(renglon.firstKey() - tramo.desde) < 0.02);
        for (const auto& p : palabras.lista) {
            if (p.texto == QStringLiteral("Referencia"))
                referencia = p.caja;
            if (p.caja.top() < 60 && p.caja.right() > tramo.hasta + 0.02)
                QFAIL(qPrintable(QStringLiteral("\"%1\" ends at %2, measured %3").arg(p.texto).arg(p.caja.right()).arg(tramo.hasta)));
        }
        const QRectF primera = palabras.lista.first().caja;
        QCOMPARE(primera.height() < referencia.height() - 0.1, achicado);
    }

    void cadaCopiaUnTrabajo()
    {
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        ImpresoraImagenes impresora;
        QString error;
        QVERIFY2(::Imprimir(*liq, impresora, &error), qPrintable(error));
        // Each job is a whole slip: both symbols, drawn straight on the image, scan.
        const QList<QImage> trabajos(impresora.trabajos.begin(), impresora.trabajos.end());
        QCOMPARE(Simbolos(trabajos, m_carpeta.path()), QStringList(4, CodigoPago(*liq)));
        // One job per copy; printing nothing opens none.
        liq->setBoletasAImprimir(0);
        QVERIFY(::Imprimir(*liq, impresora));
        QCOMPARE(int(impresora.trabajos.size()), 2);
    }

    /// One emblem on screen and on paper: the slip's logo is the drawing the main window and the
    /// about box show, undistorted in the logo's 17 x 20 mm box, and it is what the PDF carries.
    void unSoloEmblema()
    {
        const QImage& logo = LogoSindicato();
        QCOMPARE(logo.size(), QSize(402, 472));
        QCOMPARE(logo.copy(0, 35, 402, 402), ImagenEmblema(402));
        for (const QRect& franja : {QRect(0, 0, 402, 35), QRect(0, 437, 402, 35)}) {
            const QImage vacia = logo.copy(franja);
            for (int y = 0; y < vacia.height(); ++y)
                for (int x = 0; x < vacia.width(); ++x)
                    QCOMPARE(qAlpha(vacia.pixel(x, y)), 0);
        }

        auto liq = BoletaGuardada();
        QVERIFY(liq);
        liq->setBoletasAImprimir(1);
        const QString pdf = Imprimir(*liq, QStringLiteral("logo.pdf"));
        QVERIFY(!pdf.isEmpty());
        const QString prefijo = m_carpeta.filePath(QStringLiteral("logo"));
        Ejecutar(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, prefijo});
        QImage papel(prefijo + QStringLiteral("-000.png"));
        QImage alfa(prefijo + QStringLiteral("-001.png"));
        QCOMPARE(papel.size(), logo.size());
        QCOMPARE(alfa.size(), logo.size());
        // The printed colours, over white paper, against the emblem over white.
        QImage blanco(logo.size(), QImage::Format_RGB32);
        blanco.fill(Qt::white);
        {
            QPainter p(&blanco);
            p.drawImage(0, 0, logo);
        }
        papel = papel.convertToFormat(QImage::Format_RGB32);
        alfa = alfa.convertToFormat(QImage::Format_Grayscale8);
        double diferencia = 0;
        for (int y = 0; y < logo.height(); ++y)
            for (int x = 0; x < logo.width(); ++x) {
                const int a = qGray(alfa.pixel(x, y));
                const QRgb c = papel.pixel(x, y);
                const QRgb e = blanco.pixel(x, y);
                const auto sobreBlanco = [a](int v) { return (v * a + 255 * (255 - a)) / 255; };
                diferencia += qAbs(sobreBlanco(qRed(c)) - qRed(e)) + qAbs(sobreBlanco(qGreen(c)) - qGreen(e))
                    + qAbs(sobreBlanco(qBlue(c)) - qBlue(e));
            }
        diferencia /= 3.0 * logo.width() * logo.height();
        QVERIFY2(diferencia < 4, qPrintable(QString::number(diferencia)));
    }

private:
    /// A March 2012 slip in 2 copies (2 % 3000, FCM 2000, 10 % surcharge 500, dues 150), stored and
    /// read back.
    std::unique_ptr<Liquidacion> BoletaGuardada()
    {
        auto nueva = LiquidacionPrueba(m_empresa, 3, 2012);
        nueva->setPagado2(3000);
        nueva->setPagadoFCM(2000);
        nueva->setCoeficiente(10);
        nueva->setPagadoRecargo(500);
        nueva->setPagadoCuota(150);
        auto leida = std::make_unique<Liquidacion>();
        if (!nueva->Grabar(m_base->bd()) || !leida->Leer(m_base->bd(), nueva->IdLiquidacion()))
            return nullptr;
        leida->setBoletasAImprimir(2);
        return leida;
    }

    /// A cheque slip in memory; with maximos its amounts are the largest the payment code takes
    /// (2 % and FCM 999,999.99, surcharge 99,999.99) and its remunerations run to nine digits.
    QSharedPointer<Liquidacion> Boleta(bool maximos)
    {
        auto emp = EmpresaPrueba();
        EmpleadoPrueba(emp, QStringLiteral("20-12345678-6"), QStringLiteral("Pérez, Juan"), maximos ? 50000000 : 100000,
                       true);
        EmpleadoPrueba(emp, QStringLiteral("27-12345678-0"), QStringLiteral("Gómez, Ana"),
                       maximos ? 949999999.99 : 50000, false);
        auto liq = LiquidacionPrueba(emp, 3, 2012);
        liq->setPagado2(maximos ? 999999.99 : 3000);
        liq->setPagadoFCM(maximos ? 999999.99 : 2000);
        liq->setCoeficiente(maximos ? 12.5 : 10);
        liq->setPagadoRecargo(maximos ? 99999.99 : 500);
        return liq;
    }

    /// The PDF file the copies were printed to; empty when printing failed.
    QString Imprimir(const Liquidacion& liq, const QString& nombre)
    {
        const QString pdf = m_carpeta.filePath(nombre);
        ImpresoraPdf impresora(pdf);
        QString error;
        if (!::Imprimir(liq, impresora, &error)) {
            qWarning("%s", qPrintable(error));
            return QString();
        }
        return pdf;
    }

    QTemporaryDir m_carpeta;
    std::unique_ptr<BasePrueba> m_base;
    QSharedPointer<Empresa> m_empresa;
};

QTEST_MAIN(TestPaginaBoleta)
#include "tst_paginaboleta.moc"
