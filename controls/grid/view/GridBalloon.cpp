// The balloon: settings, its window's life with the grid, and the text it
// asks for when it opens (the cell's plain text, a password cell's mask).
#include "controls/grid/view/GridBalloon.h"
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/HtmlText.h"
#include "controls/grid/view/GridHoverState.h"

#include "platform/ui/QtColor.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace controls {

namespace {

constexpr int kStem = 12;
constexpr int kPad = 8;
constexpr int kIcon = 16;

QColor qcolor(platform::TColor color, QColor fallback)
{
    return platform::isColorSet(color) ? platform::toQColor(color) : fallback;
}

// The icons, drawn: a blue disc with "i", a yellow triangle with "!", a
// red disc with a cross.
void drawIcon(QPainter &p, int icon, QRect box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    if (icon == 1 || icon == 3) {
        p.setPen(Qt::NoPen);
        p.setBrush(icon == 1 ? QColor(0x1E, 0x64, 0xC8) : QColor(0xD0, 0x20, 0x20));
        p.drawEllipse(box);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, icon == 1 ? QStringLiteral("i") : QStringLiteral("x"));
    } else if (icon == 2) {
        QPolygon triangle({QPoint(box.center().x(), box.top()), box.bottomRight(), box.bottomLeft()});
        p.setPen(QColor(0x80, 0x60, 0));
        p.setBrush(QColor(0xF0, 0xC0, 0x20));
        p.drawPolygon(triangle);
        p.setPen(Qt::black);
        p.drawText(box.adjusted(0, 3, 0, 0), Qt::AlignCenter, QStringLiteral("!"));
    }
    p.restore();
}

} // namespace

TGridBalloon::TGridBalloon(QWidget *owner) : TLayeredWindow(owner)
{
    // The mouse passes through, so that the balloon never takes it from the grid.
    setWindowFlag(Qt::WindowTransparentForInput);
}

void TGridBalloon::setTip(const QString &title, const QString &text, int icon)
{
    m_title = title;
    m_text = text;
    m_icon = icon >= 0 && icon <= 3 ? icon : 0;
}

QImage TGridBalloon::render() const
{
    QFont font;
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics fm(font);
    const QFontMetrics bm(bold);
    const QRect textBox = fm.boundingRect(QRect(0, 0, MaxTipWidth, 4096), Qt::TextWordWrap, m_text);
    const int iconWidth = m_icon != 0 ? kIcon + 4 : 0;
    const QString title = m_title.trimmed();
    const int titleHeight = title.isEmpty() && m_icon == 0 ? 0 : std::max(bm.height(), kIcon) + 4;
    const int width = std::max(textBox.width(), iconWidth + bm.horizontalAdvance(title)) + 2 * kPad;
    const int height = titleHeight + textBox.height() + 2 * kPad + kStem;
    QImage image(width + 1, height + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The stem hangs from the top left towards the mouse.
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, kStem + 0.5, width - 1, height - kStem - 1), 6, 6);
    QPainterPath stem;
    stem.moveTo(kPad + 0.5, kStem + 1);
    stem.lineTo(0.5, 0.5);
    stem.lineTo(kPad + 10.5, kStem + 1);
    path = path.united(stem);
    p.setPen(QColor(0x76, 0x76, 0x76));
    p.setBrush(qcolor(BackgroundColor, QColor(0xFF, 0xFF, 0xE1)));
    p.drawPath(path);
    p.setPen(qcolor(TextColor, Qt::black));
    int y = kStem + kPad;
    if (titleHeight > 0) {
        drawIcon(p, m_icon, QRect(kPad, y, kIcon, kIcon));
        p.setFont(bold);
        p.drawText(QRect(kPad + iconWidth, y, width, std::max(bm.height(), kIcon)), Qt::AlignVCenter, title);
        y += titleHeight;
    }
    p.setFont(font);
    p.drawText(QRect(kPad, y, textBox.width() + 1, textBox.height()), Qt::TextWordWrap, m_text);
    return image;
}

void TGridBalloon::ShowAt(QPoint point)
{
    const QImage tip = render();
    setLayeredImage(tip, Alpha);
    // Without a compositor the transparent corners would show black: the
    // window takes the tip's shape.
    setMask(QBitmap::fromImage(tip.createAlphaMask()));
    move(point);
    show();
    raise();
}

// --- the grid's part ---------------------------------------------------------------------------

TBalloonSettings &TExStringGrid::Balloon() const { return hover().Balloon; }
TGridBalloon *TExStringGrid::BalloonWindow() const { return hover().BalloonWnd; }
TGridCoord TExStringGrid::LastBalloonPos() const { return hover().LastBalloonPos; }

void TExStringGrid::BalloonInit()
{
    TGridHover &h = hover();
    if (h.Balloon.Init)
        return;
    h.Balloon.Init = true;
    auto *window = new TGridBalloon(this); // a window of the grid's, which owns it
    if (h.Balloon.InitialDelay != -1)
        window->InitialDelay = h.Balloon.InitialDelay;
    if (h.Balloon.ReshowDelay != -1)
        window->ReshowDelay = h.Balloon.ReshowDelay;
    if (h.Balloon.AutoHideDelay != -1)
        window->AutoHideDelay = h.Balloon.AutoHideDelay;
    window->Alpha = std::uint8_t(255 - h.Balloon.Transparency);
    h.BalloonWnd = window;
}

void TExStringGrid::BalloonDone()
{
    TGridHover &h = hover();
    // Switching the balloon off takes its window too, so that it cannot
    // show again.
    delete h.BalloonWnd.data();
    h.Balloon.Init = false;
    h.LastBalloonPos = {-1, -1};
}

void TExStringGrid::looksLoaded()
{
    if (hover().AutoThemeAdapt) {
        AdaptToOfficeTheme();
        followOfficeTheme(true);
    }
    if (hover().Balloon.Enable())
        BalloonInit();
}

void TExStringGrid::hideBalloon()
{
    if (TGridBalloon *window = hover().BalloonWnd)
        window->hide();
}

bool TExStringGrid::BalloonText(int ACol, int ARow, QString &ATitle, QString &AText, int &AIcon)
{
    TGridHover &h = hover();
    if (!h.Balloon.Enable() || ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return false;
    const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
    const int realCol = base.X;
    ARow = base.Y;
    QString text = Cells(realCol, ARow);
    switch (GetCellTextKind(text, Appearance().EnableHTML)) {
    case ckHtml:
        text = HtmlToPlainText(text);
        break;
    case ckRichText:
        text = DisplayCellText(realCol, ARow);
        break;
    case ckWideText:
        text = DecodeWideCellText(text);
        break;
    default:
        break;
    }
    text = hintSafeText(realCol, ARow, text);
    qsizetype skip = 0;
    while (skip < text.size() && (text[skip] == u'\r' || text[skip] == u'\n' || text[skip] == u'\t'))
        ++skip;
    text.remove(0, skip);
    text.replace(u'\t', u' ');
    if (text.size() > 2048)
        text = text.left(2045) + QStringLiteral("...");
    AIcon = 1;
    ATitle = QStringLiteral(" ");
    // A balloon of the cell's own says more than its text.
    QString ownTitle;
    QString ownText;
    TBalloonIcon ownIcon = biInfo;
    if (IsBalloon(realCol, ARow, ownTitle, ownText, ownIcon)) {
        ATitle = ownTitle;
        text = ownText;
        AIcon = ownIcon;
    }
    if (OnCellBalloon)
        OnCellBalloon(this, realCol, ARow, ATitle, text, AIcon);
    h.LastBalloonPos = {DisplColIndex(realCol), ARow};
    AText = text.left(4098);
    if (ATitle.size() > 100)
        ATitle = ATitle.left(97) + QStringLiteral("...");
    return true;
}

bool TExStringGrid::GridBalloonShow(QPoint Pos)
{
    TGridHover &h = hover();
    if (!h.Balloon.Enable())
        return false;
    BalloonInit();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(Pos.x(), Pos.y(), ACol, ARow);
    QString title;
    QString text;
    int icon = 0;
    if (!BalloonText(ACol, ARow, title, text, icon) || text.isEmpty()) {
        hideBalloon();
        return true;
    }
    TGridBalloon &window = *h.BalloonWnd;
    window.MaxTipWidth = 300;
    window.TextColor = h.Balloon.TextColor;
    window.BackgroundColor = h.Balloon.BackgroundColor;
    window.setTip(title, text, icon);
    window.ShowAt(mapToGlobal(Pos));
    return true;
}

} // namespace controls
