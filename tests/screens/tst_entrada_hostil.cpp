// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile texts (quotes, SQL, the engine's date literal, other scripts, emoji, invisible characters)
// typed into every text field of the company, employee and slip screens, at the field's full length
// and one character beyond, then saved with the screen's own "&Grabar": each is stored and read
// back, from the table and through the screen, exactly as the field showed it, or refused with a
// message and the stored row left byte for byte as it was. One database per screen.
#include "tst_entrada_hostil.h"
#include "tst_entrada_hostil_escenas.h"

#include "screens/frmConsRubro.h"

#include <QClipboard>
#include <QListWidget>
#include <QTableWidget>

namespace {
const QString Grabada = QStringLiteral("GRABACION: Boleta Grabada");

/// How a field treats what is typed into it (an int in the data tables).
enum Tipo {
    Texto,      // kept as typed
    Mayusculas, // letters in upper case (postal code)
    Entero,     // a whole number or a refusal (branches)
    Cuit,       // the masked CUIT: stored when valid, else refused
    Nombre,     // the employee's name, stored without surrounding blanks
    Cuil,       // the employee's CUIL: these texts are no CUIL, refused
    Fecha,      // the termination date: a text that is no date means no termination
};

/// A text field, its column and the characters it takes (never more than the column's CHECK).
struct CampoDeTexto
{
    const char* campo;
    const char* columna;
    Tipo tipo;
    int largo;
};

const QList<CampoDeTexto> CamposEmpresa = {
    {"txtNombre", "razonsocial", Texto, 50},    {"txtCUIT", "cuit", Cuit, 13},
    {"txtCalle", "calle", Texto, 50},           {"txtNumero", "numero", Texto, 10},
    {"txtPiso", "piso", Texto, 10},             {"txtCalleLegal", "callel", Texto, 50},
    {"txtNumeroLegal", "numerol", Texto, 10},   {"txtPisoLegal", "pisol", Texto, 10},
    {"txtCodPost", "codpost", Mayusculas, 8},   {"txtTelefonos", "telefonos", Texto, 50},
    {"txtEmail", "email", Texto, 50},           {"txtSocio", "socio", Texto, 50},
    {"txtDocuSocio", "docu_socio", Texto, 50},  {"txtSocio2", "socio2", Texto, 50},
    {"txtDocuSocio2", "docu_socio2", Texto, 50}, {"txtSucursales", "sucursales", Entero, 10},
    {"txtNombreComercial", "comercial", Texto, 50},
};
const QList<CampoDeTexto> CamposEmpleado = {
    {"txtNombre", "ayn", Nombre, 40}, {"txtCUIL", "cuil", Cuil, 13}, {"txtFechaBaja", "baja", Fecha, 10}};
const QList<CampoDeTexto> CamposBoleta = {
    {"txtOtrosConceptos", "otrosconceptos", Texto, 50}, {"txtNroReq", "nroreq", Texto, 50},
    {"txtOCCreditos", "conceptocredito", Texto, 50},    {"txtNroCuota", "cuota", Texto, 50},
    {"txtInspector", "inspector", Texto, 50},           {"txtBanco", "banco", Texto, 50},
    {"txtCheque", "cheque", Texto, 20},
};
} // namespace

class TestEntradaHostil : public QObject
{
    Q_OBJECT

    std::unique_ptr<EscenaEmpresas> m_empresas;
    std::unique_ptr<EscenaEmpleados> m_empleados;
    std::unique_ptr<EscenaBoleta> m_comun;
    std::unique_ptr<EscenaBoleta> m_extra;

    /// The scene of one screen, made on first use; the others are dropped first, since each
    /// points the program's shared database at its own.
    template <typename T>
    T& Escena(std::unique_ptr<T>& escena)
    {
        if (!escena) {
            Soltar();
            escena = std::make_unique<T>();
        }
        return *escena;
    }
    void Soltar()
    {
        m_empresas.reset();
        m_empleados.reset();
        m_comun.reset();
        m_extra.reset();
    }

    static void FilasCampoPorTexto(const QList<CampoDeTexto>& campos, const QString& prefijo = QString())
    {
        for (const CampoDeTexto& c : campos)
            for (const TextoHostil& t : TextosHostiles())
                QTest::newRow(qPrintable(prefijo + QLatin1String(c.campo) + QLatin1Char('/') + t.nombre))
                    << QString::fromLatin1(c.campo) << QString::fromLatin1(c.columna) << int(c.tipo) << c.largo
                    << t.patron;
    }
    static void ColumnasCampoPorTexto()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("columna");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("largo");
        QTest::addColumn<QString>("patron");
    }

private slots:
    void initTestCase()
    {
        AislarConfiguracion();
        QLocale::setDefault(LocalArgentina());
    }
    void init()
    {
        Reloj::Fijar(HoyPrueba());
        // What the screens posted (repaints, layouts) is delivered as between two user actions;
        // a queue left to grow makes every posting slower.
        QApplication::processEvents();
    }

    void cleanupTestCase()
    {
        Soltar();
        int total = 0;
        for (auto i = Cuentas().cbegin(); i != Cuentas().cend(); ++i) {
            const Cuenta& c = i.value();
            total += c.probadas;
            QStringList partes;
            const QList<QPair<int, const char*>> resultados = {
                {c.exactas, "guardadas y leídas exactas"},
                {c.rechazadas, "rechazadas con mensaje, nada guardado"},
                {c.sinFecha, "fechas de baja que no son fecha (campo vacío, sin baja)"},
                {c.importes, "en importes (solo las cifras, guardado lo que se ve)"},
                {c.buscados, "búsquedas de rubro sin coincidencia (con mensaje)"}};
            for (const auto& r : resultados)
                if (r.first > 0)
                    partes << QStringLiteral("%1 %2").arg(r.first).arg(QString::fromUtf8(r.second));
            qInfo("%s: %d entradas hostiles; %s", qPrintable(i.key()), c.probadas, qPrintable(partes.join(u", ")));
        }
        qInfo("Total: %d entradas hostiles probadas", total);
    }

    void empresa_data()
    {
        ColumnasCampoPorTexto();
        FilasCampoPorTexto(CamposEmpresa);
    }
    void empresa();

    void empresaNueva_data();
    void empresaNueva();

    void busquedaRubros_data() { empresaNueva_data(); }
    void busquedaRubros();

    void empleado_data()
    {
        ColumnasCampoPorTexto();
        FilasCampoPorTexto(CamposEmpleado);
    }
    void empleado();

    void boleta_data()
    {
        ColumnasCampoPorTexto();
        QTest::addColumn<bool>("extra");
        for (bool extra : {false, true})
            for (const CampoDeTexto& c : CamposBoleta)
                for (const TextoHostil& t : TextosHostiles())
                    QTest::newRow(qPrintable(QLatin1String(extra ? "Actas/" : "Periodo/") + QLatin1String(c.campo)
                                             + QLatin1Char('/') + t.nombre))
                        << QString::fromLatin1(c.campo) << QString::fromLatin1(c.columna) << int(c.tipo)
                        << c.largo << t.patron << extra;
    }
    void boleta();

    void pegar_data();
    void pegar();

    void importes_data();
    void importes();
};

void TestEntradaHostil::empresa()
{
    QFETCH(QString, campo);
    QFETCH(QString, columna);
    QFETCH(int, tipo);
    QFETCH(int, largo);
    QFETCH(QString, patron);
    EscenaEmpresas& e = Escena(m_empresas);
    QVERIFY(largo <= LargoColumna(e.base.bd(), QStringLiteral("empresas"), columna));
    frmEmpresas* pantalla = e.Pantalla();
    QVERIFY(pantalla);
    if (pantalla->Estado() != frmEmpresas::Consultando)
        e.Pulsar("cmdCancelar"); // a case that failed midway
    auto* texto = e.W(campo);
    QVERIFY(texto);
    const Tecleo t = TecleoHostil(patron, largo);
    const auto antes = Fila(e.base.bd(), QStringLiteral("empresas"), e.id);
    e.Pulsar("cmdModificar");
    QCOMPARE(pantalla->Estado(), int(frmEmpresas::Modificando));
    const QStringList mostrado = Llenar(texto, t);
    QVERIFY(mostrado.join(QString()).isValidUtf16()); // never half a character
    if (tipo == Cuit)
        QCOMPARE(mostrado.last(), mostrado.first()); // the mask takes nothing more
    else
        QCOMPARE(mostrado, QStringList(2, tipo == Mayusculas ? MayusculasUnaAUna(t.maximo) : t.maximo));
    e.dialogos.Limpiar();
    e.Pulsar("cmdGrabar");
    const auto despues = Fila(e.base.bd(), QStringLiteral("empresas"), e.id);

    // Only a whole number of branches and a valid CUIT are taken; every other text as typed.
    const QString final = mostrado.last();
    bool admitido = true;
    QString rechazo;
    if (tipo == Entero) {
        admitido = QRegularExpression(QStringLiteral("^[0-9]+$")).match(final).hasMatch();
        rechazo = QStringLiteral(
            "ERROR DE DATOS: Sucursales debe ser un número entero de sucursales, sin signos ni decimales.");
    } else if (tipo == Cuit) {
        admitido = CuitValido(final);
        rechazo = QStringLiteral("ERROR DE DATOS: C.U.I.T. incorrecto");
    }
    if (admitido) {
        QVERIFY2(e.dialogos.llamadas.isEmpty(), qPrintable(e.dialogos.Ultima().texto));
        QCOMPARE(pantalla->Estado(), int(frmEmpresas::Consultando));
        const QString guardado = tipo == Entero ? QString::number(final.toInt()) : final;
        QCOMPARE(despues.value(columna), Bytes(guardado));
        QVERIFY2(Cambios(antes, despues).size() <= 1, qPrintable(Cambios(antes, despues).join(QLatin1Char(','))));
        // The screen shows the company read back from the table.
        QCOMPARE(tipo == Cuit ? texto->displayText() : texto->text(), guardado);
    } else {
        QCOMPARE(e.dialogos.llamadas.size(), 1);
        QCOMPARE(e.dialogos.Ultima().titulo + QStringLiteral(": ") + e.dialogos.Ultima().texto, rechazo);
        QCOMPARE(pantalla->Estado(), int(frmEmpresas::Modificando)); // the edit goes on
        QCOMPARE(despues, antes);
        e.Pulsar("cmdCancelar");
    }
    for (int i = 0; i < 2; ++i) // the full-length text and the one over it
        Anotar(QStringLiteral("Empresas"), admitido ? Resultado::Exacto : Resultado::Rechazado);
    // Opened again, the screen shows what the table holds.
    e.Reabrir();
    texto = e.W(campo);
    const QString sql = QStringLiteral("select %1 from empresas where id = %2").arg(columna).arg(e.id);
    const QString enTabla = e.base.bd().ValorEscalar(sql).toString();
    QCOMPARE(tipo == Cuit ? texto->displayText() : texto->text(), enTabla);
}

void TestEntradaHostil::empresaNueva_data()
{
    QTest::addColumn<QString>("patron");
    for (const TextoHostil& t : TextosHostiles())
        QTest::newRow(qPrintable(t.nombre)) << t.patron;
}

void TestEntradaHostil::empresaNueva()
{
    QFETCH(QString, patron);
    EscenaEmpresas& e = Escena(m_empresas);
    frmEmpresas* pantalla = e.Pantalla();
    QVERIFY(pantalla);
    if (pantalla->Estado() != frmEmpresas::Consultando)
        e.Pulsar("cmdCancelar");
    const qint64 antes = e.base.Contar(QStringLiteral("select count(*) from empresas"));
    e.Pulsar("cmdAgregar");
    // The CUIT, then the town of postal code 1602 chosen as the user does, leaving each field.
    const QString cuit = CuitValidoDe(30, 500 + ++e.altas);
    Vaciar(e.W("txtCUIT")); // entering the field selects it all, once the event loop runs
    Teclear(e.W("txtCUIT"), cuit);
    e.W("txtCodPost")->setFocus();
    Teclear(e.W("txtCodPost"), QStringLiteral("1602"));
    auto* localidades = e.W<QComboBox>("cboLocalidad");
    localidades->setFocus();
    localidades->setCurrentIndex(localidades->findText(QStringLiteral("FLORIDA")));
    auto* rubros = e.W<QComboBox>("cboRubro");
    rubros->setCurrentIndex(rubros->findData(QStringLiteral("523110")));
    // Every other text field filled with the hostile text and typed one character over.
    QMap<QString, QString> esperados;
    for (const CampoDeTexto& c : CamposEmpresa) {
        if (c.tipo != Texto && c.tipo != Mayusculas)
            continue;
        const Tecleo t = TecleoHostil(patron, c.largo);
        const QString esperado = c.tipo == Mayusculas ? MayusculasUnaAUna(t.maximo) : t.maximo;
        QCOMPARE(Llenar(e.W(c.campo), t).last(), esperado);
        esperados.insert(QLatin1String(c.columna), esperado);
    }
    // Leaving the postal code looks its digits up: a hostile code finds no town, the chosen one stays.
    e.W("txtCodPost")->setFocus();
    e.dialogos.Limpiar();
    e.W("txtTelefonos")->setFocus();
    QCOMPARE(e.dialogos.llamadas.size(), 1);
    QCOMPARE(e.dialogos.Ultima().texto, QStringLiteral("Seleccione la localidad que correponde"));
    QCOMPARE(e.W("txtLocalidad")->text(), QStringLiteral("FLORIDA"));
    e.dialogos.Limpiar();
    e.Pulsar("cmdGrabar");
    QVERIFY2(e.dialogos.llamadas.isEmpty(), qPrintable(e.dialogos.Ultima().texto));
    QCOMPARE(e.base.Contar(QStringLiteral("select count(*) from empresas")), antes + 1);
    const qint64 id = e.base.bd().ValorEscalar(QStringLiteral("select max(id) from empresas")).toLongLong();
    const auto fila = Fila(e.base.bd(), QStringLiteral("empresas"), id);
    for (auto i = esperados.cbegin(); i != esperados.cend(); ++i) {
        QCOMPARE(fila.value(i.key()), Bytes(i.value()));
        Anotar(QStringLiteral("Empresas"), Resultado::Exacto);
    }
    QCOMPARE(fila.value(QStringLiteral("cuit")), Bytes(cuit));
    QCOMPARE(fila.value(QStringLiteral("localidad")), Bytes(QStringLiteral("FLORIDA")));
    // Opened again on the new company, every field shows it as stored.
    e.Reabrir();
    auto* lista = e.W<QListWidget>("lstEmpresas");
    lista->setCurrentRow(lista->count() - 1);
    QCOMPARE(e.Pantalla()->EmpresaMostrada()->IdEmpresa(), id);
    for (const CampoDeTexto& c : CamposEmpresa)
        if (esperados.contains(QLatin1String(c.columna)))
            QCOMPARE(e.W(c.campo)->text(), esperados.value(QLatin1String(c.columna)));
}

void TestEntradaHostil::busquedaRubros()
{
    QFETCH(QString, patron);
    EscenaEmpresas& e = Escena(m_empresas);
    if (e.Pantalla()->Estado() != frmEmpresas::Consultando)
        e.Pulsar("cmdCancelar");
    e.Pulsar("cmdModificar");
    emit e.W<QLabel>(QStringLiteral("lnkRubros"))->linkActivated(QStringLiteral("#"));
    auto* busqueda = e.ventana->findChild<frmConsRubro*>();
    QVERIFY(busqueda);
    auto* texto = busqueda->findChild<QLineEdit*>(QStringLiteral("txtBuscar"));
    // The whole text, then Enter: no category holds it, and the user is told.
    texto->clear();
    Teclear(texto, TecleoHostil(patron, 50).maximo);
    e.dialogos.Limpiar();
    QTest::keyClick(texto, Qt::Key_Return);
    QCOMPARE(e.dialogos.llamadas.size(), 1);
    QCOMPARE(e.dialogos.Ultima().texto, QStringLiteral("No hay datos para su selección"));
    QCOMPARE(busqueda->findChild<QTableWidget*>(QStringLiteral("GridRubros"))->rowCount(), 0);
    e.Pulsar("cmdCancelar");
    Anotar(QStringLiteral("Empresas"), Resultado::Buscado);
}

void TestEntradaHostil::empleado()
{
    QFETCH(QString, campo);
    QFETCH(QString, columna);
    QFETCH(int, tipo);
    QFETCH(int, largo);
    QFETCH(QString, patron);
    EscenaEmpleados& e = Escena(m_empleados);
    QVERIFY(e.id > 0);
    QVERIFY(largo <= LargoColumna(e.base.bd(), QStringLiteral("empleados"), columna));
    const Tecleo t = TecleoHostil(patron, largo);
    // The stored employee; the name also for a new one, which is inserted.
    for (const bool alta : {false, true}) {
        if (alta && tipo != Nombre)
            break;
        QSharedPointer<Empleado> empleado = alta ? QSharedPointer<Empleado>::create() : e.Leido(e.id);
        QVERIFY(empleado);
        empleado->setEmpresa(e.emp);
        const auto antes = Fila(e.base.bd(), QStringLiteral("empleados"), e.id);
        Resultado resultado = Resultado::Exacto;
        {
            Edicion ed(e.dialogos, empleado);
            if (alta)
                Teclear(ed.w(QStringLiteral("txtCUIL")), CuitValidoDe(20, 700 + ++e.altas));
            QCOMPARE(Llenar(ed.w(campo), t), QStringList(2, t.maximo));
            e.dialogos.Limpiar();
            ed.w<QPushButton>(QStringLiteral("cmdGrabar"))->click();
            const qint64 id = alta ? empleado->IdEmpleado() : e.id;
            const auto despues = Fila(e.base.bd(), QStringLiteral("empleados"), id);
            if (tipo == Cuil) {
                QCOMPARE(e.dialogos.llamadas.size(), 1);
                QCOMPARE(e.dialogos.Ultima().texto, QStringLiteral("C.U.I.L. incorrecto"));
                QVERIFY(ed.pantalla.isVisible()); // the edit goes on
                QCOMPARE(despues, antes);
                ed.w<QPushButton>(QStringLiteral("cmdSalir"))->click();
                resultado = Resultado::Rechazado;
            } else {
                QVERIFY2(e.dialogos.llamadas.isEmpty(), qPrintable(e.dialogos.Ultima().texto));
                QCOMPARE(ed.pantalla.result(), int(QDialog::Accepted));
                QVERIFY(!ed.pantalla.isVisible());
                // A text that is no date: no termination, which the field shows empty.
                resultado = tipo == Fecha ? Resultado::SinFecha : Resultado::Exacto;
                const QString guardado = tipo == Fecha ? QStringLiteral("2500-01-01") : t.maximo.trimmed();
                QCOMPARE(despues.value(columna), Bytes(guardado));
                if (!alta)
                    QVERIFY2(Cambios(antes, despues).size() <= 1,
                             qPrintable(Cambios(antes, despues).join(QLatin1Char(','))));
            }
            if (alta)
                QVERIFY(e.base.bd().Ejecutar(QStringLiteral("delete from empleados where id = %1").arg(id)));
        }
        // Opened again from the table, the field shows what is stored (no termination: empty).
        if (!alta) {
            const QString guardado = tipo == Nombre ? t.maximo.trimmed()
                : tipo == Cuil                      ? QStringLiteral("20-12345678-6")
                                                    : QString();
            QCOMPARE(Edicion(e.dialogos, e.Leido(e.id)).w(campo)->text(), guardado);
        }
        for (int i = 0; i < 2; ++i) // the full-length text and the one over it
            Anotar(QStringLiteral("Empleados"), resultado);
    }
}

void TestEntradaHostil::boleta()
{
    QFETCH(QString, campo);
    QFETCH(QString, columna);
    QFETCH(int, largo);
    QFETCH(QString, patron);
    QFETCH(bool, extra);
    EscenaBoleta& e = Escena(extra ? m_extra : m_comun);
    QVERIFY(largo <= LargoColumna(e.base.bd(), QStringLiteral("liquidaciones"), columna));
    frmBoleta* p = extra ? static_cast<frmBoleta*>(e.NuevaExtra()) : static_cast<frmBoleta*>(e.NuevaComun());
    QVERIFY(p);
    auto* texto = Control<QLineEdit>(p, campo);
    QVERIFY(texto);
    if (campo == QLatin1String("txtBanco") || campo == QLatin1String("txtCheque"))
        Control<QComboBox>(p, QStringLiteral("cboForma"))->setCurrentIndex(1); // paid by cheque
    if (extra) { // a slip of records starts with nothing to pay: something is deposited
        auto* otros = Importe(p, QStringLiteral("txtPagadoOtros"));
        otros->selectAll();
        Teclear(otros, QStringLiteral("100"));
        QTest::keyClick(otros, Qt::Key_Return);
    }
    const QStringList columnasDeTexto = {QStringLiteral("otrosconceptos"), QStringLiteral("nroreq"),
                                         QStringLiteral("cuota"),          QStringLiteral("conceptocredito"),
                                         QStringLiteral("inspector"),      QStringLiteral("banco"),
                                         QStringLiteral("cheque")};
    const qint64 boletas = e.Boletas();
    qint64 id = 0;
    QMap<QString, QString> antes;
    // The full-length text saved (inserting the slip), then one character more typed and saved
    // again (rewriting it): the field, the slip and the row hold the full-length text each time.
    const Tecleo t = TecleoHostil(patron, largo);
    Vaciar(texto);
    for (const QString& tecleado : {t.maximo, t.siguiente}) {
        Teclear(texto, tecleado);
        QCOMPARE(texto->text(), t.maximo);
        QCOMPARE(Propiedad(*p->MiLiq(), campo), t.maximo);
        e.dialogos.Limpiar();
        Pulsar(p, QStringLiteral("cmdGrabar"));
        QCOMPARE(e.Mensajes(), QStringList{Grabada});
        if (id == 0) {
            id = p->MiLiq()->IdLiquidacion();
            antes = Fila(e.base.bd(), QStringLiteral("liquidaciones"), id);
            for (const QString& otra : columnasDeTexto)
                if (otra != columna)
                    QCOMPARE(antes.value(otra), Bytes(QString()));
        }
        QCOMPARE(p->MiLiq()->IdLiquidacion(), id);
        QCOMPARE(e.Boletas(), boletas + 1);
        const auto despues = Fila(e.base.bd(), QStringLiteral("liquidaciones"), id);
        QCOMPARE(despues.value(columna), Bytes(t.maximo));
        QVERIFY2(Cambios(antes, despues).isEmpty(), qPrintable(Cambios(antes, despues).join(QLatin1Char(','))));
        Anotar(extra ? QStringLiteral("Boleta Actas") : QStringLiteral("Boleta Periodo"), Resultado::Exacto);
    }
    // Consulted, the stored slip shows the text as stored.
    auto leida = QSharedPointer<Liquidacion>::create();
    QVERIFY(leida->Leer(e.base.bd(), id));
    QCOMPARE(Propiedad(*leida, campo), t.maximo);
    frmBoleta* consulta = extra ? static_cast<frmBoleta*>(frmBoletaExtra::Abrir(*e.ventana, leida, 2))
                                : static_cast<frmBoleta*>(frmBoletaComun::Abrir(*e.ventana, leida, 2));
    QCOMPARE(Control<QLineEdit>(consulta, campo)->text(), t.maximo);
    CerrarVentana(consulta);
    CerrarVentana(p);
}

void TestEntradaHostil::pegar_data()
{
    QTest::addColumn<QString>("patron");
    QTest::addColumn<bool>("enMedio");
    for (const TextoHostil& t : TextosHostiles())
        for (const bool enMedio : {false, true})
            QTest::newRow(qPrintable(t.nombre + QLatin1String(enMedio ? "/en medio" : "/al final")))
                << t.patron << enMedio;
}

void TestEntradaHostil::pegar()
{
    QFETCH(QString, patron);
    QFETCH(bool, enMedio);
    // A hostile text longer than the cheque number pasted with Ctrl+V, at the end of an empty field
    // or between two characters: the field keeps the first whole characters that fit, and what
    // stood after the cursor.
    constexpr int Largo = 20;
    const Tecleo t = TecleoHostil(patron, Largo);
    // (An emoji repeated after the full text: the paste is cut in the middle of one.)
    const QString pegado = t.maximo + t.siguiente.repeated(Largo);
    const QString cabe = Caracteres(pegado).mid(0, enMedio ? Largo - 2 : Largo).join(QString());
    const QString esperado = enMedio ? QStringLiteral("a") + cabe + QStringLiteral("b") : cabe;
    EscenaBoleta& e = Escena(m_comun);
    frmBoleta* p = e.NuevaComun();
    QVERIFY(p);
    Control<QComboBox>(p, QStringLiteral("cboForma"))->setCurrentIndex(1); // paid by cheque
    auto* texto = Control<QLineEdit>(p, QStringLiteral("txtCheque"));
    Vaciar(texto);
    if (enMedio) {
        Teclear(texto, QStringLiteral("ab"));
        texto->setCursorPosition(1);
    }
    QGuiApplication::clipboard()->setText(pegado);
    QTest::keyClick(texto, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(texto->text(), esperado);
    QCOMPARE(p->MiLiq()->NroCheque(), esperado);
    e.dialogos.Limpiar();
    Pulsar(p, QStringLiteral("cmdGrabar"));
    QCOMPARE(e.Mensajes(), QStringList{Grabada});
    const auto fila = Fila(e.base.bd(), QStringLiteral("liquidaciones"), p->MiLiq()->IdLiquidacion());
    QCOMPARE(fila.value(QStringLiteral("cheque")), Bytes(esperado));
    Anotar(QStringLiteral("Boleta Periodo"), Resultado::Exacto);
    CerrarVentana(p);
}

void TestEntradaHostil::importes_data()
{
    QTest::addColumn<QString>("pantalla");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("patron");
    const QList<QPair<QString, QString>> campos = {
        {QStringLiteral("Empleados"), QStringLiteral("txtHaberes")},
        {QStringLiteral("Boleta Periodo"), QStringLiteral("dos")},
        {QStringLiteral("Boleta Periodo"), QStringLiteral("txtPagadoCuota")},
        {QStringLiteral("Boleta Periodo"), QStringLiteral("txtCoef")},
        {QStringLiteral("Boleta Actas"), QStringLiteral("txtPagadoOtros")},
        {QStringLiteral("Boleta Actas"), QStringLiteral("txtCoef")},
    };
    for (const auto& c : campos)
        for (const TextoHostil& t : TextosHostiles())
            if (t.nombre != QLatin1String("cifras"))
                QTest::newRow(qPrintable(c.first + QLatin1Char('/') + c.second + QLatin1Char('/') + t.nombre))
                    << c.first << c.second << t.patron;
}

void TestEntradaHostil::importes()
{
    QFETCH(QString, pantalla);
    QFETCH(QString, campo);
    QFETCH(QString, patron);
    // Between two digits, every key of the hostile text but its digits and separators: all dropped.
    QString ajeno = patron.isNull() ? QStringLiteral("🙂") : patron;
    ajeno.remove(QRegularExpression(QStringLiteral("[0-9.,]")));
    const QString tecleado = QStringLiteral("1") + ajeno + QStringLiteral("5");

    if (pantalla == QLatin1String("Empleados")) {
        EscenaEmpleados& e = Escena(m_empleados);
        {
            Edicion ed(e.dialogos, e.Leido(e.id));
            auto* haberes = ed.w(campo);
            haberes->selectAll();
            Teclear(haberes, tecleado);
            QCOMPARE(haberes->text(), QStringLiteral("15"));
            e.dialogos.Limpiar();
            ed.w<QPushButton>(QStringLiteral("cmdGrabar"))->click();
            QVERIFY2(e.dialogos.llamadas.isEmpty(), qPrintable(e.dialogos.Ultima().texto));
            QVERIFY(!ed.pantalla.isVisible());
        }
        QCOMPARE(e.base.bd().ValorEscalar(QStringLiteral("select sueldo from empleados where id = %1").arg(e.id)),
                 QVariant(15.0));
        Edicion otra(e.dialogos, e.Leido(e.id));
        QCOMPARE(otra.w(campo)->text(), FormatoImporte(15));
        Anotar(pantalla, Resultado::Importe);
        return;
    }

    const bool extra = pantalla == QLatin1String("Boleta Actas");
    EscenaBoleta& e = Escena(extra ? m_extra : m_comun);
    frmBoleta* p = extra ? static_cast<frmBoleta*>(e.NuevaExtra()) : static_cast<frmBoleta*>(e.NuevaComun());
    QVERIFY(p);
    auto* importe = Importe(p, campo);
    importe->selectAll();
    Teclear(importe, tecleado);
    QCOMPARE(importe->text(), QStringLiteral("15"));
    QTest::keyClick(importe, Qt::Key_Return);
    // The field shows what the slip keeps (the 2 % deposit is always its amount due).
    const Liquidacion& liq = *p->MiLiq();
    const QMap<QString, double> valores = {{QStringLiteral("dos"), liq.Pagado2()},
                                           {QStringLiteral("txtPagadoCuota"), liq.PagadoCuota()},
                                           {QStringLiteral("txtCoef"), liq.Coeficiente()},
                                           {QStringLiteral("txtPagadoOtros"), liq.PagadoOtros()}};
    QCOMPARE(importe->text(), importe->Formato(valores.value(campo)));
    if (campo == QLatin1String("txtPagadoOtros")) {
        QCOMPARE(liq.PagadoOtros(), 15.0);
        e.dialogos.Limpiar();
        Pulsar(p, QStringLiteral("cmdGrabar"));
        QCOMPARE(e.Mensajes(), QStringList{Grabada});
        QCOMPARE(e.base.bd()
                     .ValorEscalar(QStringLiteral("select pagadootros from liquidaciones where id = %1")
                                       .arg(liq.IdLiquidacion())),
                 QVariant(15.0));
    } else if (campo == QLatin1String("txtCoef") || campo == QLatin1String("txtPagadoCuota")) {
        QCOMPARE(valores.value(campo), 15.0);
    }
    Anotar(pantalla, Resultado::Importe);
    CerrarVentana(p);
}

QTEST_MAIN(TestEntradaHostil)
#include "tst_entrada_hostil.moc"
