// Feeds arbitrary text to the string grid's stored layouts: the first byte
// picks the reader (the column states string, the visual properties file,
// the INI widths and positions, the column grid's positions), the rest is
// the stored text. Nothing may crash or hang; a layout is applied whole or
// refused with the grid unchanged; what was applied writes out and reads
// back the same.
#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/GridSortSettings.h"
#include "platform/Error.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace controls;

namespace {

void fillGrid(TExStringGrid &grid)
{
    grid.setColCount(5);
    grid.setRowCount(3);
    for (int c = 0; c < 5; ++c)
        grid.setCells(c, 1, QString::number(c));
}

void columnStates(const QString &text)
{
    TExStringGrid grid;
    fillGrid(grid);
    const QString before = grid.ColumnStatesToString();
    try {
        grid.StringToColumnStates(text);
    } catch (const platform::Error &) {
        check(grid.ColumnStatesToString() == before);
        return;
    }
    const QString applied = grid.ColumnStatesToString();
    TExStringGrid again;
    fillGrid(again);
    again.StringToColumnStates(applied);
    check(again.ColumnStatesToString() == applied);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void visualProps(const QString &path, const QByteArray &bytes)
{
    if (!writeFile(path, bytes))
        return;
    TExStringGrid grid;
    try {
        grid.LoadVisualProps(path);
    } catch (const platform::Error &) {
        return;
    }
    grid.SaveVisualProps(path);
    TExStringGrid copy;
    copy.LoadVisualProps(path);
    copy.SaveVisualProps(path + QStringLiteral(".2"));
    QFile a(path), b(path + QStringLiteral(".2"));
    check(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll());
}

void iniLayout(const QString &path, const QByteArray &bytes)
{
    if (!writeFile(path, bytes))
        return;
    TExStringGrid grid;
    fillGrid(grid);
    grid.ColumnSize().Location = clIniFile;
    grid.ColumnSize().Key = path;
    grid.ColumnSize().Section = QStringLiteral("Grid");
    const QString before = grid.ColumnStatesToString();
    try {
        grid.LoadColPositions();
    } catch (const platform::Error &) {
        check(grid.ColumnStatesToString() == before);
    }
    try {
        grid.LoadColSizes();
    } catch (const platform::Error &) {
    }
    TExColumnGrid cgrid;
    try {
        cgrid.LoadColumnPositions(path, QStringLiteral("Grid"));
    } catch (const platform::Error &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    static QTemporaryDir dir;
    switch (data[0] % 3) {
    case 0:
        columnStates(QString::fromUtf8(bytes));
        break;
    case 1:
        visualProps(dir.filePath(QStringLiteral("look.txt")), bytes);
        break;
    default:
        iniLayout(dir.filePath(QStringLiteral("layout.ini")), bytes);
        break;
    }
    return 0;
}
