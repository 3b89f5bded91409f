// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>

/// Ordered collection of shared records reached by 1-based position or by a text key.
/// Keys ignore letter case and are unique: adding an element under a key already present is
/// silently ignored. Out-of-range positions and unknown keys give a null pointer, never an exception.
template <typename T>
class ColeccionClave
{
public:
    using Puntero = QSharedPointer<T>;
    using const_iterator = typename QList<Puntero>::const_iterator;

    /// Appends the element (under sKey when not empty) and returns it.
    Puntero Add(const Puntero& elemento, const QString& sKey = QString())
    {
        if (!sKey.isEmpty()) {
            const QString clave = Normalizar(sKey);
            if (m_porClave.contains(clave))
                return elemento;
            m_porClave.insert(clave, elemento);
        }
        m_elementos.append(elemento);
        m_claves.append(sKey.isEmpty() ? QString() : Normalizar(sKey));
        return elemento;
    }

    Puntero Item(int posicion) const
    {
        return (posicion >= 1 && posicion <= m_elementos.size()) ? m_elementos.at(posicion - 1) : Puntero();
    }
    Puntero Item(const QString& clave) const { return m_porClave.value(Normalizar(clave)); }
    Puntero operator[](int posicion) const { return Item(posicion); }
    Puntero operator[](const QString& clave) const { return Item(clave); }

    bool Contiene(const QString& clave) const { return m_porClave.contains(Normalizar(clave)); }
    int Count() const { return int(m_elementos.size()); }

    /// Removes by position; false when out of range.
    bool Remove(int posicion)
    {
        if (posicion < 1 || posicion > m_elementos.size())
            return false;
        const QString clave = m_claves.at(posicion - 1);
        if (!clave.isEmpty())
            m_porClave.remove(clave);
        m_elementos.removeAt(posicion - 1);
        m_claves.removeAt(posicion - 1);
        return true;
    }
    /// Removes by key; false when the key is not in the collection.
    bool Remove(const QString& clave)
    {
        const int i = int(m_claves.indexOf(Normalizar(clave)));
        return i >= 0 && Remove(i + 1);
    }

    /// Removes every element, from the last position to the first.
    void Clear()
    {
        for (int i = Count(); i >= 1; --i)
            Remove(i);
    }

    // Walk in position order (for-each).
    const_iterator begin() const { return m_elementos.cbegin(); }
    const_iterator end() const { return m_elementos.cend(); }

private:
    static QString Normalizar(const QString& clave) { return clave.toCaseFolded(); }

    QList<Puntero> m_elementos;
    QList<QString> m_claves;
    QHash<QString, Puntero> m_porClave;
};
