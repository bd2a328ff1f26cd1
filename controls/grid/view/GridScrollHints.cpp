// The scroll hint: while a thumb is dragged a small window beside the
// pointer names the row or column the thumb points at.
#include "controls/grid/view/GridScrollState.h"

#include "platform/ui/QtColor.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace controls {

// A frameless tool-tip window of the grid, gone with it.
class TScrollHintWindow : public QWidget {
public:
    explicit TScrollHintWindow(QWidget *grid) : QWidget(grid, Qt::ToolTip | Qt::FramelessWindowHint)
    {
        setObjectName(QStringLiteral("scrollHint"));
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

    QString Text() const { return m_text; }

    // The text's size within MaxWidth pixels, with the frame and margins.
    QRect CalcHintRect(int MaxWidth, const QString &text) const
    {
        const QRect r = fontMetrics().boundingRect(QRect(0, 0, MaxWidth, 10000), Qt::TextWordWrap, text);
        return {0, 0, r.width() + 2 * kMargin, r.height() + 2 * kMargin};
    }

    void ActivateHint(QRect rect, const QString &text, platform::TColor color)
    {
        m_text = text;
        m_color = color;
        // Kept on the screen the pointer is on.
        if (const QScreen *screen = QGuiApplication::screenAt(rect.topLeft())) {
            const QRect area = screen->availableGeometry();
            rect.moveRight(std::min(rect.right(), area.right()));
            rect.moveBottom(std::min(rect.bottom(), area.bottom()));
            rect.moveLeft(std::max(rect.left(), area.left()));
            rect.moveTop(std::max(rect.top(), area.top()));
        }
        setGeometry(rect);
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), platform::toQColor(m_color));
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::TextWordWrap, m_text);
    }

private:
    static constexpr int kMargin = 3;
    QString m_text;
    platform::TColor m_color = platform::clInfoBk;
};

void TExStringGrid::showScrollHint(const QString &text)
{
    TGridScrolling &s = scrolling();
    if (!s.HintWnd)
        s.HintWnd = new TScrollHintWindow(this);
    QRect r = s.HintWnd->CalcHintRect(100, text);
    r.translate(QCursor::pos() + QPoint(10, 0));
    s.HintWnd->ActivateHint(r, text, HintColor);
    s.ScrollHintShow = true;
}

void TExStringGrid::hideScrollHint()
{
    TGridScrolling &s = scrolling();
    if (s.HintWnd)
        s.HintWnd->hide();
    s.ScrollHintShow = false;
}

bool TExStringGrid::ScrollHintShowing() const { return scrolling().ScrollHintShow; }

QString TExStringGrid::ScrollHintText() const
{
    const TGridScrolling &s = scrolling();
    return s.HintWnd && s.ScrollHintShow ? s.HintWnd->Text() : QString();
}

} // namespace controls
