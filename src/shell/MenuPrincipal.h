// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu tree, its toolbar and its company selector.
#pragma once

class QComboBox;
class QPixmap;
class frmPadre;

/// Builds the menu bar of the main window, each entry connected to the window's command.
void CrearMenuPrincipal(frmPadre& ventana);

/// Builds the toolbar of eight buttons and the company selector ("Empresa" button and the
/// drop-down cboEmpresas); returns the drop-down.
QComboBox* CrearBarraPrincipal(frmPadre& ventana);

/// Shows the captions under the toolbar's icons when the whole toolbar then fits the window's
/// width, and the icons alone (each with its tooltip) when it does not, so that no command and no
/// part of the company selector is ever cut off. Called whenever the window's width or font changes.
void AjustarBarraPrincipal(frmPadre& ventana);

/// The program's icon.
QPixmap IconoPrograma();
