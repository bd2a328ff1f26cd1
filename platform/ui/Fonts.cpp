#include "platform/ui/Fonts.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>

namespace platform {

int pointsToPixels(int points)
{
    // MulDiv(points, 96, 72): rounds half away from zero.
    const long long scaled = static_cast<long long>(points) * 96;
    const long long half = 36;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / 72 : -((-scaled + half) / 72));
}

QString mapFontFamily(const QString &windowsFamily)
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("tahoma"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("microsoft sans serif"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("segoe ui"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
    };
    // Windows matches family names without regard to case.
    const auto found = table.constFind(windowsFamily.trimmed().toLower());
    return found == table.constEnd() ? windowsFamily : found.value();
}

QFont makeFont(const QString &windowsFamily, int points, FontStyle style)
{
    QFont font(mapFontFamily(windowsFamily));
    font.setPixelSize(std::max(1, std::abs(pointsToPixels(points))));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    return font;
}

QFont defaultFormFont()
{
    return makeFont(QStringLiteral("Verdana"), 8);
}

} // namespace platform
