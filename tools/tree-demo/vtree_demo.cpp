// Shows a string tree of 100 meters with 100 records each, check boxes,
// images and columns under a header, the way the Scan & Decode dialog fills
// its trees. With
// --screenshot FILE the window is saved as a PNG and the program ends.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {

using namespace vtree;

QPixmap icon(QColor colour, bool round)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setBrush(colour);
    painter.setPen(colour.darker());
    if (round)
        painter.drawEllipse(2, 2, 11, 11);
    else
        painter.drawRect(2, 3, 11, 9);
    return pixmap;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::TImageList images(16, 16);
    images.Add(icon(QColor(40, 110, 200), false)); // a meter
    images.Add(icon(QColor(60, 160, 70), true));   // a record

    TLazyStringTreeWidget tree;
    tree.setWindowTitle(QStringLiteral("Lazy string tree"));
    tree.resize(560, 360);
    tree.SetImages(&images);
    TLTHeader &header = *tree.Header();
    const struct {
        const char *caption;
        int width;
        TAlignment alignment;
    } columns[] = {
        {"Meter / record", 250, TAlignment::taLeftJustify},
        {"Value", 90, TAlignment::taRightJustify},
        {"Unit", 60, TAlignment::taLeftJustify},
        {"Status", 120, TAlignment::taLeftJustify},
    };
    for (const auto &c : columns) {
        TLazyTreeColumn &column = header.Columns().Add();
        column.SetText(QString::fromLatin1(c.caption));
        column.SetWidth(c.width);
        column.SetAlignment(c.alignment);
    }
    header.SetOptions(header.Options() + TLTHeaderOption::hoVisible);
    header.SetSortColumn(0);
    TLTPaintOptions paint = tree.TreeOptions().PaintOptions();
    paint.include(TLTPaintOption::toShowVertGridLines);
    tree.TreeOptions().SetPaintOptions(paint);
    TLTMiscOptions misc = tree.TreeOptions().MiscOptions();
    misc.include(TLTMiscOption::toCheckSupport);
    tree.TreeOptions().SetMiscOptions(misc);
    tree.OnInitNode = [](TreeSender Sender, PLazyNode Parent, PLazyNode Node, TLazyNodeInitStates &States) {
        Node->CheckType = TCheckType::ctCheckBox;
        Node->CheckState = Node->Index % 3 == 0 ? TCheckState::csCheckedNormal : TCheckState::csUncheckedNormal;
        if (!Parent)
            States.include(TLazyNodeInitState::ivsHasChildren);
        Q_UNUSED(Sender);
    };
    tree.OnInitChildren = [](TreeSender, PLazyNode, std::uint32_t &ChildCount) { ChildCount = 100; };
    tree.OnGetText = [](TreeSender Sender, PLazyNode Node, TColumnIndex Column, TLSTTextType Type, QString &Text) {
        if (Type != TLSTTextType::ttNormal)
            return;
        const bool meter = Sender->GetNodeLevel(Node) == 0;
        const int number = int(Node->Index) + 1;
        switch (Column) {
        case 1:
            Text = meter ? QString() : QString::number(number * 12.5, 'f', 1);
            break;
        case 2:
            Text = meter ? QString() : QStringLiteral("kWh");
            break;
        case 3:
            Text = meter ? QStringLiteral("wireless, 868 MHz, mode T1 received") : QStringLiteral("Modbus %1").arg(40000 + 2 * number);
            break;
        default:
            Text = meter ? QStringLiteral("Meter %1").arg(number) : QStringLiteral("Record %1: energy").arg(number);
        }
    };
    tree.OnGetImageIndex = [](TreeSender Sender, PLazyNode Node, TLTImageKind Kind, TColumnIndex Column, bool &,
                              TImageIndex &Index) {
        if (Column <= 0 && (Kind == TLTImageKind::ikNormal || Kind == TLTImageKind::ikSelected))
            Index = Sender->GetNodeLevel(Node) == 0 ? 0 : 1;
    };
    tree.SetRootNodeCount(100);
    PLazyNode first = tree.GetFirst();
    tree.SetExpanded(first, true);
    tree.SetExpanded(tree.GetNextSibling(first), true);
    PLazyNode record = tree.GetNext(tree.GetNext(first));
    tree.SetSelected(record, true);
    tree.SetFocusedNode(record);
    tree.show();

    const QStringList arguments = app.arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    if (at >= 0 && at + 1 < arguments.size()) {
        const QString file = arguments.at(at + 1);
        QTimer::singleShot(300, &tree, [&tree, file] {
            tree.grab().save(file);
            QApplication::quit();
        });
    }
    return app.exec();
}
