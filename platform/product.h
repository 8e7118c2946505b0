// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace wave {

enum class Product { Huygens, Interference, SingleSlit };

struct ProductInfo {
    Product product;
    QString applicationTitle;
    QString caption;
    int helpContext;
};

// The product follows from the last path element of the name the program was started
// under (argv[0], not the resolved link target). The names are compared exactly and
// case-sensitively; a name without ".exe" counts as with it.
Product productFromProgramName(const QString &programName);
ProductInfo productInfo(Product product);
// The name of the product's desktop entry (without ".desktop") and of its icons.
QString desktopId(Product product);

// The product's name in a set-up file ("interference"), and back; nullopt for an unknown name.
QString productKey(Product product);
std::optional<Product> productForKey(const QString &key);
// The launcher that starts the program as the product: "Rundique".
QString launcherName(Product product);

} // namespace wave
