// Shows a column grid of meters as the configurator's dialogs fill theirs:
// a fixed first column, an editable name, a numeric address, a read-only
// medium. Every validated edit and every finished edit is printed, so that
// a session driven by real keys can be checked from its output. With
// --lines the cells hold several lines and edit in the editor of lines.
#include "controls/grid/model/ExCGrid.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    using namespace controls;
    QApplication app(argc, argv);
    TExColumnGrid grid;
    grid.setWindowTitle(QStringLiteral("Column grid"));
    grid.resize(520, 300);
    grid.setColCount(4);
    grid.setRowCount(9);
    grid.SyncColumnItems();
    const QStringList headers{QStringLiteral("#"), QStringLiteral("Meter"), QStringLiteral("Address"),
                              QStringLiteral("Medium")};
    for (int c = 0; c < 4; ++c)
        grid.Columns()[c]->setHeader(headers[c]);
    grid.Columns()[2]->setEditor(edNumeric);
    grid.Columns()[2]->EditLength = 3;
    grid.Columns()[3]->ReadOnly = true;
    grid.setColWidths(0, 30);
    grid.setColWidths(1, 200);
    grid.setColWidths(2, 100);
    grid.setColWidths(3, 150);
    const QStringList media{QStringLiteral("Water"), QStringLiteral("Heat"), QStringLiteral("Gas"),
                            QStringLiteral("Electricity")};
    for (int r = 1; r < 9; ++r) {
        grid.setCells(0, r, QString::number(r));
        grid.setCells(1, r, QStringLiteral("Meter %1").arg(r));
        grid.setCells(2, r, QString::number(r * 10));
        grid.setCells(3, r, media[r % 4]);
    }
    grid.setCells(1, 1, QStringLiteral("<B>Main</B> meter"));
    if (app.arguments().contains(QStringLiteral("--lines"))) {
        grid.Multilinecells = true;
        grid.setRowHeights(4, 40);
        grid.setCells(1, 4, QStringLiteral("Boiler room\r\nnorth wall"));
    }
    grid.OnCellValidate = [](TExStringGrid *, int ACol, int ARow, QString &Value, bool &) {
        std::printf("validate %d,%d \"%s\"\n", ACol, ARow, qPrintable(Value));
        std::fflush(stdout);
    };
    grid.OnEditCellDone = [&grid](TExStringGrid *, int ACol, int ARow) {
        std::printf("done %d,%d \"%s\"\n", ACol, ARow, qPrintable(grid.Cells(ACol, ARow)));
        std::fflush(stdout);
    };
    grid.show();
    return app.exec();
}
