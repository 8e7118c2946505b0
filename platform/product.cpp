// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/product.h"

namespace wave {

Product productFromProgramName(const QString &programName)
{
    QString name = programName.section(QLatin1Char('/'), -1);
    if (!name.endsWith(QLatin1String(".exe")))
        name += QLatin1String(".exe");
    if (name == QLatin1String("Pelvane.exe"))
        return Product::Huygens;
    if (name == QLatin1String("Rundique.exe"))
        return Product::Interference;
    return Product::SingleSlit;
}

ProductInfo productInfo(Product product)
{
    switch (product) {
    case Product::Huygens:
        return {product, QStringLiteral("Pelvane"), QStringLiteral("Pelvane' Principle"), 9000};
    case Product::Interference:
        return {product, QStringLiteral("Rundique "), QStringLiteral("Rundique"), 7000};
    case Product::SingleSlit:
        break;
    }
    return {Product::SingleSlit, QStringLiteral("Sorvelle"), QStringLiteral("Sorvelle"), 8000};
}

QString productKey(Product product)
{
    switch (product) {
    case Product::Huygens:
        return QStringLiteral("huygens");
    case Product::Interference:
        return QStringLiteral("interference");
    case Product::SingleSlit:
        break;
    }
    return QStringLiteral("single-slit");
}

std::optional<Product> productForKey(const QString &key)
{
    for (Product product : {Product::Huygens, Product::Interference, Product::SingleSlit})
        if (productKey(product) == key)
            return product;
    return std::nullopt;
}

QString launcherName(Product product)
{
    switch (product) {
    case Product::Huygens:
        return QStringLiteral("Pelvane");
    case Product::Interference:
        return QStringLiteral("Rundique");
    case Product::SingleSlit:
        break;
    }
    return QStringLiteral("Sorvelle");
}

} // namespace wave
