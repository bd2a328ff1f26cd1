#pragma once
// A tree window for the keyboard and selection tests: timers on a clock the
// test moves, beeps counted, key presses sent as the window receives them,
// and the hooks of the editing and the popup menu recorded.
#include "TreeWidgetProbe.h"

#include "platform/ui/Beep.h"
#include "support/ManualNumberedTimers.h"

#include <QApplication>
#include <QKeyEvent>

#include <memory>
#include <utility>
#include <vector>

namespace vtreetest {

class KeyTreeProbe : public TreeWidgetProbe {
public:
    KeyTreeProbe()
    {
        auto manual = std::make_unique<testsupport::ManualNumberedTimers>();
        timers = manual.get();
        SetTreeTimers(std::move(manual));
        platform::setMessageBeepHook([this] { ++beeps; });
    }
    ~KeyTreeProbe() override { platform::setMessageBeepHook(nullptr); }

    // Press and release; answers whether the tree took the press.
    bool key(int qtKey, Qt::KeyboardModifiers modifiers = {}, const QString &text = {})
    {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
        QApplication::sendEvent(this, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
        QApplication::sendEvent(this, &release);
        return press.isAccepted();
    }
    void type(const QString &text)
    {
        for (QChar c : text)
            key(Qt::Key_A + (c.toUpper().unicode() - 'A'), {}, QString(c));
    }

    // The n-th visible node.
    PLazyNode visible(int n)
    {
        PLazyNode node = GetFirstVisible();
        while (node && n-- > 0)
            node = GetNextVisible(node);
        return node;
    }
    int indexOf(PLazyNode node)
    {
        int n = 0;
        for (PLazyNode v = GetFirstVisible(); v; v = GetNextVisible(v), ++n)
            if (v == node)
                return n;
        return -1;
    }
    std::vector<int> selection()
    {
        std::vector<int> result;
        for (PLazyNode node : GetSortedSelection(false))
            result.push_back(indexOf(node));
        return result;
    }
    void focus(int n)
    {
        SetFocusedNode(visible(n));
        ClearSelection();
        SetSelected(visible(n), true);
    }
    void setSelectionOptions(TLTSelectionOptions options) { TreeOptions().SetSelectionOptions(options); }
    void setMiscOptions(TLTMiscOptions add) { TreeOptions().SetMiscOptions(TreeOptions().MiscOptions() + add); }

    bool EditNode(PLazyNode Node, TColumnIndex Column) override
    {
        edits.emplace_back(Node, Column);
        return true;
    }
    bool CancelEditNode() override
    {
        ++cancelledEdits;
        return true;
    }
    void ShowPopupMenu(PLazyNode Node, TColumnIndex Column, QPoint Position) override
    {
        popups.push_back({Node, Column, Position});
    }

    using TLazyStringTreeWidget::RangeAnchor;
    using TLazyStringTreeWidget::SearchBuffer;

    struct Popup {
        PLazyNode node;
        TColumnIndex column;
        QPoint position;
    };
    testsupport::ManualNumberedTimers *timers = nullptr;
    int beeps = 0;
    int cancelledEdits = 0;
    std::vector<std::pair<PLazyNode, TColumnIndex>> edits;
    std::vector<Popup> popups;
};

} // namespace vtreetest
