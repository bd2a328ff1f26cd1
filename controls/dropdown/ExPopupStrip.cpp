#include "controls/dropdown/ExPopupStrip.h"

#include "controls/dropdown/DropDownEdit.h"
#include "controls/dropdown/ExButton.h"
#include "controls/dropdown/paint/StripPainting.h"
#include "platform/HandlerGuard.h"

#include <QMouseEvent>

namespace controls {

using namespace platform;

TExPopupStrip::TExPopupStrip(QWidget *parent, bool footer) : QWidget(parent), m_footer(footer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TExPopupStrip::~TExPopupStrip() = default;

void TExPopupStrip::SetExDropDown(TExCustomDropDown *dropDown)
{
    m_dropDown = dropDown;
    m_images = dropDown ? dropDown->Images() : nullptr;
    if (dropDown)
        copyAppearance();
    appearanceChanged();
}

void TExPopupStrip::appearanceChanged()
{
    const TStripAppearance &appearance = Appearance();
    setVisible(appearance.Visible());
    setFixedHeight(std::max(0, appearance.Height));
    update();
}

void TExPopupStrip::RecreateButtons()
{
    if (m_dropDown)
        CreateButtons();
}

TRect TExPopupStrip::buttonArea() const
{
    return StripButtonArea(Rect(0, 0, width(), height()), m_footer, gripShown());
}

void TExPopupStrip::CreateButtons()
{
    if (!m_dropDown)
        return;
    ClearButtons();
    const TRect area = buttonArea();
    const int areaHeight = area.Height();
    for (int i = 0; i < itemCount(); ++i) {
        const THeaderButton *source = item(i);
        auto *button = new TExButton(this);
        button->setAppearance(&m_dropDown->ButtonAppearance());
        button->setCaption(source->Caption());
        button->setImages(m_images);
        button->setImageIndex(source->ImageIndex());
        button->setEnabled(source->Enabled());
        if (const auto *footerItem = dynamic_cast<const TFooterButton *>(source)) {
            button->setExDropDown(m_dropDown);
            button->setModalResult(footerItem->ModalResult());
        }
        button->AutoSizeToContent();
        if (source->Width() > 0)
            button->resize(source->Width(), button->height());
        if (source->Height() > 0)
            button->resize(button->width(), source->Height());
        if (button->height() > areaHeight)
            button->resize(button->width(), std::max(0, areaHeight));
        button->setTag(i);
        button->OnClick = [this](QObject *sender) {
            if (auto *clicked = qobject_cast<TExButton *>(sender))
                buttonClicked(clicked->Tag());
        };
        button->show();
        m_buttonList.Add(button);
    }
    ArrangeButtons();
}

void TExPopupStrip::ClearButtons()
{
    for (int i = m_buttonList.Count() - 1; i >= 0; --i) {
        TExButton *button = m_buttonList.GetItemsEx(i);
        // A button whose click is running goes once it has returned.
        button->hide();
        button->deleteLater();
    }
    m_buttonList.Clear();
}

void TExPopupStrip::UpdateButtons()
{
    if (!m_dropDown)
        return;
    for (int i = 0; i < m_buttonList.Count(); ++i) {
        TExButton *button = m_buttonList.GetItemsEx(i);
        button->setAppearance(&m_dropDown->ButtonAppearance());
        button->setImages(m_images);
        if (const THeaderButton *source = item(i)) {
            button->setCaption(source->Caption());
            button->setImageIndex(source->ImageIndex());
            button->setEnabled(source->Enabled());
        }
        button->AutoSizeToContent();
    }
    ArrangeButtons();
}

void TExPopupStrip::ArrangeButtons()
{
    if (m_buttonList.Count() == 0)
        return;
    const TRect area = buttonArea();
    std::vector<int> widths;
    for (TExButton *button : m_buttonList)
        widths.push_back(button->width());
    const std::vector<int> lefts = ArrangeStripButtons(area, widths, Appearance().ButtonAlignment);
    for (int i = 0; i < m_buttonList.Count(); ++i) {
        TExButton *button = m_buttonList.GetItemsEx(i);
        button->move(lefts[i], std::max(area.Top, (area.Bottom - button->height()) / 2));
    }
}

void TExPopupStrip::paintStrip(TCanvas &canvas)
{
    const TStripAppearance &appearance = Appearance();
    const TRect r = Rect(0, 0, width(), height());
    const bool ownEdges = !m_dropDown || m_dropDown->DropDownBorderWidth() <= 0
                          || m_dropDown->DropDownBorderColor() == clNone;
    DrawStripBackground(canvas, r, appearance, m_footer, ownEdges);
    QString caption = appearance.Caption;
    if (OnGetText)
        OnGetText(this, caption);
    if (caption.isEmpty() && appearance.ImageIndex < 0)
        return;
    int textRight = r.Right;
    if (m_buttonList.Count() > 0)
        textRight = m_buttonList.GetItemsEx(m_buttonList.Count() - 1)->x() - 2;
    DrawStripCaption(canvas, r, appearance, caption, textRight, m_images, this);
}

void TExPopupStrip::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    platform::guarded([&] {
        if (OnDrawBackGround) {
            OnDrawBackGround(this, canvas, Rect(0, 0, width(), height()));
            return;
        }
        paintStrip(canvas);
    });
}

void TExPopupStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ArrangeButtons();
}

// ---- header ----

TExHeader::TExHeader(QWidget *parent) : TExPopupStrip(parent, false)
{
    m_appearance.OnChange = [this] { appearanceChanged(); };
}

void TExHeader::setAppearance(const THeaderAppearance &appearance)
{
    m_appearance.Assign(appearance);
    appearanceChanged();
}

int TExHeader::itemCount() const
{
    return m_dropDown ? m_dropDown->DropDownHeader().Buttons().Count() : 0;
}

const THeaderButton *TExHeader::item(int index) const
{
    return m_dropDown ? m_dropDown->DropDownHeader().Buttons().Items(index) : nullptr;
}

void TExHeader::copyAppearance()
{
    m_appearance.Assign(m_dropDown->DropDownHeader());
}

void TExHeader::buttonClicked(int index)
{
    if (m_dropDown && m_dropDown->OnDropDownHeaderButtonClick)
        m_dropDown->OnDropDownHeaderButtonClick(m_dropDown, index);
}

// ---- footer ----

TExFooter::TExFooter(QWidget *parent) : TExPopupStrip(parent, true)
{
    m_appearance.OnChange = [this] { appearanceChanged(); };
    setMouseTracking(true);
}

void TExFooter::setAppearance(const TFooterAppearance &appearance)
{
    m_appearance.Assign(appearance);
    appearanceChanged();
}

int TExFooter::itemCount() const
{
    return m_dropDown ? m_dropDown->DropDownFooter().Buttons().Count() : 0;
}

const THeaderButton *TExFooter::item(int index) const
{
    return m_dropDown ? m_dropDown->DropDownFooter().Buttons().Items(index) : nullptr;
}

void TExFooter::copyAppearance()
{
    m_appearance.Assign(m_dropDown->DropDownFooter());
}

void TExFooter::buttonClicked(int index)
{
    if (m_dropDown && m_dropDown->OnDropDownFooterButtonClick)
        m_dropDown->OnDropDownFooterButtonClick(m_dropDown, index);
}

bool TExFooter::gripShown() const
{
    return m_appearance.SizeGrip && m_dropDown && m_dropDown->DropDownSizeable();
}

void TExFooter::paintStrip(TCanvas &canvas)
{
    TExPopupStrip::paintStrip(canvas);
    if (!gripShown())
        return;
    const int border = m_appearance.BorderWidth;
    DrawSizeGrip(canvas, Rect(width() - border - 16, 1, width() - border - 1, height()), m_appearance.BorderColor);
}

bool TExFooter::inGripZone(QPoint at) const
{
    return gripShown() && at.x() > width() - 12 && at.y() > height() - 15;
}

void TExFooter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && inGripZone(event->position().toPoint())) {
        m_sizing = true;
        m_sizingFrom = event->globalPosition().toPoint();
        m_sizingSize = window()->size();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TExFooter::mouseMoveEvent(QMouseEvent *event)
{
    if (m_sizing) {
        // The grip drags the popup's bottom-right corner; the popup keeps
        // its smallest size.
        const QPoint moved = event->globalPosition().toPoint() - m_sizingFrom;
        window()->resize((m_sizingSize + QSize(moved.x(), moved.y())).expandedTo(window()->minimumSize()));
        return;
    }
    if (inGripZone(event->position().toPoint()))
        setCursor(Qt::SizeFDiagCursor);
    else
        unsetCursor();
}

void TExFooter::mouseReleaseEvent(QMouseEvent *event)
{
    m_sizing = false;
    unsetCursor();
    QWidget::mouseReleaseEvent(event);
}

void TExFooter::leaveEvent(QEvent *event)
{
    if (!m_sizing)
        unsetCursor();
    QWidget::leaveEvent(event);
}

} // namespace controls
