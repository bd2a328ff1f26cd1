// The search panel's widgets, their places and its gradient. The glyphs
// are drawn here: a white arrow in a blue disc, a white cross on a red
// square, a small grid crossed by a yellow marker stroke.
#include "controls/grid/view/SearchPanel.h"

#include "controls/dropdown/paint/Gradient.h"
#include "controls/grid/model/ExGrid.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Canvas.h"
#include "platform/ui/QtColor.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace controls {

using namespace platform;

QChar AcceleratorOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return {};
}

namespace {

QString withoutAccelerator(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    // A button's own "&" would make Qt a second accelerator of its own.
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&&"));
    return caption;
}

enum class Glyph { ArrowDown, ArrowUp, Close, Highlight };

QPixmap drawGlyph(Glyph kind, bool enabled)
{
    const int size = kind == Glyph::Close ? 14 : 16;
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gray(160, 160, 160);
    switch (kind) {
    case Glyph::ArrowDown:
    case Glyph::ArrowUp: {
        p.setPen(Qt::NoPen);
        p.setBrush(enabled ? QColor(40, 100, 200) : gray);
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        QPainterPath arrow;
        if (kind == Glyph::ArrowDown) {
            arrow.moveTo(4, 6);
            arrow.lineTo(12, 6);
            arrow.lineTo(8, 11);
        } else {
            arrow.moveTo(4, 10);
            arrow.lineTo(12, 10);
            arrow.lineTo(8, 5);
        }
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        break;
    }
    case Glyph::Close:
        p.setPen(Qt::NoPen);
        p.setBrush(enabled ? QColor(200, 40, 40) : gray);
        p.drawRoundedRect(QRectF(0, 0, 14, 14), 2, 2);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(4, 4), QPointF(10, 10));
        p.drawLine(QPointF(10, 4), QPointF(4, 10));
        break;
    case Glyph::Highlight:
        p.setPen(QPen(enabled ? QColor(90, 90, 90) : gray, 1));
        for (int i = 2; i <= 14; i += 4) {
            p.drawLine(QPointF(1, i), QPointF(15, i));
            p.drawLine(QPointF(i, 1), QPointF(i, 15));
        }
        p.setPen(QPen(enabled ? QColor(250, 220, 40, 220) : gray, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 12), QPointF(13, 4));
        break;
    }
    return pm;
}

QIcon glyphIcon(Glyph kind)
{
    QIcon icon;
    icon.addPixmap(drawGlyph(kind, true), QIcon::Normal);
    icon.addPixmap(drawGlyph(kind, false), QIcon::Disabled);
    return icon;
}

QPushButton *makeButton(QWidget *parent, const char *name, Glyph glyph)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(glyphIcon(glyph));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

TRetEdit::TRetEdit(QWidget *parent) : QLineEdit(parent) {}

void TRetEdit::keyPressEvent(QKeyEvent *event)
{
    bool taken = false;
    guarded([&] {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            const TNotifyEvent &handler =
                event->modifiers().testFlag(Qt::ControlModifier) ? OnCtrlReturn : OnReturn;
            if (handler)
                handler(this);
            taken = true;
        } else if (event->modifiers().testFlag(Qt::AltModifier) && !event->text().isEmpty() && OnDialogChar) {
            taken = OnDialogChar(event->text().front());
        }
    });
    if (taken)
        event->accept();
    else
        QLineEdit::keyPressEvent(event);
}

TSearchPanel::TSearchPanel(TExStringGrid *grid) : QWidget(grid), FGrid(grid)
{
    setObjectName(QStringLiteral("SearchPanel"));
    FEdit = new TRetEdit(this);
    FEdit->setObjectName(QStringLiteral("SearchEdit"));
    FEdit->setAutoFillBackground(true);
    FExitButton = makeButton(this, "SearchClose", Glyph::Close);
    FExitButton->setFlat(true);
    FExitButton->setIconSize(QSize(14, 14));
    FForwardButton = makeButton(this, "SearchForward", Glyph::ArrowDown);
    FBackwardButton = makeButton(this, "SearchBackward", Glyph::ArrowUp);
    FHiliteButton = makeButton(this, "SearchHighlight", Glyph::Highlight);
    FHiliteButton->setCheckable(true);
    FMatchCase = new QCheckBox(this);
    FMatchCase->setObjectName(QStringLiteral("SearchMatchCase"));
    for (QPushButton *b : {FForwardButton, FBackwardButton, FHiliteButton})
        b->setEnabled(false);

    const auto fireEvent = [this](const TNotifyEvent &event) {
        guarded([&] {
            if (event)
                event(this);
        });
    };
    connect(FEdit, &QLineEdit::textChanged, this, [this] { guarded([&] { editChanged(); }); });
    FEdit->OnReturn = [this, fireEvent](QObject *) { fireEvent(OnForwardClick); };
    FEdit->OnCtrlReturn = [this, fireEvent](QObject *) { fireEvent(OnBackwardClick); };
    FEdit->OnDialogChar = [this](QChar c) { return FGrid->GridDialogChar(c); };
    connect(FForwardButton, &QPushButton::clicked, this, [this, fireEvent] { fireEvent(OnForwardClick); });
    connect(FBackwardButton, &QPushButton::clicked, this, [this, fireEvent] { fireEvent(OnBackwardClick); });
    connect(FHiliteButton, &QPushButton::clicked, this, [this, fireEvent] { fireEvent(OnHighlightClick); });
    connect(FExitButton, &QPushButton::clicked, this, [this, fireEvent] { fireEvent(OnExitClick); });
    layoutControls();
}

void TSearchPanel::editChanged()
{
    const bool hasText = !FEdit->text().isEmpty();
    for (QPushButton *b : {FForwardButton, FBackwardButton, FHiliteButton})
        b->setEnabled(hasText);
    if (OnEditChange)
        OnEditChange(this);
}

void TSearchPanel::setColor(TColor value)
{
    m_color = value;
    update();
}

void TSearchPanel::setColorTo(TColor value)
{
    FColorTo = value;
    update();
}

void TSearchPanel::setCaptions(const QString &findNext, const QString &findPrev, const QString &matchCase,
                               const QString &highlight)
{
    FFindNextCaption = findNext;
    FFindPrevCaption = findPrev;
    FMatchCaseCaption = matchCase;
    FHighLightCaption = highlight;
    FForwardButton->setText(withoutAccelerator(findNext));
    FBackwardButton->setText(withoutAccelerator(findPrev));
    FHiliteButton->setText(withoutAccelerator(highlight));
    FMatchCase->setText(withoutAccelerator(matchCase));
}

void TSearchPanel::setHints(const QString &findNext, const QString &findPrev, const QString &close,
                            const QString &highlight)
{
    FForwardButton->setToolTip(findNext);
    FBackwardButton->setToolTip(findPrev);
    FExitButton->setToolTip(close);
    FHiliteButton->setToolTip(highlight);
}

void TSearchPanel::setNotFound(bool value)
{
    m_notFound = value;
    QPalette pal = FEdit->palette();
    pal.setColor(QPalette::Base, value ? toQColor(clRed) : palette().color(QPalette::Base));
    FEdit->setPalette(pal);
    FEdit->update();
}

namespace {

// The captions were measured for narrower fonts than ours: a caption that
// does not fit its button is set condensed, then smaller, rather than cut.
void fitCaption(QPushButton *button, const QFont &panelFont, int width)
{
    QFont f = panelFont;
    button->setFont(f);
    if (button->sizeHint().width() <= width)
        return;
    f.setStretch(QFont::Condensed);
    button->setFont(f);
    for (int step = 0; step < 3 && button->sizeHint().width() > width; ++step) {
        if (f.pixelSize() > 0)
            f.setPixelSize(f.pixelSize() - 1);
        else
            f.setPointSizeF(f.pointSizeF() - 0.5);
        button->setFont(f);
    }
}

} // namespace

void TSearchPanel::layoutControls()
{
    for (QPushButton *b : {FForwardButton, FBackwardButton, FHiliteButton})
        fitCaption(b, font(), 90);
    const bool rtl = FGrid->RightToLeft();
    const auto place = [&](QWidget *w, int left, int top, int width, int height) {
        const int x = rtl ? this->width() - width - left : left;
        w->setGeometry(x, top, width, height);
    };
    place(FEdit, 25, 6, 110, 21);
    place(FForwardButton, 140, 5, 90, FForwardButton->isHidden() ? 0 : 23);
    place(FBackwardButton, 235, 5, 90, FBackwardButton->isHidden() ? 0 : 23);
    place(FExitButton, 5, 7, 14, 14);
    place(FHiliteButton, 330, 5, 90, FHiliteButton->isHidden() ? 0 : 23);
    const int boxLeft = FHiliteButton->isHidden() ? 330 : 425;
    const int boxWidth = std::max(FMatchCase->sizeHint().width(), 20);
    place(FMatchCase, boxLeft, 8, boxWidth, FMatchCase->isHidden() ? 0 : 18);
}

void TSearchPanel::resizeEvent(QResizeEvent *) { layoutControls(); }

void TSearchPanel::paintEvent(QPaintEvent *)
{
    guarded([&] {
        TCanvas canvas(this);
        const TRect r{0, 0, width(), height()};
        if (FColorTo == clNone)
            canvas.FillColor(r, m_color);
        else
            DrawGradient(canvas, m_color, FColorTo, 32, r, false);
        canvas.Pen().setColor(FGrid->GridLineColor());
        canvas.MoveTo(0, 0);
        canvas.LineTo(width(), 0);
    });
}

} // namespace controls
