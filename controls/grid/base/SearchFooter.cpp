#include "controls/grid/base/SearchFooter.h"

namespace controls {

TSearchFooter::TSearchFooter(bool englishTexts)
{
    if (!englishTexts)
        return;
    m_look.findNextCaption = QStringLiteral("Find &next");
    m_look.findPrevCaption = QStringLiteral("Find &previous");
    m_look.highLightCaption = QStringLiteral("Highlight");
    m_look.matchCaseCaption = QStringLiteral("Match case");
    m_look.hintClose = QStringLiteral("Close");
    m_look.hintFindNext = QStringLiteral("Find next occurrence");
    m_look.hintFindPrev = QStringLiteral("Find previous occurrence");
    m_look.hintHighlight = QStringLiteral("Highlight occurrences");
}

template <class T>
void TSearchFooter::store(T &field, const T &value, bool onlyWhenChanged)
{
    if (storeChanged(field, value) || !onlyWhenChanged)
        fire(OnChange, this);
}

void TSearchFooter::setColor(platform::TColor value) { store(m_look.color, value, false); }
void TSearchFooter::setColorTo(platform::TColor value) { store(m_look.colorTo, value, false); }
void TSearchFooter::setFont(const QFont &value) { store(m_look.font, value, false); }
void TSearchFooter::setFindNextCaption(const QString &value) { store(m_look.findNextCaption, value, false); }
void TSearchFooter::setFindPrevCaption(const QString &value) { store(m_look.findPrevCaption, value, false); }
void TSearchFooter::setHighLightCaption(const QString &value) { store(m_look.highLightCaption, value, false); }
void TSearchFooter::setMatchCaseCaption(const QString &value) { store(m_look.matchCaseCaption, value, false); }
void TSearchFooter::setHintClose(const QString &value) { store(m_look.hintClose, value, false); }
void TSearchFooter::setHintFindNext(const QString &value) { store(m_look.hintFindNext, value, false); }
void TSearchFooter::setHintFindPrev(const QString &value) { store(m_look.hintFindPrev, value, false); }
void TSearchFooter::setHintHighlight(const QString &value) { store(m_look.hintHighlight, value, false); }
void TSearchFooter::setShowClose(bool value) { store(m_look.showClose, value, false); }
void TSearchFooter::setShowFindNext(bool value) { store(m_look.showFindNext, value, true); }
void TSearchFooter::setShowFindPrev(bool value) { store(m_look.showFindPrev, value, true); }
void TSearchFooter::setShowHighLight(bool value) { store(m_look.showHighLight, value, true); }
void TSearchFooter::setShowMatchCase(bool value) { store(m_look.showMatchCase, value, true); }
void TSearchFooter::setVisible(bool value) { store(m_look.visible, value, true); }
void TSearchFooter::setAutoThemeAdapt(bool value) { store(m_look.autoThemeAdapt, value, false); }

void TSearchFooter::Assign(const TSearchFooter &source)
{
    static_cast<TSearchFooterOptions &>(*this) = source;
    m_look = source.m_look;
}

} // namespace controls
