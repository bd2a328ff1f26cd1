#pragma once
// A string tree window for the tests: a fixed size, a fixed font, a text per
// node from a table, and a count of whole-window repaints.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QStringList>

namespace vtreetest {

using namespace vtree;

class TreeWidgetProbe : public TLazyStringTreeWidget {
public:
    TreeWidgetProbe()
    {
        SetBorderStyle(TBorderStyle::bsNone);
        platform::TFont font;
        font.setName(QStringLiteral("Verdana"));
        font.setHeight(-11);
        SetTreeFont(font);
        resize(200, 100);
        // Laid out, so that the viewport has its size.
        setAttribute(Qt::WA_DontShowOnScreen);
        show();
        OnGetText = [this](TreeSender, PLazyNode Node, TColumnIndex, TLSTTextType Type, QString &Text) {
            if (Type == TLSTTextType::ttNormal)
                Text = texts.value(int(Node->Index), Text);
        };
        repaints = 0;
    }

    void Invalidate() override
    {
        ++repaints;
        TLazyStringTreeWidget::Invalidate();
    }

    // Top-level nodes; each with children when asked.
    PLazyNode addNodes(int count, PLazyNode parent = nullptr)
    {
        PLazyNode last = nullptr;
        for (int i = 0; i < count; ++i)
            last = AddChild(parent);
        UpdateScrollBars(true);
        return last;
    }

    using TLazyStringTreeWidget::ButtonXOf;
    using TLazyStringTreeWidget::ComputeLineImage;
    using TLazyStringTreeWidget::PaintTree;
    void setLastDropMode(TDropMode mode) { SetLastDropMode(mode); }

    QStringList texts;
    int repaints = 0;
};

} // namespace vtreetest
