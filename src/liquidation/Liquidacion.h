// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QObject>

/// The monthly contribution slip of one company for one period.
/// For now it holds its period; amounts, storage and printing come with the liquidation engine.
class Liquidacion : public QObject
{
    Q_OBJECT
public:
    /// A new slip for the month before the current date.
    explicit Liquidacion(QObject* parent = nullptr);

    /// Period month 1..12 and four-digit year; setting a different value emits CambioPeriodo.
    int Mes() const { return m_mes; }
    void setMes(int mes);
    int Anio() const { return m_anio; }
    void setAnio(int anio);

signals:
    void CambioPeriodo();

private:
    int m_mes = 0;
    int m_anio = 0;
};
