#include "controls/dropdown/ButtonPanel.h"

#include "controls/grid/base/ThemeBinding.h"
#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/DrawFlags.h"
#include "platform/draw/Edges.h"

#include <QMouseEvent>

namespace controls {

using namespace platform;

namespace {

constexpr int BP_PUSHBUTTON = 1;
enum ThemeState { stNormal = 1, stHot = 2, stPressed = 3, stDisabled = 4 };

TRect toRect(const QRect &r) { return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }

} // namespace

TCustomButtonPanel::TCustomButtonPanel(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ArrangeButtons();
}

QRect TCustomButtonPanel::GetButtonRect(int index) const
{
    if (index < 0 || index >= CalculatorKeyCount)
        return QRect(-1, -1, 0, 0);
    return rects()[size_t(index)];
}

const std::array<QRect, CalculatorKeyCount> &TCustomButtonPanel::rects() const
{
    if (m_arrangedFor != size()) {
        m_rects = arrangeCalculatorKeys(rect().adjusted(OffSetX, OffSetY, -OffSetX, -OffSetY));
        m_arrangedFor = size();
    }
    return m_rects;
}

int TCustomButtonPanel::ButtonTag(int index) const
{
    return index >= 0 && index < CalculatorKeyCount ? calculatorKeys()[size_t(index)].tag : -1;
}

void TCustomButtonPanel::ArrangeButtons()
{
    m_arrangedFor = QSize();
    rects();
    update();
}

void TCustomButtonPanel::setButtonAppearance(const TButtonAppearance &appearance)
{
    m_appearance = appearance;
    update();
}

void TCustomButtonPanel::resizeEvent(QResizeEvent *) { ArrangeButtons(); }

void TCustomButtonPanel::invalidateButton(int index)
{
    if (index >= 0 && index < CalculatorKeyCount)
        update(rects()[size_t(index)].adjusted(-8, -8, 8, 8));
}

void TCustomButtonPanel::setHot(int index)
{
    if (index == m_hot)
        return;
    invalidateButton(m_hot);
    m_hot = index;
    invalidateButton(m_hot);
}

void TCustomButtonPanel::setDown(int index)
{
    if (index == m_down)
        return;
    invalidateButton(m_down);
    m_down = index;
    invalidateButton(m_down);
}

void TCustomButtonPanel::mousePressEvent(QMouseEvent *event)
{
    guarded([&] {
        if (event->button() == Qt::LeftButton)
            setDown(ButtonAtPos(event->position().toPoint()));
    });
}

void TCustomButtonPanel::mouseMoveEvent(QMouseEvent *event)
{
    guarded([&] { setHot(ButtonAtPos(event->position().toPoint())); });
}

void TCustomButtonPanel::mouseReleaseEvent(QMouseEvent *event)
{
    guarded([&] {
        if (m_down < 0)
            return;
        const int clicked = clickedKey(m_down, ButtonAtPos(event->position().toPoint()));
        setDown(-1);
        if (clicked >= 0 && OnButtonClick)
            OnButtonClick(this, clicked);
    });
}

void TCustomButtonPanel::leaveEvent(QEvent *) { guarded([&] { setHot(-1); }); }

void TCustomButtonPanel::paintEvent(QPaintEvent *)
{
    guarded([&] {
        TCanvas canvas(this);
        canvas.FillColor(Rect(0, 0, width(), height()), clBtnFace);
        if (!m_inDropDown) {
            canvas.Brush().setStyle(TBrushStyle::bsClear);
            canvas.Pen().setStyle(TPenStyle::psSolid);
            canvas.Pen().setColor(clBlack);
            canvas.Rectangle(Rect(0, 0, width(), height()));
        }
        const auto drawKey = [&](int index) {
            const TRect r = toRect(rects()[size_t(index)]);
            const int state = !isEnabled() ? stDisabled : index == m_down ? stPressed : index == m_hot ? stHot
                                                                                                 : stNormal;
            if (TOpenTheme theme(ATXPVS(), this, QStringLiteral("button")); theme)
                theme.DrawBackground(canvas, BP_PUSHBUTTON, state, r);
            else
                DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (state == stPressed ? DFCS_PUSHED : 0));
            const TCalculatorKey &key = calculatorKeys()[size_t(index)];
            canvas.Font().Assign(m_appearance.Font);
            canvas.Font().setColor(key.special ? m_appearance.SpecialTextColor : m_appearance.TextColor);
            canvas.Brush().setStyle(TBrushStyle::bsClear);
            TRect inner = Rect(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4);
            canvas.DrawText(QString::fromUtf16(key.caption), inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        };
        // The hot key last, over its neighbours' shared border.
        for (int i = 0; i < CalculatorKeyCount; ++i)
            if (i != m_hot)
                drawKey(i);
        if (m_hot >= 0)
            drawKey(m_hot);
    });
}

} // namespace controls
