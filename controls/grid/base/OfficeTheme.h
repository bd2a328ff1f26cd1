#pragma once
// What the controls ask of the platform to choose a look: the system's
// version and user-interface font, and the Office colour scheme the user
// chose, read from the settings store where Office keeps it.
//
// This platform is answered as a current Windows without visual styles:
// the version checks hold, there is no theme library (ThemeBinding.h), so
// the visual-style colour scheme is none and the Office scheme falls back
// to the classic one unless the store holds an Office choice.
#include "controls/grid/base/Themes.h"
#include "platform/Registry.h"

#include <QString>

namespace controls {

// The keys Office 2010 and Office 2007 keep their colour scheme under,
// and the keys whose presence tells that they are installed.
inline const QString kOffice2010Common = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
inline const QString kOffice2007Common = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");

bool IsComCtl6OrLater();
bool IsWindowsXPOrLater();
bool IsWindowsVistaOrLater();
// "Segoe UI" from Vista on, else "Tahoma".
QString DefaultUIFontName();

// 2 when Office 2010 is installed, 1 for Office 2007, else 0.
int InstalledOfficeVersion(platform::TSettingsStore &store = platform::settingsStore());
// The integer "Theme" under the key of the current user; -1 when the key
// or the value is missing or the value is no integer.
int ReadOfficeThemeValue(platform::TSettingsStore &store, const QString &key);
// The colour scheme of the visual style: 1 for "NormalColor", 2
// "HomeStead", 3 "Metallic" (or a part of one of these names), else 0,
// also when there is no theme library or no active theme.
int CurrentXPThemeStyle();
// Office 2010's choice, else Office 2007's, else the visual style's.
TOfficeTheme CurrentOfficeTheme(platform::TSettingsStore &store = platform::settingsStore());

} // namespace controls
