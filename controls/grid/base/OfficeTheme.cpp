#include "controls/grid/base/OfficeTheme.h"

#include "controls/grid/base/ThemeBinding.h"

#include <array>

namespace controls {
namespace {

const QString kOffice2010General = kOffice2010Common + QStringLiteral("\\General");
const QString kOffice2007General = kOffice2007Common + QStringLiteral("\\General");

// An Office "Theme" value of 1, 2 or 3, or -1 to look further; any other
// value means the blue scheme of Office 2003.
std::optional<TOfficeTheme> officeChoice(int value, const std::array<TOfficeTheme, 3> &themes)
{
    if (value == -1)
        return std::nullopt;
    return value >= 1 && value <= 3 ? themes[std::size_t(value - 1)] : ot2003Blue;
}

} // namespace

bool IsComCtl6OrLater() { return true; }
bool IsWindowsXPOrLater() { return true; }
bool IsWindowsVistaOrLater() { return true; }

QString DefaultUIFontName()
{
    return IsWindowsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
}

int InstalledOfficeVersion(platform::TSettingsStore &store)
{
    const platform::TRegistry reg(store);
    if (reg.KeyExists(kOffice2010General))
        return 2;
    return reg.KeyExists(kOffice2007General) ? 1 : 0;
}

int ReadOfficeThemeValue(platform::TSettingsStore &store, const QString &key)
{
    platform::TRegistry reg(store);
    if (!reg.OpenKeyReadOnly(key))
        return -1;
    return reg.ReadInteger(QStringLiteral("Theme")).value_or(-1);
}

int CurrentXPThemeStyle()
{
    if (!IsWindowsXPOrLater() || !IsComCtl6OrLater())
        return 0;
    const std::optional<TThemeEntryPoints> library = loadThemeLibrary();
    if (!library || !library->IsThemeActive || !library->GetCurrentThemeName || !library->IsThemeActive())
        return 0;
    QString file, color, size;
    library->GetCurrentThemeName(file, color, size);
    const auto within = [&](const char *scheme) { return !color.isEmpty() && QString::fromLatin1(scheme).contains(color); };
    if (within("NormalColor"))
        return 1;
    if (within("HomeStead"))
        return 2;
    return within("Metallic") ? 3 : 0;
}

TOfficeTheme CurrentOfficeTheme(platform::TSettingsStore &store)
{
    if (const auto theme = officeChoice(ReadOfficeThemeValue(store, kOffice2010Common),
                                        {ot2010Blue, ot2010Silver, ot2010Black}))
        return *theme;
    if (const auto theme = officeChoice(ReadOfficeThemeValue(store, kOffice2007Common),
                                        {ot2007Blue, ot2007Silver, ot2007Black}))
        return *theme;
    constexpr std::array<TOfficeTheme, 4> byStyle = {ot2003Classic, ot2003Blue, ot2003Olive, ot2003Silver};
    return byStyle[std::size_t(CurrentXPThemeStyle())];
}

} // namespace controls
