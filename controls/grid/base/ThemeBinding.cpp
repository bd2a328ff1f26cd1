#include "controls/grid/base/ThemeBinding.h"

namespace controls {
namespace {

TThemeLibraryLoader &installedLoader()
{
    static TThemeLibraryLoader loader;
    return loader;
}

bool hasEveryUse(const TThemeEntryPoints &api, unsigned uses)
{
    return (!(uses & TThemeBinding::UsesOpenClose) || (api.OpenThemeData && api.CloseThemeData))
           && (!(uses & TThemeBinding::UsesDrawBackground) || api.DrawThemeBackground)
           && (!(uses & TThemeBinding::UsesIsThemeActive) || api.IsThemeActive)
           && (!(uses & TThemeBinding::UsesThemeName) || api.GetCurrentThemeName);
}

TThemeBinding &boundAtStart(TThemeBinding &binding)
{
    binding.BindThemeApi();
    return binding;
}

} // namespace

void setThemeLibraryLoader(TThemeLibraryLoader loader) { installedLoader() = std::move(loader); }

std::optional<TThemeEntryPoints> loadThemeLibrary()
{
    const TThemeLibraryLoader &loader = installedLoader();
    return loader ? loader() : std::nullopt;
}

TThemeBinding::TThemeBinding(QString unitName, unsigned uses) : m_unitName(std::move(unitName)), m_uses(uses) {}

TThemeBinding::~TThemeBinding() { UnbindThemeApi(); }

void TThemeBinding::BindThemeApi()
{
    if (m_loaded)
        return;
    std::optional<TThemeEntryPoints> library = loadThemeLibrary();
    if (!library || !hasEveryUse(*library, m_uses))
        return;
    m_api = std::move(*library);
    m_loaded = true;
}

void TThemeBinding::UnbindThemeApi()
{
    if (!m_loaded)
        return;
    m_api = {};
    m_loaded = false;
}

// The start-up binding of each user: the first call binds, and the
// binding's destructor unbinds when the program ends.
TThemeBinding &ExXPVS()
{
    static TThemeBinding binding(QStringLiteral("ExXPVS"), TThemeBinding::UsesOpenClose
                                                               | TThemeBinding::UsesDrawBackground
                                                               | TThemeBinding::UsesIsThemeActive
                                                               | TThemeBinding::UsesThemeName);
    static TThemeBinding &bound = boundAtStart(binding);
    return bound;
}

TThemeBinding &ATXPVS()
{
    static TThemeBinding binding(QStringLiteral("ATXPVS"), TThemeBinding::UsesOpenClose
                                                               | TThemeBinding::UsesDrawBackground
                                                               | TThemeBinding::UsesIsThemeActive);
    static TThemeBinding &bound = boundAtStart(binding);
    return bound;
}

TOpenTheme::TOpenTheme(const TThemeBinding &binding, const QObject *window, const QString &classList)
    : m_binding(binding)
{
    if (binding.Loaded())
        m_theme = binding.Api().OpenThemeData(window, classList);
}

TOpenTheme::~TOpenTheme()
{
    if (m_theme != 0 && m_binding.Loaded())
        m_binding.Api().CloseThemeData(m_theme);
}

void TOpenTheme::DrawBackground(platform::TCanvas &canvas, int partId, int stateId, const platform::TRect &rect) const
{
    if (m_theme != 0 && m_binding.Loaded())
        m_binding.Api().DrawThemeBackground(m_theme, canvas, partId, stateId, rect, nullptr);
}

} // namespace controls
