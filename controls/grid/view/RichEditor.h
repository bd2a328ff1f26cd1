#pragma once
// TExRichEdit: the string grid's rich-text control, both the editor of
// edRichEdit cells and, hidden, the converter between a cell's RTF and a
// formatted document. Offsets above and below the base line are kept in
// twips on the characters, so that a document read and written again keeps
// them exactly.
#include "controls/grid/model/core/RichText.h"

#include <QTextEdit>

namespace controls {

class TExStringGrid;

class TExRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TExRichEdit(TExStringGrid *grid);
    ~TExRichEdit() override;

    // The document as character runs, and back; paragraphs end in CR LF.
    TRichText runs() const;
    void setRuns(const TRichText &text);

    void SelNormal() { SetSelOffset(0); }
    void SelSubscript() { SetSelOffset(-40); }
    void SelSuperscript() { SetSelOffset(40); }
    bool IsSelNormal() const { return selOffset() == 0; }
    bool IsSelSubscript() const { return selOffset() == -40; }
    bool IsSelSuperscript() const { return selOffset() == 40; }
    void SetSelOffset(int Offset);

    // The size the document last asked for.
    int ReqWidth() const { return m_reqWidth; }
    int ReqHeight() const { return m_reqHeight; }
    void LockResize() { m_locked = true; }
    void UnlockResize() { m_locked = false; }
    bool ResizeLocked() const { return m_locked; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    int selOffset() const;
    void sizeRequested();
    void selectionMoved();
    bool keyDown(QKeyEvent *event);

    TExStringGrid *m_grid;
    int m_reqWidth = 0;
    int m_reqHeight = 0;
    bool m_locked = false;
    int m_lastAnchor = -1;
    int m_lastPosition = -1;
};

} // namespace controls
