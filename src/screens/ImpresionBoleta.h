// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Dialogos;
class Impresoras;
class Liquidacion;

/// Prints the slip's copies on the current printer, as the slip screens do: a slip whose payment
/// code cannot be built is refused with the reason; the PDF printer asks once for the file name;
/// failures are shown through the dialog service. True when every copy was printed.
bool ImprimirLiquidacion(const Liquidacion& liq, Impresoras& impresoras, Dialogos& dialogos);
