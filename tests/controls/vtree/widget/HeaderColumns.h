#pragma once
// Columns of the given widths under a visible header, captioned "A", "B", ...
// unless captions are given.
#include "TreeWidgetProbe.h"

#include <initializer_list>

namespace vtreetest {

inline void showHeaderColumns(TreeWidgetProbe &tree, std::initializer_list<int> widths, const QStringList &captions = {})
{
    TLTHeader &header = *tree.Header();
    for (int width : widths) {
        TLazyTreeColumn &column = header.Columns().Add();
        column.SetWidth(width);
        const int index = column.Index();
        column.SetText(index < captions.size() ? captions[index] : QString(QChar('A' + index)));
    }
    header.SetOptions(header.Options() + TLTHeaderOption::hoVisible);
    tree.RecalcHeaderRect();
}

} // namespace vtreetest
