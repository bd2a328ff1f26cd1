#include "controls/grid/model/core/PrintSettingsIni.h"

#include "controls/grid/base/LineBreaks.h"
#include "platform/IntText.h"

#include <QRegularExpression>

namespace controls {

namespace {

// Values a file may give a length in 0.1 mm (ten metres either way) or a
// font in points; beyond them layouts would overflow.
constexpr int kMaxPrintLength = 100000;
constexpr int kMaxFontPoints = 1000;

QString yesNo(bool value) { return value ? QStringLiteral("Y") : QStringLiteral("N"); }

class Writer {
public:
    Writer(platform::TMemIniFile &ini, const QString &section) : m_ini(ini), m_section(section) {}
    void text(const char *key, const QString &value) { m_ini.WriteString(m_section, QLatin1String(key), value); }
    void integer(const char *key, int value) { m_ini.WriteInteger(m_section, QLatin1String(key), value); }
    void flag(const char *key, bool value) { text(key, yesNo(value)); }
    void font(const char *prefix, const TPrintFontValues &f)
    {
        const QString p = QLatin1String(prefix);
        m_ini.WriteString(m_section, p + QStringLiteral("Name"), f.Name);
        m_ini.WriteInteger(m_section, p + QStringLiteral("Size"), f.Size);
        m_ini.WriteInteger(m_section, p + QStringLiteral("Style"), f.Style);
        m_ini.WriteInteger(m_section, p + QStringLiteral("Color"), std::int32_t(f.Color));
    }

private:
    platform::TMemIniFile &m_ini;
    const QString &m_section;
};

class Reader {
public:
    Reader(const platform::TMemIniFile &ini, const QString &section) : m_ini(ini), m_section(section) {}
    QString text(const QString &key, const QString &fallback) const { return m_ini.ReadString(m_section, key, fallback); }
    QString text(const char *key, const QString &fallback) const { return text(QLatin1String(key), fallback); }
    std::int32_t integer(const QString &key, std::int32_t fallback) const
    {
        return m_ini.ReadInteger(m_section, key, fallback);
    }
    // Only exactly "Y" is true.
    bool flag(const char *key, bool fallback) const { return text(key, yesNo(fallback)) == QStringLiteral("Y"); }
    // A length; out of range leaves the setting as it was.
    void length(const char *key, int fallback, int &setting) const
    {
        const std::int32_t v = integer(QLatin1String(key), fallback);
        if (v >= -kMaxPrintLength && v <= kMaxPrintLength)
            setting = v;
    }
    // An ordinal from 0 to last; another value leaves the setting as it was.
    template <class E>
    void ordinal(const char *key, int last, E &setting) const
    {
        const std::int32_t v = integer(QLatin1String(key), 0);
        if (v >= 0 && v <= last)
            setting = E(v);
    }
    TPrintPosition position(const char *key) const
    {
        const std::int32_t v = integer(QLatin1String(key), 0);
        return v >= ppTopLeft && v <= ppBottomCenter ? TPrintPosition(v) : ppNone;
    }
    void font(const char *prefix, TPrintFontValues &f) const
    {
        const QString p = QLatin1String(prefix);
        f.Name = text(p + QStringLiteral("Name"), QStringLiteral("Arial"));
        const std::int32_t size = integer(p + QStringLiteral("Size"), 10);
        if (size >= 1 && size <= kMaxFontPoints)
            f.Size = size;
        const std::int32_t style = integer(p + QStringLiteral("Style"), 0);
        f.Style |= style & (kPrintFontBold | kPrintFontItalic | kPrintFontUnderline | kPrintFontStrikeOut);
        f.Color = platform::TColor(integer(p + QStringLiteral("Color"), 0));
    }

private:
    const platform::TMemIniFile &m_ini;
    const QString &m_section;
};

QStringList titleLinesOf(const QString &escaped)
{
    QString text = EscapedNewlineToCR(escaped);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    // A text that ends with a break has no empty line after it.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void WritePrintSettingsIni(platform::TMemIniFile &ini, const QString &section, const TPrintLayoutSettings &s,
                           const TPrintIniFonts &fonts)
{
    Writer w(ini, section);
    w.integer("ColumnSpacing", s.ColumnSpacing);
    w.integer("RowSpacing", s.RowSpacing);
    w.integer("TitleSpacing", s.TitleSpacing);
    w.integer("FixedHeight", s.FixedHeight);
    w.integer("FixedWidth", s.FixedWidth);
    w.flag("Centered", s.Centered);
    w.flag("NoAutoSize", s.NoAutoSize);
    w.flag("UseFixedHeight", s.UseFixedHeight);
    w.flag("UseFixedWidth", s.UseFixedWidth);
    w.flag("RepeatFixedRows", s.RepeatFixedRows);
    w.flag("RepeatFixedCols", s.RepeatFixedCols);
    w.flag("UseDisplFont", s.UseDisplayFont);
    w.flag("UseDefOrientation", s.UseDefaultOrientation);
    w.integer("Borders", s.Borders);
    w.integer("BorderColor", std::int32_t(s.BorderColor));
    w.integer("BorderStyle", s.BorderStyle);
    w.integer("Date", s.Date);
    w.integer("PageNr", s.PageNr);
    w.integer("Title", s.Title);
    w.integer("Time", s.Time);
    w.text("DateFormat", s.DateFormat);
    w.text("TitleText", s.TitleText);
    w.integer("FooterSize", s.FooterSize);
    w.integer("HeaderSize", s.HeaderSize);
    w.integer("LeftSize", s.LeftSize);
    w.integer("RightSize", s.RightSize);
    w.integer("FitToPage", s.FitToPage);
    w.font("Font", fonts.Font);
    w.font("HeaderFont", fonts.HeaderFont);
    w.font("FooterFont", fonts.FooterFont);
    w.text("PageNumSep", s.PageNumSep);
    w.text("PageSuffix", s.PageSuffix);
    w.text("PagePrefix", s.PagePrefix);
    w.integer("Orientation", s.Orientation);
    w.text("TitleLines", CRToEscapedNewline(JoinLinesCrLf(s.TitleLines)));
    w.flag("PrintGraphics", s.PrintGraphics);
}

void ReadPrintSettingsIni(const platform::TMemIniFile &ini, const QString &section, TPrintLayoutSettings &s,
                          TPrintIniFonts &fonts)
{
    const Reader r(ini, section);
    r.length("ColumnSpacing", 20, s.ColumnSpacing);
    r.length("RowSpacing", 20, s.RowSpacing);
    r.length("TitleSpacing", 20, s.TitleSpacing);
    r.length("FixedHeight", 0, s.FixedHeight);
    r.length("FixedWidth", 0, s.FixedWidth);
    s.Centered = r.flag("Centered", true);
    s.NoAutoSize = r.flag("NoAutoSize", false);
    s.UseFixedHeight = r.flag("UseFixedHeight", false);
    s.UseFixedWidth = r.flag("UseFixedWidth", false);
    s.RepeatFixedRows = r.flag("RepeatFixedRows", false);
    s.RepeatFixedCols = r.flag("RepeatFixedCols", false);
    s.UseDisplayFont = r.flag("UseDisplFont", false);
    s.UseDefaultOrientation = r.flag("UseDefOrientation", false);
    s.DateFormat = r.text("DateFormat", QString());
    s.TitleText = r.text("TitleText", QString());
    r.length("FooterSize", 100, s.FooterSize);
    r.length("HeaderSize", 100, s.HeaderSize);
    r.length("LeftSize", 100, s.LeftSize);
    r.length("RightSize", 100, s.RightSize);
    s.PageNumSep = r.text("PageNumSep", QString());
    s.PageSuffix = r.text("PageSuffix", QString());
    s.PagePrefix = r.text("PagePrefix", QString());
    s.PrintGraphics = r.flag("PrintGraphics", false);
    r.ordinal("Borders", pbCustom, s.Borders);
    r.ordinal("BorderStyle", 6, s.BorderStyle);
    s.BorderColor = platform::TColor(r.integer(QStringLiteral("BorderColor"), 0));
    s.Date = r.position("Date");
    s.PageNr = r.position("PageNr");
    s.Title = r.position("Title");
    s.Time = r.position("Time");
    r.ordinal("FitToPage", fpCustom, s.FitToPage);
    r.font("Font", fonts.Font);
    r.font("HeaderFont", fonts.HeaderFont);
    r.font("FooterFont", fonts.FooterFont);
    s.TitleLines = titleLinesOf(r.text("TitleLines", QString()));
    r.ordinal("Orientation", poLandscape, s.Orientation);
}

} // namespace controls
