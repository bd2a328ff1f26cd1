#pragma once
// The settings of the find bar under the grid. Options that change its
// look fire OnChange: colours, texts, the font and ShowClose on every write,
// the other Show options and Visible only when they change.
#include "controls/grid/base/OptionEvent.h"
#include "platform/Color.h"

#include <QFont>
#include <QString>

namespace controls {

enum class TSearchDirection { sdTopBottom, sdLeftRight };

// The options the grid only reads while it searches.
struct TSearchFooterOptions {
    bool AlwaysHighLight = false;
    bool AutoSearch = true;
    bool SearchActiveColumnOnly = false;
    int SearchColumn = -1; // -1: every column
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = TSearchDirection::sdTopBottom;
};

class TSearchFooter : public TSearchFooterOptions {
public:
    // englishTexts fills the captions and hints, as a grid just placed on
    // a form gets them; otherwise they start empty.
    explicit TSearchFooter(bool englishTexts);

    platform::TColor Color() const { return m_look.color; }
    void setColor(platform::TColor value);
    platform::TColor ColorTo() const { return m_look.colorTo; }
    void setColorTo(platform::TColor value);
    const QFont &Font() const { return m_look.font; }
    void setFont(const QFont &value);

    const QString &FindNextCaption() const { return m_look.findNextCaption; }
    void setFindNextCaption(const QString &value);
    const QString &FindPrevCaption() const { return m_look.findPrevCaption; }
    void setFindPrevCaption(const QString &value);
    const QString &HighLightCaption() const { return m_look.highLightCaption; }
    void setHighLightCaption(const QString &value);
    const QString &MatchCaseCaption() const { return m_look.matchCaseCaption; }
    void setMatchCaseCaption(const QString &value);
    const QString &HintClose() const { return m_look.hintClose; }
    void setHintClose(const QString &value);
    const QString &HintFindNext() const { return m_look.hintFindNext; }
    void setHintFindNext(const QString &value);
    const QString &HintFindPrev() const { return m_look.hintFindPrev; }
    void setHintFindPrev(const QString &value);
    const QString &HintHighlight() const { return m_look.hintHighlight; }
    void setHintHighlight(const QString &value);

    bool ShowClose() const { return m_look.showClose; }
    void setShowClose(bool value);
    bool ShowFindNext() const { return m_look.showFindNext; }
    void setShowFindNext(bool value);
    bool ShowFindPrev() const { return m_look.showFindPrev; }
    void setShowFindPrev(bool value);
    bool ShowHighLight() const { return m_look.showHighLight; }
    void setShowHighLight(bool value);
    bool ShowMatchCase() const { return m_look.showMatchCase; }
    void setShowMatchCase(bool value);
    bool Visible() const { return m_look.visible; }
    void setVisible(bool value);
    bool AutoThemeAdapt() const { return m_look.autoThemeAdapt; }
    void setAutoThemeAdapt(bool value);

    // The last text searched for; the grid's state, not a setting.
    QString LastSearch;

    // Copies every setting (not LastSearch); fires nothing.
    void Assign(const TSearchFooter &source);

    TOptionEvent<TSearchFooter> OnChange;

private:
    template <class T>
    void store(T &field, const T &value, bool onlyWhenChanged);

    struct Look {
        platform::TColor color = platform::clWhite;
        platform::TColor colorTo = platform::clBtnFace;
        QFont font;
        QString findNextCaption, findPrevCaption, highLightCaption, matchCaseCaption;
        QString hintClose, hintFindNext, hintFindPrev, hintHighlight;
        bool showClose = true;
        bool showFindNext = true;
        bool showFindPrev = true;
        bool showHighLight = true;
        bool showMatchCase = true;
        bool visible = false;
        bool autoThemeAdapt = false;
    } m_look;
};

} // namespace controls
