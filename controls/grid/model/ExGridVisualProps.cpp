// The grid's colours, fonts and looks in a text file of key=value lines
// (core/VisualPropsFile.h), one table of bindings for writing and reading.
// Reading converts every value first: a file with a value that does not
// convert raises and leaves every property as it was.
#include "controls/grid/model/GridExchangeState.h"

#include "controls/grid/base/Bands.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/model/FloatingFooter.h"
#include "controls/grid/model/GridGrouping.h"
#include "controls/grid/model/GridSortSettings.h"
#include "controls/grid/model/core/VisualPropsFile.h"
#include "controls/grid/view/BalloonSettings.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/AtomicFile.h"
#include "platform/ConversionError.h"
#include "platform/Error.h"
#include "platform/FileRead.h"

#include <functional>
#include <vector>

namespace controls {

namespace {

using G = TExStringGrid;
// A change checked and ready: applying it cannot fail.
using TApply = std::function<void(G &)>;

struct TVisualProp {
    QString key;
    std::function<QString(G &)> write;
    // The change the file's value (nothing when missing) asks for; raises
    // the conversion error for a value that does not convert.
    std::function<TApply(G &, const std::optional<QString> &)> read;
};

QString boolText(bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); }

TVisualProp colorProp(const char *key, std::function<platform::TColor(G &)> get,
                      std::function<void(G &, platform::TColor)> set)
{
    return {QString::fromLatin1(key), [get](G &g) { return colorToText(get(g)); },
            [set](G &, const std::optional<QString> &v) -> TApply {
                platform::TColor c = platform::clNone;
                if (v && !v->trimmed().isEmpty()) {
                    const auto parsed = textToColor(*v);
                    if (!parsed)
                        throw platform::Error(QStringLiteral("Invalid colour value: %1").arg(v->left(40)));
                    c = *parsed;
                }
                return [set, c](G &g) { set(g, c); };
            }};
}

TVisualProp boolProp(const char *key, std::function<bool(G &)> get, std::function<void(G &, bool)> set)
{
    return {QString::fromLatin1(key), [get](G &g) { return boolText(get(g)); },
            [set](G &, const std::optional<QString> &v) -> TApply {
                const bool b = v && v->trimmed().toUpper() == QStringLiteral("TRUE");
                return [set, b](G &g) { set(g, b); };
            }};
}

int readInt(const std::optional<QString> &v)
{
    bool ok = false;
    const int i = v ? v->trimmed().toInt(&ok) : 0;
    if (!ok)
        throw platform::Error(platform::notAnIntegerMessage(v.value_or(QString())));
    return i;
}

TVisualProp intProp(const char *key, std::function<int(G &)> get, std::function<void(G &, int)> set)
{
    return {QString::fromLatin1(key), [get](G &g) { return QString::number(get(g)); },
            [set](G &, const std::optional<QString> &v) -> TApply {
                const int i = readInt(v);
                return [set, i](G &g) { set(g, i); };
            }};
}

// An enumeration by its value names; a name that matches none changes nothing.
TVisualProp enumProp(const char *key, QStringList names, std::function<int(G &)> get,
                     std::function<void(G &, int)> set)
{
    return {QString::fromLatin1(key),
            [names, get](G &g) {
                const int i = get(g);
                return i >= 0 && i < names.size() ? names[i] : QString();
            },
            [names, set](G &, const std::optional<QString> &v) -> TApply {
                const QString upper = v.value_or(QString()).trimmed().toUpper();
                for (int i = 0; i < names.size(); ++i)
                    if (!upper.isEmpty() && names[i].toUpper() == upper)
                        return [set, i](G &g) { set(g, i); };
                return {};
            }};
}

QString styleText(const platform::FontStyle &s)
{
    QStringList names;
    if (s.bold)
        names << QStringLiteral("fsBold");
    if (s.italic)
        names << QStringLiteral("fsItalic");
    if (s.underline)
        names << QStringLiteral("fsUnderline");
    if (s.strikeOut)
        names << QStringLiteral("fsStrikeOut");
    return names.join(u',');
}

void fontProps(std::vector<TVisualProp> &table, const QString &prefix, std::function<platform::TFont &(G &)> font,
               bool applies = true)
{
    auto key = [&prefix](const char *part) { return (prefix + u'.' + QLatin1String(part)).toLatin1(); };
    auto maybe = [applies](TApply a) { return applies ? a : TApply{}; };
    table.push_back(colorProp(key("Color").constData(), [font](G &g) { return font(g).Color(); },
                              [font](G &g, platform::TColor c) { font(g).setColor(c); }));
    table.back().read = [font, maybe, inner = table.back().read](G &g, const std::optional<QString> &v) {
        return maybe(inner(g, v));
    };
    table.push_back({prefix + QStringLiteral(".Style"), [font](G &g) { return styleText(font(g).Style()); },
                     [font, maybe](G &, const std::optional<QString> &v) -> TApply {
                         const QString t = v.value_or(QString());
                         platform::FontStyle s;
                         s.bold = t.contains(QStringLiteral("fsBold"));
                         s.italic = t.contains(QStringLiteral("fsItalic"));
                         s.underline = t.contains(QStringLiteral("fsUnderline"));
                         s.strikeOut = t.contains(QStringLiteral("fsStrikeOut"));
                         return maybe([font, s](G &g) { font(g).setStyle(s); });
                     }});
    table.push_back({prefix + QStringLiteral(".Size"), [font](G &g) { return QString::number(font(g).Size()); },
                     [font, maybe](G &, const std::optional<QString> &v) -> TApply {
                         const int size = readInt(v);
                         return maybe([font, size](G &g) { font(g).setSize(size); });
                     }});
    table.push_back({prefix + QStringLiteral(".Name"), [font](G &g) { return font(g).Name(); },
                     [font, maybe](G &, const std::optional<QString> &v) -> TApply {
                         if (!v)
                             return {};
                         const QString name = *v;
                         return maybe([font, name](G &g) { font(g).setName(name); });
                     }});
}

const QStringList kControlStyles{"csClassic", "csFlat", "csWinXP", "csBorland", "csFenlo", "csGlyph", "csTheme"};
const QStringList kLooks{"glStandard", "glSoft",  "glClassic", "glFenlo",       "glXP",
                         "glListView", "glVista", "glWin7",    "glOffice2007"};
const QStringList kDisplays{"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
const QStringList kCells{"bcNormal", "bcFixed", "bcAll"};

// The properties in the order of the file.
std::vector<TVisualProp> visualProps()
{
    std::vector<TVisualProp> t;
    auto &&ap = [](G &g) -> TGridAppearance & { return g.Appearance(); };
    t.push_back(colorProp("Color", [](G &g) { return g.Color(); }, [](G &g, platform::TColor c) { g.setColor(c); }));
    t.push_back(colorProp("HintColor", [](G &g) { return g.HintColor; },
                          [](G &g, platform::TColor c) { g.HintColor = c; }));
#define APPEARANCE_COLOR(name)                                                                                    \
    t.push_back(colorProp(#name, [ap](G &g) { return ap(g).name; }, [ap](G &g, platform::TColor c) { ap(g).name = c; }))
    APPEARANCE_COLOR(SelectionColor);
    APPEARANCE_COLOR(SelectionColorTo);
    APPEARANCE_COLOR(SelectionMirrorColor);
    APPEARANCE_COLOR(SelectionMirrorColorTo);
    APPEARANCE_COLOR(SelectionTextColor);
    APPEARANCE_COLOR(URLColor);
    t.push_back(boolProp("URLShow", [ap](G &g) { return ap(g).URLShow; }, [ap](G &g, bool b) { ap(g).URLShow = b; }));
    t.push_back(boolProp("URLShowInText", [ap](G &g) { return ap(g).URLShowInText; },
                         [ap](G &g, bool b) { ap(g).URLShowInText = b; }));
    t.push_back(colorProp("ScrollColor", [](G &g) { return g.ScrollColor(); },
                          [](G &g, platform::TColor c) { g.setScrollColor(c); }));
    t.push_back(colorProp("ActiveRowColor", [](G &g) { return g.ActiveRowColor(); },
                          [](G &g, platform::TColor c) { g.setActiveRowColor(c); }));
    t.push_back(boolProp("ActiveRowShow", [](G &g) { return g.ActiveRowShow(); },
                         [](G &g, bool b) { g.setActiveRowShow(b); }));
    t.push_back(boolProp("ActiveCellShow", [](G &g) { return g.ActiveCellShow; },
                         [](G &g, bool b) { g.ActiveCellShow = b; }));
    fontProps(t, QStringLiteral("Font"), [](G &g) -> platform::TFont & { return g.Font(); });
    t.push_back(colorProp("ActiveCellColor", [](G &g) { return g.ActiveCellColor; },
                          [](G &g, platform::TColor c) { g.ActiveCellColor = c; }));
    APPEARANCE_COLOR(ActiveCellColorTo);
#undef APPEARANCE_COLOR
    fontProps(t, QStringLiteral("ActiveCellFont"), [](G &g) -> platform::TFont & { return g.ActiveCellFont(); });
    // The fixed cells paint in the grid's font here: the lines are written
    // for the file's sake and read as nothing.
    fontProps(t, QStringLiteral("FixedFont"), [](G &g) -> platform::TFont & { return g.Font(); }, false);
    t.push_back(colorProp("Balloon.BackgroundColor", [](G &g) { return g.Balloon().BackgroundColor; },
                          [](G &g, platform::TColor c) { g.Balloon().BackgroundColor = c; }));
    t.push_back(colorProp("Balloon.TextColor", [](G &g) { return g.Balloon().TextColor; },
                          [](G &g, platform::TColor c) { g.Balloon().TextColor = c; }));
    t.push_back(intProp("Balloon.Transparency", [](G &g) { return int(g.Balloon().Transparency); },
                        [](G &g, int v) { g.Balloon().Transparency = std::uint8_t(std::clamp(v, 0, 255)); }));
    t.push_back(colorProp("Bands.PrimaryColor", [](G &g) { return g.Bands().PrimaryColor(); },
                          [](G &g, platform::TColor c) { g.Bands().setPrimaryColor(c); }));
    t.push_back(colorProp("Bands.SecondaryColor", [](G &g) { return g.Bands().SecondaryColor(); },
                          [](G &g, platform::TColor c) { g.Bands().setSecondaryColor(c); }));
    t.push_back(boolProp("Bands.Active", [](G &g) { return g.Bands().Active(); },
                         [](G &g, bool b) { g.Bands().setActive(b); }));
    t.push_back(colorProp("SortSettings.IndexColor", [](G &g) { return g.SortSettings().IndexColor; },
                          [](G &g, platform::TColor c) { g.SortSettings().IndexColor = c; }));
    t.push_back(colorProp("FloatingFooter.Color", [](G &g) { return g.FloatingFooter().Color(); },
                          [](G &g, platform::TColor c) { g.FloatingFooter().setColor(c); }));
#define LOOK_FIELD(maker, name) \
    t.push_back(maker("ControlLook." #name, [](G &g) { return g.ControlLook().name; }, \
                      [](G &g, auto v) { g.ControlLook().name = v; }))
    t.push_back(intProp("ControlLook.CheckSize", [](G &g) { return g.ControlLook().CheckSize; },
                        [](G &g, int v) { g.ControlLook().CheckSize = v; }));
    LOOK_FIELD(colorProp, Color);
    LOOK_FIELD(colorProp, CommentColor);
    t.push_back(enumProp("ControlLook.ControlStyle", kControlStyles,
                         [](G &g) { return int(g.ControlLook().ControlStyle); },
                         [](G &g, int v) { g.ControlLook().ControlStyle = TControlStyle(v); }));
    LOOK_FIELD(colorProp, FixedGradientFrom);
    LOOK_FIELD(colorProp, FixedGradientTo);
    t.push_back(intProp("ControlLook.RadioSize", [](G &g) { return g.ControlLook().RadioSize; },
                        [](G &g, int v) { g.ControlLook().RadioSize = v; }));
    t.push_back(boolProp("ControlLook.FlatButton", [](G &g) { return g.ControlLook().FlatButton; },
                         [](G &g, bool b) { g.ControlLook().FlatButton = b; }));
    LOOK_FIELD(colorProp, ProgressBorderColor);
    t.push_back(boolProp("ControlLook.ProgressXP", [](G &g) { return g.ControlLook().ProgressXP; },
                         [](G &g, bool b) { g.ControlLook().ProgressXP = b; }));
#undef LOOK_FIELD
    // glCustom has no name: written empty, and an empty value keeps the look.
    t.push_back(enumProp("Look", kLooks, [](G &g) { return int(g.Look()); },
                         [](G &g, int v) { g.setLook(TGridLook(v)); }));
    t.push_back(colorProp("SearchFooter.Color", [](G &g) { return g.SearchFooter().Color(); },
                          [](G &g, platform::TColor c) { g.SearchFooter().setColor(c); }));
    t.push_back(colorProp("SearchFooter.ColorTo", [](G &g) { return g.SearchFooter().ColorTo(); },
                          [](G &g, platform::TColor c) { g.SearchFooter().setColorTo(c); }));
#define GROUPING(maker, name) \
    t.push_back(maker("Grouping." #name, [](G &g) { return g.Grouping().name; }, \
                      [](G &g, auto v) { g.Grouping().name = v; }))
    GROUPING(colorProp, HeaderColor);
    GROUPING(colorProp, HeaderColorTo);
    GROUPING(colorProp, HeaderTextColor);
    GROUPING(boolProp, HeaderUnderline);
    GROUPING(colorProp, HeaderLineColor);
    GROUPING(intProp, HeaderLineWidth);
    GROUPING(colorProp, SummaryColor);
    GROUPING(colorProp, SummaryColorTo);
    GROUPING(colorProp, SummaryTextColor);
    GROUPING(boolProp, SummaryLine);
    GROUPING(colorProp, SummaryLineColor);
    GROUPING(intProp, SummaryLineWidth);
#undef GROUPING
    t.push_back(colorProp("GridLineColor", [](G &g) { return g.GridLineColor(); },
                          [](G &g, platform::TColor c) { g.setGridLineColor(c); }));
    t.push_back(colorProp("GridFixedLineColor", [](G &g) { return g.GridFixedLineColor(); },
                          [](G &g, platform::TColor c) { g.setGridFixedLineColor(c); }));
    t.push_back(intProp("BackGround.Top", [ap](G &g) { return ap(g).BackGround.Top; },
                        [ap](G &g, int v) { ap(g).BackGround.Top = v; }));
    t.push_back(intProp("BackGround.Left", [ap](G &g) { return ap(g).BackGround.Left; },
                        [ap](G &g, int v) { ap(g).BackGround.Left = v; }));
    t.push_back(enumProp("BackGround.Display", kDisplays, [ap](G &g) { return int(ap(g).BackGround.Display); },
                         [ap](G &g, int v) { ap(g).BackGround.Display = TBackGroundDisplay(v); }));
    t.push_back(enumProp("BackGround.Cells", kCells, [ap](G &g) { return int(ap(g).BackGround.Cells); },
                         [ap](G &g, int v) { ap(g).BackGround.Cells = TBackGroundCells(v); }));
    t.push_back(colorProp("BackGround.Color", [ap](G &g) { return ap(g).BackGround.Color; },
                          [ap](G &g, platform::TColor c) { ap(g).BackGround.Color = c; }));
    t.push_back(colorProp("BackGround.ColorTo", [ap](G &g) { return ap(g).BackGround.ColorTo; },
                          [ap](G &g, platform::TColor c) { ap(g).BackGround.ColorTo = c; }));
    return t;
}

} // namespace

void TExStringGrid::SaveVisualProps(const QString &FileName)
{
    TVisualPropsFile file;
    for (const TVisualProp &p : visualProps())
        file.append(p.key, p.write(*this));
    if (!platform::writeFileAtomically(FileName, file.toBytes()))
        throw platform::Error(QStringLiteral("Cannot Create ") + FileName);
}

void TExStringGrid::LoadVisualProps(const QString &FileName)
{
    const platform::FileRead read = platform::readWholeFile(FileName);
    if (!read.ok())
        throw platform::Error(QStringLiteral("Cannot open file ") + FileName);
    const TVisualPropsFile file = TVisualPropsFile::fromBytes(read.bytes);
    std::vector<TApply> changes;
    for (const TVisualProp &p : visualProps())
        if (TApply change = p.read(*this, file.value(p.key)))
            changes.push_back(std::move(change));
    for (const TApply &change : changes)
        change(*this);
    InvalidateGrid();
}

} // namespace controls
