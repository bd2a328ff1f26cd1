#pragma once
// A theme library that records what the controls ask of it, installed in
// the program's bindings for the lifetime of the object.
#include "controls/grid/base/ThemeBinding.h"
#include "platform/draw/Geometry.h"

#include <QString>

#include <vector>

namespace controls::test {

struct ThemeCall {
    QString classList;
    int part = 0;
    int state = 0;
    platform::TRect rect;
    friend bool operator==(const ThemeCall &, const ThemeCall &) = default;
};

class FakeThemeLibrary {
public:
    // The entry points; tests may clear some before install().
    TThemeEntryPoints entries;
    bool active = true;
    QString colorName = QStringLiteral("NormalColor");
    int loads = 0;
    int opened = 0;
    int closed = 0;
    std::vector<ThemeCall> drawn;

    FakeThemeLibrary()
    {
        entries.OpenThemeData = [this](const QObject *, const QString &classList) {
            m_classes.push_back(classList);
            ++opened;
            return HTHEME(m_classes.size());
        };
        entries.CloseThemeData = [this](HTHEME) {
            ++closed;
            return 0L;
        };
        entries.DrawThemeBackground = [this](HTHEME theme, platform::TCanvas &, int part, int state,
                                             const platform::TRect &rect, const platform::TRect *) {
            drawn.push_back({m_classes[theme - 1], part, state, rect});
            return 0L;
        };
        entries.IsThemeActive = [this] { return active; };
        entries.GetCurrentThemeName = [this](QString &file, QString &color, QString &size) {
            file = QStringLiteral("Luna.msstyles");
            color = colorName;
            size = QStringLiteral("NormalSize");
            return 0L;
        };
    }

    TThemeLibraryLoader loader()
    {
        return [this]() -> std::optional<TThemeEntryPoints> {
            ++loads;
            return entries;
        };
    }

    // The program's bindings use this library until the object goes.
    void install()
    {
        setThemeLibraryLoader(loader());
        rebind();
    }
    ~FakeThemeLibrary()
    {
        setThemeLibraryLoader({});
        rebind();
    }

private:
    static void rebind()
    {
        for (TThemeBinding *binding : {&ExXPVS(), &ATXPVS()}) {
            binding->UnbindThemeApi();
            binding->BindThemeApi();
        }
    }

    std::vector<QString> m_classes;
};

} // namespace controls::test
