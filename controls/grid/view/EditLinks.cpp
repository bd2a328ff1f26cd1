#include "controls/grid/view/EditLinks.h"

#include "controls/grid/view/EditExtrasState.h"
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/SpecialEditor.h"
#include "platform/HandlerGuard.h"
#include "platform/Input.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>

namespace controls {

using namespace platform;

namespace {

bool endsEdit(std::uint16_t key, TShiftState shift)
{
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return shift.testFlag(ssAlt);
    }
}

} // namespace

// Stands in front of the link's control: its keys go through the link
// first, and an in-place control keeps Tab for the grid's walk.
class TEditLink::TLinkControlHook : public QObject {
public:
    TLinkControlHook(TEditLink &link, QWidget *control) : QObject(control), m_link(link) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        std::uint16_t vk = virtualKey(key->key());
        const TShiftState shift = shiftState(key->modifiers());
        if (event->type() == QEvent::ShortcutOverride)
            return false;
        if (vk == 0)
            return false;
        guarded([&] { m_link.EditKeyDown(watched, vk, shift); });
        return vk == 0;
    }

private:
    TEditLink &m_link;
};

TEditLink::TEditLink(QObject *AOwner) : QObject(AOwner) {}

TEditLink::~TEditLink()
{
    delete FHook.data();
    FPopupForm.reset();
}

QWidget *TEditLink::GetParent() { return EditStyle == esPopup ? ensurePopupForm() : FOwner.data(); }

QWidget *TEditLink::ensurePopupForm()
{
    if (!FPopupForm) {
        FPopupForm = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        FPopupForm->setObjectName(QStringLiteral("gridform"));
        // Leaving the popup ends the edit, as its deactivation does.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            QWidget *form = FPopupForm.get();
            if (form == nullptr || !form->isVisible() || old == nullptr)
                return;
            const bool wasInside = form->isAncestorOf(old) || old == form;
            const bool isInside = now != nullptr && (form->isAncestorOf(now) || now == form);
            if (wasInside && !isInside)
                guarded([&] { FormExit(form); });
        });
    }
    return FPopupForm.get();
}

QString TEditLink::GetCellValue()
{
    return FOwner ? FOwner->Cells(FOwner->RealCol(), FOwner->Row()) : QString();
}

void TEditLink::SetCellValue(const QString &S)
{
    if (FOwner)
        FOwner->StoreEditText(FOwner->RealCol(), FOwner->Row(), S);
}

void TEditLink::SetFocus(bool Value)
{
    QWidget *c = GetEditControl();
    if (c == nullptr || !FOwner)
        return;
    if (Value) {
        if (!c->isVisible())
            c->show();
        if (!c->isEnabled())
            c->setEnabled(true);
    }
    watchControl(c);
    if (EditStyle == esInplace)
        FSubClassed = true;
    if (Value)
        c->setFocus();
    else
        FOwner->setFocus();
}

void TEditLink::watchControl(QWidget *control)
{
    if (FHooked == control && FHook)
        return;
    delete FHook.data();
    auto *hook = new TLinkControlHook(*this, control);
    control->installEventFilter(hook);
    FHook = hook;
    FHooked = control;
    // A combo of the link tells its selection as the grid's own combo does.
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        const auto tell = [this, combo] {
            guarded([&] {
                if (FOwner && FOwner->OnComboChange && combo->isVisible())
                    FOwner->OnComboChange(FOwner, FOwner->RealCol(), FOwner->Row(), combo->currentIndex(),
                                          combo->currentText());
            });
        };
        connect(combo, &QComboBox::currentIndexChanged, hook, tell);
        connect(combo, &QComboBox::editTextChanged, hook, tell);
    }
}

void TEditLink::RestoreWinProc()
{
    QWidget *c = GetEditControl();
    if (EditStyle != esInplace || c == nullptr)
        return;
    delete FHook.data();
    FHooked = nullptr;
    FSubClassed = false;
    c->hide();
}

void TEditLink::SetRect(TRect R)
{
    QWidget *c = GetEditControl();
    if (c == nullptr)
        return;
    const int line = FOwner ? FOwner->GridLineWidth() : 1;
    c->setGeometry(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (QWidget *c = GetEditControl())
        c->setVisible(Value);
}

void TEditLink::HideEditor()
{
    if (!FOwner)
        return;
    SetCellValue(GetEditorValue());
    FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(QObject *)
{
    // Freeing the focused control moves the focus: that is no second exit.
    if (FExiting)
        return;
    // A popup already closed has nothing left to store: its control is gone.
    if (EditStyle == esPopup && (!FPopupForm || !FPopupForm->isVisible()))
        return;
    FExiting = true;
    HideEditor();
    if (EditStyle == esPopup && FPopupForm) {
        FPopupForm->hide();
        DestroyEditor();
    }
    FExiting = false;
}

void TEditLink::FormExit(QObject *Sender)
{
    if (!FOwner || FExiting)
        return;
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    // The grid's focus gain skips this change; cleared once it settled.
    FOwner->InvokedFocusChange = true;
    QPointer<TExStringGrid> grid = FOwner;
    QTimer::singleShot(0, FOwner, [grid] {
        if (grid)
            grid->InvokedFocusChange = false;
    });
}

void TEditLink::EditKeyDown(QObject *Sender, std::uint16_t &Key, TShiftState Shift)
{
    TExStringGrid *g = FOwner;
    if (g == nullptr || !endsEdit(Key, Shift))
        return;
    const bool stays = (WantKeyUpDown && (Key == VK_UP || Key == VK_DOWN)) ||
                       (WantKeyLeftRight && (Key == VK_LEFT || Key == VK_RIGHT)) ||
                       (WantKeyHomeEnd && (Key == VK_END || Key == VK_HOME)) ||
                       (WantKeyPriorNext && (Key == VK_PRIOR || Key == VK_NEXT)) ||
                       (WantKeyReturn && Key == VK_RETURN) || (WantKeyEscape && Key == VK_ESCAPE) ||
                       (WantTabs && Key == VK_TAB);
    if (stays)
        return;
    const auto giveGridFocus = [&] {
        FForcedExit = true;
        if (EditStyle == esPopup)
            g->activateWindow();
        g->setFocus();
        FForcedExit = false;
    };
    auto &st = g->editState();
    if (Key == VK_TAB) {
        Key = 0;
        if (g->Navigation().TabToNextAtEnd) {
            giveGridFocus();
            g->CommitEditorControl(g->Col(), g->Row());
            if (g->AdvanceAfterEdit(Shift.testFlag(ssShift)) && !g->IsClickControlCell(g->RealCol(), g->Row()))
                QCoreApplication::postEvent(g, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
            return;
        }
    }
    if (Key == VK_ESCAPE)
        SetEditorValue(st.cellCache);
    giveGridFocus();
    g->CommitEditorControl(g->Col(), g->Row());
    if (EditStyle == esPopup)
        EditExit(this);
    st.editMode = false;
    g->update();
    if (Key == VK_RETURN && st.lastValidation) {
        g->AdvanceToNextCell(g->Col(), g->Row(), false, true, !Shift.testFlag(ssShift), false, true);
        Key = 0;
    } else if (st.lastValidation) {
        if (Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN)
            g->KeyDown(Key, Shift);
        if (QWidget *c = GetEditControl())
            c->setEnabled(false);
        giveGridFocus();
        Key = 0;
    } else {
        // The value was refused: the link's editor opens again on its cell.
        st.lastValidation = true;
        g->CreateEditorControl(g->Col(), g->Row());
        Key = 0;
    }
}

// --- the grid's side: the edCustom editor ----------------------------------------------------

TEditLink *TExStringGrid::EditLink() const { return m_editExtras ? m_editExtras->editLink.data() : nullptr; }

void TExStringGrid::setEditLink(TEditLink *Value) { editExtras().editLink = Value; }

// Opens the grid's edit link over the cell, or in the link's own popup.
class TGridLinkEditor : public TGridSpecialEditor {
public:
    using TGridSpecialEditor::TGridSpecialEditor;

    QWidget *widget() const override { return m_link ? m_link->GetEditControl() : nullptr; }

    void open(const TEditorOpening &at) override
    {
        m_link = grid().EditLink();
        if (!m_link)
            return;
        TEditLink &link = *m_link;
        TExStringGrid &g = grid();
        link.FOwner = &g;
        link.EditCell = QPoint(at.realCol, at.row);
        const TRect r = g.CellRect(at.col, at.row);
        if (link.EditStyle == esPopup) {
            if (link.AutoPopupWidth)
                link.PopupWidth = r.Right - r.Left;
            QWidget *form = link.ensurePopupForm();
            const QPoint p = link.PopupLeft != -1 && link.PopupTop != -1 ? QPoint(link.PopupLeft, link.PopupTop)
                                                                         : g.mapToGlobal(QPoint(r.Left, r.Top));
            form->setGeometry(p.x(), p.y(), std::max(1, link.PopupWidth), std::max(1, link.PopupHeight));
            form->show();
            form->raise();
            form->activateWindow();
            link.CreateEditor(form);
            link.SetRect(Rect(0, 0, link.PopupWidth, link.PopupHeight));
        } else {
            link.CreateEditor(&g);
            link.SetRect(r);
        }
        link.SetVisible(true);
        link.SetCellProps(at.color, g.Font());
        link.SetProperties();
        g.DoGetEditorProp(at.realCol, at.row);
        link.SetEditorValue(at.text);
        link.SetFocus(true);
    }

    std::optional<QString> value() const override
    {
        if (!m_link)
            return std::nullopt;
        return m_link->GetEditorValue();
    }

    void close() override
    {
        if (!m_link)
            return;
        if (m_link->EditStyle != esPopup)
            m_link->SetVisible(false);
        m_link->RestoreWinProc();
        if (m_link->EditStyle == esPopup && m_link->FPopupForm && !m_link->FForcedExit)
            m_link->FPopupForm->hide();
        TGridSpecialEditor::close();
    }

private:
    QPointer<TEditLink> m_link;
};

std::unique_ptr<TGridSpecialEditor> makeGridEditLink(TExStringGrid &grid)
{
    return std::make_unique<TGridLinkEditor>(grid);
}

} // namespace controls
