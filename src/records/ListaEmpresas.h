// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColeccionClave.h"
#include "Empresa.h"

class Conexion;

/// Companies keyed by CUIT, with loading from storage and deletion.
class ListaEmpresas : public ColeccionClave<Empresa>
{
public:
    /// Replaces the contents with every stored company, in the order they were created.
    /// A row that cannot be read is left out; false when the list could not be read at all.
    bool LeerEmpresas(Conexion& bd);
    /// Deletes the company (its employees and slips go with it) and removes it from the list.
    bool BorrarEmpresa(Conexion& bd, const Empresa& emp);
};
