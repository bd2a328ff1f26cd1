#pragma once
// A string grid with numbered texts: cell (c, r) holds "c:r".
#include "controls/grid/model/ExGrid.h"
#include "platform/FileRead.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace stringgridtest {

inline QString label(int col, int row) { return QStringLiteral("%1:%2").arg(col).arg(row); }

inline void fillLabels(controls::TExStringGrid &grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.TotalColCount(); ++c)
            grid.setCells(c, r, label(c, r));
}

// A grid and a folder of its own for the files it writes and reads.
class GridFileTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QByteArray bytesOf(const QString &file) { return platform::readWholeFile(file).bytes; }
    void write(const QString &file, const QByteArray &bytes) const
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    controls::TExStringGrid grid;
};

} // namespace stringgridtest
