// The grid's special editors: one of each kind, made on first use; which
// one is open, on which cell, and what it showed when it opened; opening
// one over a cell and committing it back into that same cell.
#include "controls/grid/view/SpecialEditor.h"
#include "controls/grid/view/GridEditState.h"

#include "controls/grid/base/editors/EditorDrawing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <vector>

namespace controls {

struct TSpecialEditors {
    struct TMade {
        TSpecialEditorMaker maker;
        std::unique_ptr<TGridSpecialEditor> editor;
    };
    std::vector<TMade> made;
    TGridSpecialEditor *open = nullptr;
    TEditorOpening at;
    QString baseline; // the editor's value right after it opened
    bool destroying = false;
    std::optional<TColorTones> tones; // set by SetColorTones

    TSpecialEditors() = default;
    TSpecialEditors(const TSpecialEditors &) = delete;
    TSpecialEditors &operator=(const TSpecialEditors &) = delete;
    // The controls go before the grid's other parts: their handlers reach
    // into the grid, and the grid is still whole here.
    ~TSpecialEditors()
    {
        destroying = true;
        open = nullptr;
        for (TMade &m : made) {
            delete m.editor->widget();
            m.editor.reset();
        }
    }
};

TSpecialEditors &TExStringGrid::specialEditors() const
{
    if (!m_specialEditors)
        m_specialEditors = std::make_shared<TSpecialEditors>();
    return *m_specialEditors;
}

TGridSpecialEditor *TExStringGrid::SpecialEditor(TEditorType type)
{
    const TSpecialEditorMaker maker = specialEditorMaker(type);
    if (maker == nullptr)
        return nullptr;
    TSpecialEditors &eds = specialEditors();
    for (const auto &m : eds.made)
        if (m.maker == maker)
            return m.editor.get();
    auto editor = maker(*this);
    TGridSpecialEditor *raw = editor.get();
    eds.made.push_back({maker, std::move(editor)});
    if (QWidget *w = raw->widget()) {
        w->hide();
        w->setEnabled(false);
    }
    if (eds.tones)
        raw->setColorTones(*eds.tones);
    return raw;
}

QWidget *TExStringGrid::EditCtrl() const
{
    const TSpecialEditors &eds = specialEditors();
    return eds.open != nullptr ? eds.open->widget() : nullptr;
}

void TExStringGrid::CreateEditorControl(int ACol, int ARow)
{
    auto &st = editState();
    TGridSpecialEditor *editor = SpecialEditor(st.editControl);
    st.editing = true;
    st.editActive = true;
    if (editor == nullptr) {
        st.startEditChar = QChar();
        return;
    }
    TSpecialEditors &eds = specialEditors();
    TEditorOpening at;
    at.type = st.editControl;
    at.col = ACol;
    at.realCol = RealColIndex(ACol);
    at.row = ARow;
    const platform::TRect r = CellRect(ACol, ARow);
    at.cell = QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
    at.text = GridGetEditText(ACol, ARow);
    {
        TGridDrawState state;
        platform::TBrush brush;
        platform::TFont font;
        platform::TColor to = platform::clNone, mirror = platform::clNone, mirrorTo = platform::clNone;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        bool ww = false;
        TCellGradientDirection gd{};
        brush.setColor(Color());
        GetVisualProperties(ACol, Row(), state, false, false, false, brush, to, mirror, mirrorTo, font, ha, va, ww, gd);
        at.color = brush.Color() == platform::clNone ? Color() : brush.Color();
    }
    st.lastValidation = true;
    if (eds.open != nullptr && eds.open != editor)
        eds.open->close();
    eds.open = editor;
    eds.at = at;
    editor->open(at);
    st.editMode = true;
    // What the editor shows now is the untouched value: leaving it so
    // stores nothing and validates as unchanged.
    eds.baseline = editor->defaulted() ? at.text : editor->value().value_or(at.text);
    st.shownText = eds.baseline;
    if (QWidget *w = editor->widget())
        w->setFocus();
    const QChar start = st.startEditChar;
    st.startEditChar = QChar();
    if (!start.isNull() && editor->takesStartChar())
        editor->typeChar(start);
    if (eds.open == editor)
        editor->opened(at);
}

void TExStringGrid::CommitEditorControl(int ACol, int ARow)
{
    if (!m_specialEditors || m_specialEditors->destroying)
        return;
    auto &st = editState();
    TSpecialEditors &eds = *m_specialEditors;
    st.startEditChar = QChar();
    TGridSpecialEditor *editor = eds.open;
    // Only an open editor commits, and only into the cell it opened on.
    if (editor == nullptr)
        return;
    eds.open = nullptr;
    const TEditorOpening at = eds.at;
    TEditorCommit target(*this, at, eds.baseline);
    editor->commit(target);
    editor->close();
    st.editMode = false;
    if (st.editActive)
        PostEditDone(at.realCol, at.row);
    st.editActive = false;
}

void TExStringGrid::applyEditorTones()
{
    TSpecialEditors &eds = specialEditors();
    if (eds.tones != ColorTones())
        eds.tones = ColorTones();
    for (const auto &m : eds.made)
        m.editor->setColorTones(*eds.tones);
}

void TExStringGrid::DoEllipsClick(const QString &Text, QString &Result)
{
    Result = Text;
    if (OnEllipsClick)
        OnEllipsClick(this, RealCol(), Row(), Result);
}

// --- the interface's defaults --------------------------------------------------------------

void TEditorCommit::store(const QString &value)
{
    if (!changed(value) || m_grid.Cells(m_at.realCol, m_at.row) == value)
        return;
    m_grid.StoreEditText(m_at.realCol, m_at.row, value);
}

void TGridSpecialEditor::commit(TEditorCommit &target)
{
    if (const std::optional<QString> v = value())
        target.store(*v);
}

void TGridSpecialEditor::close()
{
    if (QWidget *w = widget()) {
        const bool hadFocus = w->isAncestorOf(QApplication::focusWidget()) || w->hasFocus();
        w->setEnabled(false);
        w->hide();
        if (hadFocus && m_grid.isVisible())
            m_grid.setFocus();
    }
}

void TGridSpecialEditor::typeChar(QChar c)
{
    QWidget *w = widget();
    if (w == nullptr)
        return;
    QWidget *target = w->focusProxy() != nullptr ? w->focusProxy() : w;
    if (QWidget *focus = QApplication::focusWidget(); focus != nullptr && (focus == w || w->isAncestorOf(focus)))
        target = focus;
    // Printable ASCII has the key code of its upper-case letter.
    const int key = c.unicode() >= 0x20 && c.unicode() < 0x7f ? c.toUpper().unicode() : 0;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &release);
}

QString TGridSpecialEditor::cellCache() const { return m_grid.editState().cellCache; }
QString TGridSpecialEditor::newCellText() const { return m_grid.editState().newCellText; }
void TGridSpecialEditor::setNoAutoAdvance(bool value) { m_grid.editState().noAutoAdvance = value; }
bool TGridSpecialEditor::noAutoAdvance() const { return m_grid.editState().noAutoAdvance; }
bool TGridSpecialEditor::isOpen() const { return m_grid.m_specialEditors && m_grid.m_specialEditors->open == this; }

bool TGridSpecialEditor::changedFromOpening(const QString &text) const
{
    const auto &eds = m_grid.specialEditors();
    return eds.open == this && text != eds.baseline;
}

bool TGridSpecialEditor::confirm(const QString &text)
{
    // Validation stores an accepted change and puts a refused one back.
    return m_grid.ValidateCell(text);
}

void TGridSpecialEditor::doneKey(std::uint16_t key, platform::TShiftState shift)
{
    m_grid.DoneInplaceEdit(key, shift);
    const TNavigation &nav = m_grid.Navigation();
    if (key == platform::VK_RETURN && nav.AdvanceOnEnter && nav.AdvanceAutoEdit && !noAutoAdvance())
        m_grid.ShowInplaceEdit();
}

void TGridSpecialEditor::tabKey(platform::TShiftState shift)
{
    if (m_grid.Options().testFlag(goTabs)) {
        m_grid.HideInplaceEdit();
        m_grid.setFocus();
        m_grid.AdvanceAfterEdit(shift.testFlag(platform::ssShift));
        return;
    }
    m_grid.HideInplaceEdit();
    m_grid.setFocus();
    m_grid.KeyDown(platform::VK_TAB, shift);
}

void TGridSpecialEditor::focusLeft()
{
    QWidget *w = widget();
    if (!isOpen() || w == nullptr || m_grid.editState().validating)
        return;
    for (QWidget *f = QApplication::focusWidget(); f != nullptr; f = f->parentWidget())
        if (f == w)
            return;
    m_grid.HideInplaceEdit();
}

QKeyEvent *TGridSpecialEditor::tabForGrid(QEvent *event) const
{
    if (event->type() != QEvent::KeyPress)
        return nullptr;
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_grid.EditorWantsTab())
        return key;
    return nullptr;
}

void setButtonTones(TButtonColors &button, const TColorTones &tones)
{
    button.ButtonColor = tones.Background.BrushColor;
    button.ButtonColorHot = tones.Hover.BrushColor;
    button.ButtonColorDown = tones.Selected.BrushColor;
    button.ButtonBorderColor = tones.Background.BorderColor;
}

void TGridSpecialEditor::walkOut(bool forward) { m_grid.editorWalk(forward); }

} // namespace controls
