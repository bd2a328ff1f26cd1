// The hint window of cell and sizing hints. A wide text gets 8 pixels of
// horizontal margin, a mini-HTML text 16; both get 4 vertically.
#include "controls/grid/view/HintWindow.h"
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/DrawFlags.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>

namespace controls {

using platform::TCanvas;
using platform::TRect;

namespace {

constexpr int kMeasureWidth = 1008;
constexpr int kVerticalMargin = 4;

// Draws (or, with a null painter's canvas, measures) a mini-HTML hint in
// the renderer's hint colours.
THtmlDrawResult drawHtml(TCanvas &canvas, const QString &text, const TRect &r)
{
    THtmlDrawParams params;
    params.AnchorColor = platform::RGB(0, 0, 255);
    params.ShadowColor = platform::RGB(128, 128, 128);
    THtmlDrawResult result;
    DrawHtmlText(canvas, text, r, params, result);
    return result;
}

} // namespace

// The mouse passes through a hint, as it does through the cell below it: a
// hint over its own cell must not take the mouse from the grid and close.
THTMLHintWindow::THTMLHintWindow(QWidget *owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
}

bool THTMLHintWindow::wide() const { return GetCellTextKind(m_text, true) == ckWideText; }

platform::TSize THTMLHintWindow::measure(const QString &text, int maxWidth)
{
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&scratch);
    canvas.Font().Assign(platform::TFont());
    if (GetCellTextKind(text, true) == ckWideText) {
        if (!FontName.isEmpty())
            canvas.Font().setName(FontName);
        TRect r = platform::Rect(0, 0, maxWidth, 0);
        canvas.DrawText(DecodeWideCellText(text), r,
                        platform::DT_CALCRECT | platform::DT_SINGLELINE | platform::DT_NOPREFIX);
        return {r.Right - r.Left, r.Bottom - r.Top};
    }
    const THtmlDrawResult result = drawHtml(canvas, text, platform::Rect(0, 0, maxWidth, 4096));
    return {result.MaxLineWidth, result.TotalHeight};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString &AHint)
{
    const platform::TSize size = measure(AHint, MaxWidth);
    return platform::Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHint(TRect Rect, const QString &AHint)
{
    m_text = AHint;
    const bool isWide = wide();
    const int margin = isWide ? 8 : 16;
    m_wideCaption = isWide ? DecodeWideCellText(AHint) : QString();
    const platform::TSize size = measure(AHint, kMeasureWidth);
    m_textWidth = size.cx;
    m_textHeight = size.cy;
    Rect.Right = Rect.Left + m_textWidth + margin;
    Rect.Bottom = Rect.Top + m_textHeight + kVerticalMargin;
    // Kept 2 pixels inside the right and bottom edges of its screen.
    QScreen *screen = QGuiApplication::screenAt(QPoint(Rect.Left, Rect.Top));
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->geometry();
        const int right = area.x() + area.width();
        const int bottom = area.y() + area.height();
        if (Rect.Right > right) {
            Rect.Left = right - 2 - (Rect.Right - Rect.Left);
            Rect.Right = Rect.Left + margin + m_textWidth;
        }
        if (Rect.Bottom > bottom) {
            Rect.Bottom = bottom - 2;
            Rect.Top = Rect.Bottom - m_textHeight - kVerticalMargin;
        }
    }
    setGeometry(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    show();
    raise();
    update();
}

void THTMLHintWindow::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    const TRect client = platform::Rect(0, 0, width(), height());
    canvas.FillColor(client, m_color);
    canvas.Pen().setWidth(1);
    canvas.Pen().setColor(platform::cl3DLight);
    canvas.MoveTo(0, client.Bottom - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(client.Right - 1, 0);
    canvas.Pen().setColor(platform::cl3DDkShadow);
    canvas.MoveTo(0, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, client.Bottom - 1);
    canvas.LineTo(client.Right - 1, 0);
    TRect r = client;
    r.Left += 4;
    r.Right -= 4;
    r.Top = (client.Bottom - m_textHeight) / 2;
    r.Bottom = r.Top + m_textHeight + 8;
    if (!m_wideCaption.isEmpty()) {
        if (!FontName.isEmpty())
            canvas.Font().setName(FontName);
        canvas.SetBkMode(platform::TRANSPARENT);
        canvas.DrawText(m_wideCaption, r, platform::DT_SINGLELINE | platform::DT_NOPREFIX);
    } else {
        drawHtml(canvas, m_text, r);
    }
}

} // namespace controls
