// The header's font and what follows from it: the header's height and the
// tree's font taken over with ParentFont.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <algorithm>

namespace vtree {

void TLazyStringTreeWidget::SetHeaderFont(const THeaderFont &Value)
{
    FHeader.SetFont(Value);
    if (toOption(TLTAutoOption::toAutoChangeScale)) {
        // Room for the text and one and a half of the widest spacing.
        platform::TCanvas canvas;
        canvas.Font().setName(Value.Name);
        canvas.Font().setHeight(Value.Height);
        int spacing = 0;
        for (int i = 0; i < FHeader.Columns().Count(); ++i)
            spacing = std::max(spacing, FHeader.Columns()[i].Spacing());
        const int needed = canvas.TextHeight(QStringLiteral("Q")) + spacing + spacing / 2;
        if (FHeader.Height() < needed) {
            FHeader.SetHeight(std::min(needed, FHeader.MaxHeight()));
            RecalcHeaderRect();
        }
    }
    invalidateHeader();
}

void TLazyStringTreeWidget::HeaderParentFontChanged()
{
    if (!FHeader.ParentFont())
        return;
    THeaderFont font = FHeader.Font();
    font.Name = TreeFont().Name();
    font.Height = TreeFont().Height();
    font.Color = TreeFont().Color();
    SetHeaderFont(font);
    FHeader.SetParentFont(true);
}

} // namespace vtree
