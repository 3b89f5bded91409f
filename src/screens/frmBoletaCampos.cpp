// SPDX-License-Identifier: GPL-3.0-or-later
// The slip screens' fields: each change goes into the slip at once, amounts when the user leaves
// the field, and the field shows back what the slip kept.
#include "frmBoleta.h"

#include "liquidation/Liquidacion.h"
#include "records/Global.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

void frmBoleta::AplicarBloqueos()
{
    // A consulted slip is shown as stored: nothing on it can change.
    const bool consulta = m_modo == 2;
    for (auto* campo : m_campos)
        campo->setReadOnly(consulta);
    for (auto* texto : m_textos)
        texto->setReadOnly(consulta);
    m_cboForma->setEnabled(!consulta);
    m_fraPeriodo->setEnabled(!consulta);
    m_cmdAgregar->setEnabled(!consulta);
    if (consulta) {
        m_cmdModificar->setEnabled(false);
        if (m_cmdBorrar)
            m_cmdBorrar->setEnabled(false);
        return;
    }
    m_campos[Recargo]->setReadOnly(DiezMilesimos(m_liq->Coeficiente()) == 0);
    m_campos[Otros]->setReadOnly(OtrosSegunDescripcion() && m_liq->OtrosConceptos().isEmpty());
    m_campos[Req]->setReadOnly(m_liq->NroReq().isEmpty());
    m_campos[Credito]->setReadOnly(m_liq->ConceptoCredito().isEmpty());
}

void frmBoleta::Seguir(int concepto, double adeudado)
{
    Liquidacion& liq = *m_liq;
    switch (concepto) {
    case Dos:
        liq.setPagado2(adeudado);
        break;
    case FCM:
        liq.setPagadoFCM(adeudado);
        break;
    case Cuota:
        liq.setPagadoCuota(adeudado);
        break;
    case Recargo:
        liq.setPagadoRecargo(adeudado);
        break;
    default:
        return;
    }
    m_campos[concepto]->setText(m_campos[concepto]->Formato(
        concepto == Dos ? liq.Pagado2()
        : concepto == FCM ? liq.PagadoFCM()
        : concepto == Cuota ? liq.PagadoCuota()
                            : liq.PagadoRecargo()));
}

bool frmBoleta::ValidarCampo(Campo campo)
{
    CampoImporteBoleta* c = m_campos[campo];
    if (!m_liq || m_modo == 2)
        return true;
    // A text that is not an amount never reaches the slip (the field keeps the focus meanwhile).
    double valor = 0;
    if (!c->Importe(valor))
        return false;
    Liquidacion& liq = *m_liq;
    double guardado = 0;
    switch (campo) {
    case Dos:
        liq.setPagado2(DepositosFijos() ? liq.APagar2() : valor);
        guardado = liq.Pagado2();
        break;
    case FCM:
        liq.setPagadoFCM(DepositosFijos() ? liq.APagarFCM() : valor);
        guardado = liq.PagadoFCM();
        break;
    case Cuota:
        liq.setPagadoCuota(valor);
        guardado = liq.PagadoCuota();
        break;
    case Recargo:
        liq.setPagadoRecargo(valor);
        guardado = liq.PagadoRecargo();
        break;
    case Otros:
        liq.setPagadoOtros(valor);
        guardado = liq.PagadoOtros();
        break;
    case Req:
        liq.setPagadoReq(valor);
        guardado = liq.PagadoReq();
        break;
    case Credito:
        liq.setCredito(valor);
        guardado = liq.Credito();
        break;
    case Coef:
        liq.setCoeficiente(valor);
        guardado = liq.Coeficiente();
        break;
    case CantidadCampos:
        return true;
    }
    c->setText(c->Formato(guardado));
    if (campo == Coef) {
        // A new surcharge due: shown, followed on the ordinary screen, and the deposit checked again.
        const double recargo = liq.APagarRecargo();
        const QString texto = FormatoImporte(recargo);
        if (texto != m_mostrados[Recargo]) {
            m_mostrados[Recargo] = texto;
            m_adeudados[Recargo]->setText(texto);
            if (DepositosSiguen())
                Seguir(Recargo, recargo);
        }
        m_campos[Recargo]->setReadOnly(DiezMilesimos(guardado) == 0);
        ValidarCampo(Recargo);
    }
    MostrarTotales();
    return true;
}

void frmBoleta::ValidarAportes()
{
    ValidarCampo(Dos);
    ValidarCampo(FCM);
    ValidarCampo(Cuota);
}

void frmBoleta::CambiarTexto(QLineEdit* texto)
{
    if (!m_liq || m_modo == 2)
        return;
    m_cambios = true;
    Liquidacion& liq = *m_liq;
    const QString valor = texto->text();
    // A description that is emptied locks its amount and takes it back to zero.
    auto dependiente = [this, &valor](Campo campo) {
        m_campos[campo]->setReadOnly(valor.isEmpty());
        if (valor.isEmpty()) {
            m_campos[campo]->setText(m_campos[campo]->Cero());
            ValidarCampo(campo);
        }
    };
    const QString nombre = texto->objectName();
    if (texto == m_txtOtrosConceptos) {
        liq.setOtrosConceptos(valor);
        if (OtrosSegunDescripcion())
            dependiente(Otros);
    } else if (texto == m_txtNroReq) {
        liq.setNroReq(valor);
        dependiente(Req);
    } else if (texto == m_txtOCCreditos) {
        liq.setConceptoCredito(valor);
        dependiente(Credito);
    } else if (nombre == QLatin1String("txtNroCuota")) {
        liq.setCuota(valor);
    } else if (nombre == QLatin1String("txtInspector")) {
        liq.setInspector(valor);
    } else if (nombre == QLatin1String("txtBanco")) {
        liq.setBanco(valor);
    } else if (nombre == QLatin1String("txtCheque")) {
        liq.setNroCheque(valor);
    }
}

void frmBoleta::CambiarCoeficiente(const QString& texto)
{
    // The surcharge deposit is open only while there is a coefficient.
    double valor = 0;
    if (m_modo != 2 && ImporteDeTexto(texto, valor))
        m_campos[Recargo]->setReadOnly(DiezMilesimos(valor) == 0);
}

void frmBoleta::CopiarAdeudado(int concepto)
{
    if (!m_liq || m_modo == 2)
        return;
    Liquidacion& liq = *m_liq;
    const double adeudado = concepto == Dos ? liq.APagar2()
        : concepto == FCM                  ? liq.APagarFCM()
        : concepto == Cuota                ? liq.APagarCuota()
                                           : liq.APagarRecargo();
    Seguir(concepto, adeudado);
    m_cambios = true;
    MostrarTotales();
}

bool frmBoleta::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 4; ++i) {
            if (objeto == m_adeudados[i]) {
                CopiarAdeudado(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(objeto, evento);
}
