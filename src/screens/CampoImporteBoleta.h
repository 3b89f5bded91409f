// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CampoImporte.h"

/// An amount field of the slip screens: an amount field that never stays empty (emptying it writes
/// the zero of its format), that also takes the amount on Enter, and whose keys may be filtered the
/// extraordinary slip's way. importeAceptado tells the screen to store the amount.
class CampoImporteBoleta : public CampoImporte
{
    Q_OBJECT
public:
    enum class Filtro {
        /// "." and "," both type the locale's decimal separator (the usual amount filter).
        Traducido,
        /// Only the locale's own separator types a separator; "." and "," are not translated.
        SoloRegional,
    };

    /// decimales: 2 for amounts ("0.00"), 4 for the surcharge coefficient ("0.0000").
    explicit CampoImporteBoleta(int decimales = 2, QWidget* parent = nullptr);

    void setFiltro(Filtro filtro) { m_filtro = filtro; }
    Filtro filtro() const { return m_filtro; }

    /// The zero the field shows when emptied, in the locale's notation.
    QString Cero() const { return Formato(0); }
    /// A value in this field's format, "0.00" or "0.0000", in the locale's notation.
    QString Formato(double valor) const;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void AlEditar(const QString& texto);

    int m_decimales;
    Filtro m_filtro = Filtro::Traducido;
};
