// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/product.h"

class QWidget;

namespace wave {

// Lets the desktop tell the products apart and find their entries: each product's windows
// carry its own window class and icon, and name its desktop entry. Call before the first
// window is shown.
void presentToDesktop(Product product, QWidget &firstWindow);

} // namespace wave
