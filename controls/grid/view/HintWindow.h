#pragma once
// The grid's hint window: a frameless tool-tip window that shows a
// mini-HTML text, or a wide text on one line in the grid font's face,
// kept on the screen it opens on.
#include "platform/Color.h"
#include "platform/draw/Geometry.h"

#include <QString>
#include <QWidget>

namespace controls {

class THTMLHintWindow : public QWidget {
public:
    explicit THTMLHintWindow(QWidget *owner);

    // The text's size within MaxWidth, at (0, 0); no margins.
    platform::TRect CalcHintRect(int MaxWidth, const QString &AHint);
    // Sizes the window to the text plus its margins, moves it inside the
    // screen nearest to the rectangle's top left and shows it.
    void ActivateHint(platform::TRect Rect, const QString &AHint);
    void ReleaseHandle() { hide(); }

    QString Text() const { return m_text; }
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color) { m_color = color; }
    // The face of wide texts (the grid's font name).
    QString FontName;
    int TextWidth() const { return m_textWidth; }
    int TextHeight() const { return m_textHeight; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool wide() const;
    platform::TSize measure(const QString &text, int maxWidth);

    QString m_text;
    QString m_wideCaption;
    platform::TColor m_color = platform::clInfoBk;
    int m_textWidth = 0;
    int m_textHeight = 0;
};

} // namespace controls
