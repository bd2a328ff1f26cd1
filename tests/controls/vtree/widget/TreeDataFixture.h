#pragma once
// A string tree for the data-transfer tests whose texts live in a table per
// node and column, as an application keeps them; texts that arrive with
// pasted or dropped nodes are taken into the table.
#include "TreeWidgetProbe.h"

#include <QHash>

namespace vtreetest {

class TextTree : public TreeWidgetProbe {
public:
    TextTree()
    {
        OnGetText = [this](TreeSender, PLazyNode Node, TColumnIndex Column, TLSTTextType Type, QString &Text) {
            if (Type == TLSTTextType::ttNormal && cells.contains(Node))
                Text = cells[Node].value(std::max(Column, 0));
        };
        OnNewText = [this](TreeSender, PLazyNode Node, TColumnIndex Column, const QString &Text) {
            QStringList &row = cells[Node];
            while (row.size() <= std::max(Column, 0))
                row.append(QString());
            row[std::max(Column, 0)] = Text;
        };
        OnFreeNode = [this](TreeSender, PLazyNode Node) { cells.remove(Node); };
    }
    // The texts go before the tree frees its nodes.
    ~TextTree() override { OnFreeNode = nullptr; }

    PLazyNode add(PLazyNode parent, const QStringList &row)
    {
        PLazyNode node = AddChild(parent);
        cells[node] = row;
        return node;
    }
    // The main texts in tree order, children indented by two blanks per level.
    QStringList outline()
    {
        QStringList lines;
        for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
            lines.append(QString(2 * int(GetNodeLevel(node)), QLatin1Char(' ')) + GetText(node, MainColumn()));
        return lines;
    }

    QHash<PLazyNode, QStringList> cells;
};

} // namespace vtreetest
