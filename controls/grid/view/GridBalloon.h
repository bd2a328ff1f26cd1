#pragma once
// The balloon over the grid's cells: a rounded box with a stem pointing
// at the mouse, an icon, a bold title and the text, painted by us and
// shown as a layered window at the opacity the settings ask.
#include "controls/grid/base/paint/LayeredWindow.h"

#include <QString>

#include <optional>

namespace controls {

class TGridBalloon : public TLayeredWindow {
public:
    explicit TGridBalloon(QWidget *owner);

    // 0 none, 1 information, 2 warning, 3 error; any other value is none.
    void setTip(const QString &title, const QString &text, int icon);
    int Icon() const { return m_icon; }
    QString Title() const { return m_title; }
    QString Text() const { return m_text; }
    int MaxTipWidth = 300;
    platform::TColor TextColor = platform::clNone;       // none: the system's
    platform::TColor BackgroundColor = platform::clNone; // none: the system's
    std::uint8_t Alpha = 255;
    // The delays the settings set; none keeps the system's.
    std::optional<int> InitialDelay;
    std::optional<int> ReshowDelay;
    std::optional<int> AutoHideDelay;
    // Paints the tip with its stem's point at the screen point and shows it.
    void ShowAt(QPoint point);
    // The tip as it shows, for tests.
    QImage render() const;

private:
    QString m_title;
    QString m_text;
    int m_icon = 0;
};

} // namespace controls
