// SPDX-License-Identifier: GPL-3.0-or-later
// Companies: validation, storage, their employee list.
#include "records/Empleado.h"
#include "records/Empresa.h"
#include "records/Global.h"
#include "records/ListaEmpleados.h"
#include "support/BasePrueba.h"

#include <QTest>

namespace {
QSharedPointer<Empresa> Completa(const QString& cuit = QStringLiteral("30-12345678-9"))
{
    auto emp = QSharedPointer<Empresa>::create();
    emp->setCUIT(cuit);
    emp->setNombre("D'Angelo S.A.");
    emp->setNombreComercial("Almacén D'Angelo");
    emp->setCalle("Av. de Mayo");
    emp->setNumero("1234");
    emp->setPiso("3");
    emp->setDpto("B");
    emp->setCalleLegal("Rivadavia");
    emp->setNumeroLegal("55");
    emp->setPisoLegal("PB");
    emp->setDptoLegal("1");
    emp->setTelefonos("4444-5555");
    emp->setCodPost("1602");
    emp->setLocalidad("FLORIDA");
    emp->setCodProv("2");
    emp->setEmail("info@dangelo.example");
    emp->setFechaInicio(QDate(2001, 5, 17));
    emp->setCodRubro("523110");
    emp->setFisica(true);
    emp->setSocio("Juan D'Angelo");
    emp->setDocuSocio("DNI 12.345.678");
    emp->setSocio2("Ana Núñez");
    emp->setDocuSocio2("DNI 23.456.789");
    emp->setSucursales(3);
    return emp;
}
} // namespace

class TestEmpresa : public QObject
{
    Q_OBJECT
private slots:
    void nueva();
    void validarExigeLosCamposObligatorios_data();
    void validarExigeLosCamposObligatorios();
    void grabarNuevaYLeer();
    void segundoGrabarActualizaLaMismaFila();
    void cuitDuplicadoOTextoLargoRechazados();
    void leerIdInexistente();
    void cargarListaEmpleados();
};

void TestEmpresa::nueva()
{
    Empresa e;
    QVERIFY(e.Nueva());
    QCOMPARE(e.IdEmpresa(), 0);
    QCOMPARE(e.FechaInicio(), QDate::currentDate());
    QCOMPARE(e.ListaBaseEmpleados().Count(), 0);
    QCOMPARE(e.NombreRubro(), QString());
}

void TestEmpresa::validarExigeLosCamposObligatorios_data()
{
    QTest::addColumn<int>("campo");
    for (int i = 0; i < 9; ++i)
        QTest::addRow("campo %d", i) << i;
}

void TestEmpresa::validarExigeLosCamposObligatorios()
{
    QFETCH(int, campo);
    auto emp = Completa();
    QVERIFY(emp->Validar());
    switch (campo) {
    case 0: emp->setLocalidad(QString()); break;
    case 1: emp->setNombre(QString()); break;
    case 2: emp->setCalle(QString()); break;
    case 3: emp->setNumero(QString()); break;
    case 4: emp->setCalleLegal(QString()); break;
    case 5: emp->setNumeroLegal(QString()); break;
    case 6: emp->setCUIT(QString()); break;
    case 7: emp->setCodPost(QString()); break;
    case 8: emp->setCodRubro(QString()); break;
    }
    QVERIFY(!emp->Validar());
    BasePrueba base;
    QVERIFY(!emp->Grabar(base.bd()));
    QVERIFY(emp->Nueva());
    QCOMPARE(base.Contar("select count(*) from empresas"), 0);
}

void TestEmpresa::grabarNuevaYLeer()
{
    BasePrueba base;
    auto emp = Completa();
    QVERIFY(emp->Grabar(base.bd()));
    QVERIFY(!emp->Nueva());
    QVERIFY(emp->IdEmpresa() > 0);

    Empresa leida;
    QVERIFY(leida.Leer(base.bd(), emp->IdEmpresa()));
    QVERIFY(!leida.Nueva());
    QCOMPARE(leida.Nombre(), QStringLiteral("D'Angelo S.A."));
    QCOMPARE(leida.NombreComercial(), QStringLiteral("Almacén D'Angelo"));
    QCOMPARE(leida.CUIT(), emp->CUIT());
    QCOMPARE(leida.Calle(), emp->Calle());
    QCOMPARE(leida.Numero(), emp->Numero());
    QCOMPARE(leida.Piso(), emp->Piso());
    QCOMPARE(leida.Dpto(), emp->Dpto());
    QCOMPARE(leida.CalleLegal(), emp->CalleLegal());
    QCOMPARE(leida.NumeroLegal(), emp->NumeroLegal());
    QCOMPARE(leida.PisoLegal(), emp->PisoLegal());
    QCOMPARE(leida.DptoLegal(), emp->DptoLegal());
    QCOMPARE(leida.Telefonos(), emp->Telefonos());
    QCOMPARE(leida.CodPost(), emp->CodPost());
    QCOMPARE(leida.Localidad(), emp->Localidad());
    QCOMPARE(leida.CodProv(), emp->CodProv());
    QCOMPARE(leida.Email(), emp->Email());
    QCOMPARE(leida.FechaInicio(), QDate(2001, 5, 17));
    QCOMPARE(leida.CodRubro(), emp->CodRubro());
    QCOMPARE(leida.Fisica(), true);
    QCOMPARE(leida.Socio(), emp->Socio());
    QCOMPARE(leida.DocuSocio(), emp->DocuSocio());
    QCOMPARE(leida.Socio2(), emp->Socio2());
    QCOMPARE(leida.DocuSocio2(), emp->DocuSocio2());
    QCOMPARE(leida.Sucursales(), 3);
}

void TestEmpresa::segundoGrabarActualizaLaMismaFila()
{
    BasePrueba base;
    auto emp = Completa();
    QVERIFY(emp->Grabar(base.bd()));
    const qint64 id = emp->IdEmpresa();
    emp->setNombre("Otro Nombre");
    emp->setFisica(false);
    QVERIFY(emp->Grabar(base.bd()));
    QCOMPARE(emp->IdEmpresa(), id);
    QCOMPARE(base.Contar("select count(*) from empresas"), 1);
    Empresa leida;
    QVERIFY(leida.Leer(base.bd(), id));
    QCOMPARE(leida.Nombre(), QStringLiteral("Otro Nombre"));
    QCOMPARE(leida.Fisica(), false);
}

void TestEmpresa::cuitDuplicadoOTextoLargoRechazados()
{
    BasePrueba base;
    QVERIFY(Completa()->Grabar(base.bd()));
    auto repetida = Completa();
    QVERIFY(!repetida->Grabar(base.bd()));
    QVERIFY(repetida->Nueva());
    auto larga = Completa("30-11111111-9");
    larga->setNombre(QString(51, 'x'));
    QVERIFY(!larga->Grabar(base.bd()));
    QCOMPARE(base.Contar("select count(*) from empresas"), 1);
}

void TestEmpresa::leerIdInexistente()
{
    BasePrueba base;
    Empresa e;
    e.setNombre("intacta");
    QVERIFY(!e.Leer(base.bd(), 42));
    QCOMPARE(e.Nombre(), QStringLiteral("intacta"));
    QVERIFY(e.Nueva());
}

void TestEmpresa::cargarListaEmpleados()
{
    BasePrueba base;
    auto emp = Completa();
    QVERIFY(emp->Grabar(base.bd()));
    for (const char* cuil : {"20-12345678-6", "27-12345678-0", "20-00000001-9"}) {
        Empleado e;
        e.setEmpresa(emp);
        e.setNombre(QString::fromLatin1(cuil));
        e.setCUIL(QString::fromLatin1(cuil));
        QVERIFY(e.Grabar(base.bd()));
    }
    QVERIFY(emp->CargarListaEmpleados(base.bd()));
    QCOMPARE(emp->ListaBaseEmpleados().Count(), 3);
    const auto primero = emp->ListaBaseEmpleados().Item(QStringLiteral("20-12345678-6"));
    QVERIFY(primero);
    QCOMPARE(primero->Empresa(), emp);
    QVERIFY(!primero->Nuevo());
    // Reloading empties the list first.
    QVERIFY(emp->CargarListaEmpleados(base.bd()));
    QCOMPARE(emp->ListaBaseEmpleados().Count(), 3);
}

QTEST_GUILESS_MAIN(TestEmpresa)
#include "tst_empresa.moc"
