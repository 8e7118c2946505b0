// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/product.h"

#include <algorithm>
#include <array>

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

namespace {

// Each product's name in set-up files and its launcher.
struct ProductNames {
    Product product;
    const char *key;
    const char *launcher;
};
constexpr std::array<ProductNames, 3> productNames{{
    {Product::Huygens, "huygens", "Pelvane"},
    {Product::Interference, "interference", "Rundique"},
    {Product::SingleSlit, "single-slit", "Sorvelle"},
}};

const ProductNames &namesOf(Product product)
{
    return *std::find_if(productNames.begin(), productNames.end(),
                         [product](const ProductNames &names) { return names.product == product; });
}

} // namespace

QString productKey(Product product)
{
    return QLatin1String(namesOf(product).key);
}

std::optional<Product> productForKey(const QString &key)
{
    for (const ProductNames &names : productNames)
        if (key == QLatin1String(names.key))
            return names.product;
    return std::nullopt;
}

QString launcherName(Product product)
{
    return QLatin1String(namesOf(product).launcher);
}

QString desktopId(Product product)
{
    return QStringLiteral("org.wavelab.") + launcherName(product);
}

} // namespace wave
