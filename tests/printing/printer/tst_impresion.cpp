// SPDX-License-Identifier: GPL-3.0-or-later
// The printer layer end to end: a stored slip printed as the slip screens print it, through the
// program's printer list to its PDF printer (QPrinter), read back with poppler and zbarimg. The page
// itself is tested on the core's own printers in tests/printing.
#include "liquidation/Liquidacion.h"
#include "printing/CodigoPago.h"
#include "printing/LecturaPdf.h"
#include "printing/printer/Impresoras.h"
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "screens/ImpresionBoleta.h"
#include "support/BasePrueba.h"
#include "support/DialogosPrueba.h"
#include "support/Entorno.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestImpresion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        m_base = std::make_unique<BasePrueba>();
        QVERIFY(m_base->Valida());
        QVERIFY(m_carpeta.isValid());
        m_empresa = QSharedPointer<Empresa>::create();
        m_empresa->setCUIT(QStringLiteral("30-12345678-1"));
        m_empresa->setNombre(QStringLiteral("Almacén Ñandú S.R.L."));
        m_empresa->setCalle(QStringLiteral("San Martín"));
        m_empresa->setNumero(QStringLiteral("1450"));
        m_empresa->setCalleLegal(QStringLiteral("San Martín"));
        m_empresa->setNumeroLegal(QStringLiteral("1450"));
        m_empresa->setLocalidad(QStringLiteral("VELMAR"));
        m_empresa->setCodPost(QStringLiteral("1602"));
        m_empresa->setCodRubro(QStringLiteral("523110"));
        QVERIFY(m_empresa->Grabar(m_base->bd()));
        for (int i = 0; i < 3; ++i) {
            Empleado e;
            e.setEmpresa(m_empresa);
            e.setNombre(QStringLiteral("Empleado %1").arg(i + 1));
            e.setCUIL(QStringLiteral("20-1234567%1-0").arg(i));
            e.setHaberes(100000);
            e.setAfiliado(i < 2);
            QVERIFY(e.Grabar(m_base->bd()));
        }
        QVERIFY(m_empresa->CargarListaEmpleados(m_base->bd()));
    }

    void boletaGuardadaEnPdf()
    {
        LocalPrueba local(LocalArgentina());
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        const QString codigo = CodigoPago(*liq);
        QCOMPARE(codigo, QStringLiteral("826030123456781001100000032012000030060000000400000010000013"));
        const QString pdf = ImprimirPdf(*liq, QStringLiteral("boleta.pdf"));
        QVERIFY(!pdf.isEmpty());
        const QString info = Ejecutar(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("pts (A4)")), qPrintable(info));
        // A wider substitute for Arial would push every amount out of its box.
        QVERIFY(Ejecutar(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("LiberationSans")));

        // The sheet is the whole page at the printer's resolution: texts stand at their millimetres in
        // both halves (the lower one 130 mm down) of both pages.
        const struct { double x, y; QString texto; } esperados[] = {
            {17, 38, QStringLiteral("30-12345678-1")}, {84, 46, QStringLiteral("300000,00")},
            {6, 109, QStringLiteral("Efectivo")}, {43, 120, codigo}};
        const Palabras palabras(pdf);
        for (int pagina = 1; pagina <= 2; ++pagina)
            for (double o : {0.0, 130.0}) {
                for (const auto& e : esperados) {
                    const QString renglon = palabras.Desde(pagina, e.x, o + e.y);
                    QVERIFY2(renglon == e.texto || renglon.startsWith(e.texto + QLatin1Char(' ')),
                             qPrintable(QStringLiteral("%1 at %2, %3: \"%4\"").arg(e.texto).arg(e.x).arg(o + e.y).arg(renglon)));
                }
                // The total, too wide to start at 175, ends inside its box instead.
                QCOMPARE(QStringList(palabras.Renglon(pagina, o + 92, 150).values()), QStringList{QStringLiteral("$11000,00")});
            }

        // The bank's reader: at 300 dpi each half of each page carries a symbol of exactly the printed digits.
        QCOMPARE(Simbolos(Paginas300(pdf, m_carpeta.path()), m_carpeta.path()), QStringList(4, codigo));
    }

    void archivoElegido()
    {
        auto liq = BoletaGuardada();
        QVERIFY(liq);
        m_impresoras.UsarArchivoPdf(QString());
        const QString pdf = m_carpeta.filePath(QStringLiteral("elegido.pdf"));
        DialogosPrueba dialogos;
        dialogos.archivos << QString() << pdf.chopped(4);
        QVERIFY(!ImprimirLiquidacion(*liq, m_impresoras, dialogos)); // cancelled: no error either
        QVERIFY(ImprimirLiquidacion(*liq, m_impresoras, dialogos)); // chosen without extension
        // Asked once for all the copies, each time.
        QCOMPARE(dialogos.llamadas.size(), 2);
        QCOMPARE(dialogos.Ultima().tipo, QStringLiteral("guardar"));
        QVERIFY(Ejecutar(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
        // A slip without a code is refused before any file is asked for.
        liq->setPagadoOtros(10000000);
        QVERIFY(!ImprimirLiquidacion(*liq, m_impresoras, dialogos));
        QCOMPARE(dialogos.llamadas.size(), 3);
        QVERIFY2(dialogos.Ultima().texto.contains(QStringLiteral("total a depositar")), qPrintable(dialogos.Ultima().texto));
    }

private:
    /// A March 2012 slip in 2 copies (2 % 6000, FCM 4000, 10 % surcharge 1000), stored and read back.
    std::unique_ptr<Liquidacion> BoletaGuardada()
    {
        Liquidacion nueva;
        nueva.setEmpresa(m_empresa);
        m_empresa->PasarEmpleados(nueva);
        nueva.setMes(3);
        nueva.setAnio(2012);
        nueva.setPagado2(6000);
        nueva.setPagadoFCM(4000);
        nueva.setCoeficiente(10);
        nueva.setPagadoRecargo(1000);
        auto leida = std::make_unique<Liquidacion>();
        if (!nueva.Grabar(m_base->bd()) || !leida->Leer(m_base->bd(), nueva.IdLiquidacion()))
            return nullptr;
        leida->setBoletasAImprimir(2);
        return leida;
    }
    /// The PDF file printed to, without a single dialog; empty when printing failed or asked anything.
    QString ImprimirPdf(const Liquidacion& liq, const QString& nombre)
    {
        const QString pdf = m_carpeta.filePath(nombre);
        m_impresoras.UsarArchivoPdf(pdf);
        DialogosPrueba dialogos;
        return ImprimirLiquidacion(liq, m_impresoras, dialogos) && dialogos.llamadas.isEmpty() ? pdf : QString();
    }

    std::unique_ptr<BasePrueba> m_base;
    QSharedPointer<Empresa> m_empresa;
    QTemporaryDir m_carpeta;
    Impresoras m_impresoras;
};

QTEST_MAIN(TestImpresion)
#include "tst_impresion.moc"
