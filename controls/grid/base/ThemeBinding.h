#pragma once
// The theme library the controls draw themed parts through, bound once per
// user: ExXPVS serves the grid, its editors, the date pickers, the cell
// drawing helpers and the mini-HTML renderer; ATXPVS the drop-down
// controls. A binding asks the library only for the entry points its users
// call; when the library or one of them is missing the binding is not
// loaded, and its users draw their classic look.
//
// This platform has no theme library: the loader finds none unless one is
// installed (a test installs a recording fake), so the classic looks are
// what the controls draw here.
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QObject;

namespace platform {
class TCanvas;
struct TRect;
} // namespace platform

namespace controls {

// An open theme of a window class; 0 is none.
using HTHEME = std::uintptr_t;

struct TThemeEntryPoints {
    // The theme of a class list ("button", "combobox", "spin"...) for a
    // window; 0 when there is none.
    std::function<HTHEME(const QObject *window, const QString &classList)> OpenThemeData;
    std::function<long(HTHEME theme)> CloseThemeData;
    std::function<long(HTHEME theme, platform::TCanvas &canvas, int partId, int stateId, const platform::TRect &rect,
                       const platform::TRect *clip)>
        DrawThemeBackground;
    std::function<bool()> IsThemeActive;
    // The theme's file, colour scheme and size names.
    std::function<long(QString &fileName, QString &colorName, QString &sizeName)> GetCurrentThemeName;
};

// Opens the theme library: its entry points, any of which may be missing,
// or nothing when there is no library.
using TThemeLibraryLoader = std::function<std::optional<TThemeEntryPoints>()>;

// The loader every binding uses from now on; an empty one restores the
// platform's, which finds no library.
void setThemeLibraryLoader(TThemeLibraryLoader loader);
std::optional<TThemeEntryPoints> loadThemeLibrary();

class TThemeBinding {
public:
    enum Use : unsigned {
        UsesOpenClose = 0x1,
        UsesDrawBackground = 0x2,
        UsesIsThemeActive = 0x4,
        UsesThemeName = 0x8,
    };

    TThemeBinding(QString unitName, unsigned uses);
    ~TThemeBinding();
    TThemeBinding(const TThemeBinding &) = delete;
    TThemeBinding &operator=(const TThemeBinding &) = delete;

    // Loads the library once; a second call while loaded does nothing.
    void BindThemeApi();
    // Frees the library when it was loaded.
    void UnbindThemeApi();
    bool Loaded() const { return m_loaded; }
    const QString &UnitName() const { return m_unitName; }

    // The entry points; call them only while Loaded().
    const TThemeEntryPoints &Api() const { return m_api; }

private:
    QString m_unitName;
    unsigned m_uses;
    bool m_loaded = false;
    TThemeEntryPoints m_api;
};

// Both bound on first use and unbound when the program ends.
TThemeBinding &ExXPVS();
TThemeBinding &ATXPVS();

// An open theme, closed again when it goes out of scope; empty when the
// binding is not loaded or the library has no theme for the class.
class TOpenTheme {
public:
    TOpenTheme(const TThemeBinding &binding, const QObject *window, const QString &classList);
    ~TOpenTheme();
    TOpenTheme(const TOpenTheme &) = delete;
    TOpenTheme &operator=(const TOpenTheme &) = delete;

    explicit operator bool() const { return m_theme != 0; }
    void DrawBackground(platform::TCanvas &canvas, int partId, int stateId, const platform::TRect &rect) const;

private:
    const TThemeBinding &m_binding;
    HTHEME m_theme = 0;
};

} // namespace controls
