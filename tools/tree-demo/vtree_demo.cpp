// Shows a string tree of 100 meters with 100 records each, check boxes and
// images, the way the Scan & Decode dialog fills its trees. With
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
    tree.resize(420, 360);
    tree.SetImages(&images);
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
    tree.OnGetText = [](TreeSender Sender, PLazyNode Node, TColumnIndex, TLSTTextType Type, QString &Text) {
        if (Type != TLSTTextType::ttNormal)
            return;
        if (Sender->GetNodeLevel(Node) == 0)
            Text = QStringLiteral("Meter %1 (wireless, 868 MHz)").arg(Node->Index + 1);
        else
            Text = QStringLiteral("Record %1: %2 kWh").arg(Node->Index + 1).arg((Node->Index + 1) * 12.5, 0, 'f', 1);
    };
    tree.OnGetImageIndex = [](TreeSender Sender, PLazyNode Node, TLTImageKind Kind, TColumnIndex, bool &,
                              TImageIndex &Index) {
        if (Kind == TLTImageKind::ikNormal || Kind == TLTImageKind::ikSelected)
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
