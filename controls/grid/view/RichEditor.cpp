#include "controls/grid/view/RichEditor.h"

#include "controls/grid/view/SpecialEditor.h"

#include "controls/grid/model/core/RtfWriter.h"
#include "controls/grid/view/EditExtrasState.h"
#include "controls/grid/view/GridEditState.h"
#include "platform/HandlerGuard.h"
#include "platform/Input.h"
#include "platform/ui/QtColor.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace controls {

namespace {

// The exact offset of a character in twips; the vertical alignment only
// shows it.
constexpr int kOffsetProperty = QTextFormat::UserProperty + 52;

QTextCharFormat toQt(const TRichCharFormat &f)
{
    QTextCharFormat q;
    if (!f.fontName.isEmpty())
        q.setFontFamilies(QStringList{f.fontName});
    if (f.halfPoints > 0)
        q.setFontPointSize(f.halfPoints / 2.0);
    if (f.bold)
        q.setFontWeight(QFont::Bold);
    if (f.italic)
        q.setFontItalic(true);
    if (f.underline)
        q.setFontUnderline(true);
    if (f.strikeOut)
        q.setFontStrikeOut(true);
    if (f.color != platform::clNone)
        q.setForeground(platform::toQColor(f.color));
    if (f.offsetTwips != 0) {
        q.setProperty(kOffsetProperty, f.offsetTwips);
        q.setVerticalAlignment(f.offsetTwips > 0 ? QTextCharFormat::AlignSuperScript
                                                 : QTextCharFormat::AlignSubScript);
    }
    return q;
}

int offsetOf(const QTextCharFormat &q)
{
    if (q.hasProperty(kOffsetProperty))
        return q.intProperty(kOffsetProperty);
    switch (q.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        return 40;
    case QTextCharFormat::AlignSubScript:
        return -40;
    default:
        return 0;
    }
}

TRichCharFormat fromQt(const QTextCharFormat &q)
{
    TRichCharFormat f;
    if (q.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = q.fontFamilies().toStringList();
        if (!families.isEmpty())
            f.fontName = families.first();
    }
    if (q.hasProperty(QTextFormat::FontPointSize))
        f.halfPoints = static_cast<int>(std::lround(q.fontPointSize() * 2));
    f.bold = q.hasProperty(QTextFormat::FontWeight) && q.fontWeight() >= QFont::Bold;
    f.italic = q.fontItalic();
    f.underline = q.fontUnderline();
    f.strikeOut = q.fontStrikeOut();
    if (q.hasProperty(QTextFormat::ForegroundBrush) && q.foreground().style() != Qt::NoBrush)
        f.color = platform::fromQColor(q.foreground().color());
    f.offsetTwips = offsetOf(q);
    return f;
}

void appendRun(TRichText &out, const QString &text, const TRichCharFormat &f)
{
    if (text.isEmpty())
        return;
    if (out.runs.empty() || !(out.runs.back().format == f))
        out.runs.push_back({QString(), f});
    out.runs.back().text += text;
}

} // namespace

TExRichEdit::TExRichEdit(TExStringGrid *grid) : QTextEdit(grid), m_grid(grid)
{
    setAcceptRichText(false);
    setTabChangesFocus(false);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { platform::guarded([&] { sizeRequested(); }); });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] { platform::guarded([&] { selectionMoved(); }); });
    connect(this, &QTextEdit::selectionChanged, this, [this] { platform::guarded([&] { selectionMoved(); }); });
}

// Signals the text edit sends while it is torn down reach no grid.
TExRichEdit::~TExRichEdit()
{
    m_grid = nullptr;
    disconnect();
}

TRichText TExRichEdit::runs() const
{
    TRichText out;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            appendRun(out, QStringLiteral("\r\n"), fromQt(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                appendRun(out, fragment.text(), fromQt(fragment.charFormat()));
        }
    }
    return out;
}

void TExRichEdit::setRuns(const TRichText &text)
{
    clear();
    QTextCursor cursor(document());
    bool first = true;
    for (const TRichRun &run : text.runs) {
        const QTextCharFormat format = toQt(run.format);
        const QStringList paragraphs = run.text.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < paragraphs.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), format);
            if (!paragraphs[i].isEmpty())
                cursor.insertText(paragraphs[i], format);
            else if (first && i == 0)
                cursor.setBlockCharFormat(format);
        }
        first = false;
    }
    setTextCursor(QTextCursor(document()));
}

void TExRichEdit::SetSelOffset(int Offset)
{
    QTextCharFormat f;
    f.setProperty(kOffsetProperty, Offset);
    f.setVerticalAlignment(Offset > 0   ? QTextCharFormat::AlignSuperScript
                           : Offset < 0 ? QTextCharFormat::AlignSubScript
                                        : QTextCharFormat::AlignNormal);
    mergeCurrentCharFormat(f);
}

int TExRichEdit::selOffset() const { return offsetOf(textCursor().charFormat()); }

void TExRichEdit::sizeRequested()
{
    m_reqWidth = static_cast<int>(std::ceil(document()->idealWidth()));
    m_reqHeight = static_cast<int>(std::ceil(document()->size().height()));
    if (m_grid == nullptr || this != m_grid->InplaceRichEdit() || m_locked || !isVisible())
        return;
    if (!m_grid->SizeWhileTyping.Height)
        return;
    // The row grows to the text as it is typed, while the grid has room.
    const int h = m_reqHeight;
    const int row = m_grid->Row();
    const platform::TRect cell = m_grid->CellRect(m_grid->Col(), row);
    if (m_grid->RowHeights(row) < h + 5 && cell.Top + h + 5 < m_grid->height()) {
        resize(width(), h + 9);
        m_grid->setRowHeights(row, h + 10);
        if (m_grid->OnEndRowSize)
            m_grid->OnEndRowSize(m_grid, row);
    }
}

void TExRichEdit::selectionMoved()
{
    const QTextCursor c = textCursor();
    if (c.anchor() == m_lastAnchor && c.position() == m_lastPosition)
        return;
    m_lastAnchor = c.anchor();
    m_lastPosition = c.position();
    if (m_grid != nullptr && this == m_grid->InplaceRichEdit())
        m_grid->DoRichEditSelectionChange();
}

bool TExRichEdit::event(QEvent *event)
{
    // Tab belongs to the grid's walk, not to the focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QTextEdit::event(event);
}

void TExRichEdit::keyPressEvent(QKeyEvent *event)
{
    bool handled = false;
    platform::guarded([&] { handled = keyDown(event); });
    if (!handled)
        QTextEdit::keyPressEvent(event);
}

bool TExRichEdit::keyDown(QKeyEvent *event)
{
    if (m_grid == nullptr)
        return false;
    std::uint16_t key = platform::virtualKey(event->key());
    const platform::TShiftState shift = platform::shiftState(event->modifiers());
    switch (key) {
    case platform::VK_ESCAPE:
        m_grid->cancelEdit();
        return true;
    case platform::VK_TAB:
        if (!m_grid->Options().testFlag(goTabs))
            return true;
        m_grid->setFocus();
        m_grid->HideInplaceEdit();
        m_grid->GridKeyDown(key, shift);
        m_grid->ShowInplaceEdit();
        return true;
    case platform::VK_UP:
    case platform::VK_DOWN:
        if (m_grid->WordWrap() || m_grid->Multilinecells)
            return false;
        m_grid->setFocus();
        m_grid->HideInplaceEdit();
        m_grid->GridKeyDown(key, shift);
        return true;
    default:
        return false;
    }
}

void TExRichEdit::focusOutEvent(QFocusEvent *event)
{
    platform::guarded([&] {
        if (m_grid == nullptr || m_grid->InvokedFocusChange || this != m_grid->InplaceRichEdit())
            return;
        if (QApplication::focusWidget() == m_grid)
            m_grid->HideInplaceEdit();
    });
    QTextEdit::focusOutEvent(event);
}

// --- the grid's side -------------------------------------------------------------------------

TGridEditExtras &TExStringGrid::editExtras() const
{
    if (!m_editExtras) {
        auto *self = const_cast<TExStringGrid *>(this);
        m_editExtras = std::make_shared<TGridEditExtras>(self);
        installEditExtrasHooks(*self);
    }
    return *m_editExtras;
}

TExRichEdit *TExStringGrid::RichEdit() const
{
    auto &ex = editExtras();
    if (ex.richEdit.isNull()) {
        auto *self = const_cast<TExStringGrid *>(this);
        ex.richEdit = new TExRichEdit(self);
        ex.richEdit->setObjectName(QStringLiteral("RichEdit"));
        ex.richEdit->setLineWrapMode(QTextEdit::NoWrap);
        ex.richEdit->setGeometry(0, 0, 0, 0);
        ex.richEdit->hide();
    }
    return ex.richEdit;
}

TExRichEdit *TExStringGrid::InplaceRichEdit() const
{
    auto &ex = editExtras();
    if (ex.inplaceRichEdit.isNull()) {
        auto *self = const_cast<TExStringGrid *>(this);
        ex.inplaceRichEdit = new TExRichEdit(self);
        ex.inplaceRichEdit->setObjectName(QStringLiteral("InplaceRichEdit"));
        ex.inplaceRichEdit->setFrameStyle(QFrame::NoFrame);
        ex.inplaceRichEdit->hide();
    }
    return ex.inplaceRichEdit;
}

void TExStringGrid::CellToRich(int Col, int Row, TExRichEdit *Richeditor)
{
    if (Richeditor == nullptr)
        return;
    const QString text = GetCellEx(Col, Row);
    if (text.isEmpty())
        Richeditor->clear();
    else
        Richeditor->setRuns(readRichText(text));
}

QString TExStringGrid::RichToString(TExRichEdit *Richeditor)
{
    if (Richeditor == nullptr)
        return {};
    return writeRichText(Richeditor->runs());
}

void TExStringGrid::RichToCell(int Col, int Row, TExRichEdit *Richeditor)
{
    SetCellEx(Col, Row, RichToString(Richeditor));
}

void TExStringGrid::DoRichEditSelectionChange()
{
    if (OnRichEditSelectionChange)
        OnRichEditSelectionChange(this);
}

void TExStringGrid::openRichEditor(int ACol, int ARow)
{
    TExRichEdit *ed = InplaceRichEdit();
    const int rc = RealColIndex(ACol);
    const platform::TRect r = CellRect(ACol, ARow);
    ed->setGeometry(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
    DoGetEditorProp(rc, ARow);
    ed->LockResize();
    CellToRich(rc, ARow, ed);
    ed->document()->setDocumentMargin(2);
    if (m_navigation.EditSelectAll)
        ed->selectAll();
    ed->setEnabled(true);
    ed->show();
    ed->raise();
    ed->UnlockResize();
}

// The edRichEdit editor: the cell's RTF in, the document's RTF out, written
// only when the document changed.
class TGridRichEditor : public TGridSpecialEditor {
public:
    explicit TGridRichEditor(TExStringGrid &grid) : TGridSpecialEditor(grid), m_edit(grid.InplaceRichEdit()) {}
    // Asked while the grid is torn down too: the control's own pointer.
    QWidget *widget() const override { return m_edit; }
    void open(const TEditorOpening &at) override { grid().openRichEditor(at.col, at.row); }
    std::optional<QString> value() const override
    {
        if (!m_edit)
            return std::nullopt;
        return grid().RichToString(m_edit);
    }
    void typeChar(QChar c) override
    {
        if (m_edit)
            m_edit->insertPlainText(QString(c));
    }

private:
    QPointer<TExRichEdit> m_edit;
};

std::unique_ptr<TGridSpecialEditor> makeGridRichEdit(TExStringGrid &grid)
{
    return std::make_unique<TGridRichEditor>(grid);
}

} // namespace controls
