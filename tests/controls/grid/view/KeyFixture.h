#pragma once
// A string grid in a shown, active window that takes real key presses: a
// key goes to whatever has the focus, the grid or its open editor.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/InplaceEdit.h"
#include "support/EventLoop.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace viewtest {

struct KeyGrid : testing::Test {
    QWidget window;
    controls::TExStringGrid *grid = new controls::TExStringGrid(&window);
    std::vector<int> keysDown;

    void SetUp() override
    {
        window.resize(500, 300);
        grid->setGeometry(0, 0, 500, 300);
        grid->setScrollBars(controls::ssNone);
        grid->setColCount(5);
        grid->setRowCount(10);
        grid->OnKeyDown = [this](controls::TCellGrid *, std::uint16_t &key, platform::TShiftState) {
            keysDown.push_back(key);
        };
        window.show();
        window.activateWindow();
        grid->setFocus();
        testsupport::processEventsUntil([this] { return grid->hasFocus(); }, std::chrono::seconds(5));
    }
    QWidget *focused() const
    {
        QWidget *w = QApplication::focusWidget();
        return w != nullptr ? w : grid;
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focused(), k, mods); }
    // Character by character: the first one may move the focus to the editor.
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClicks(focused(), QString(c));
    }
    controls::TExInplaceEdit *editor() const { return grid->NormalEdit(); }
    bool editorOpen() const { return grid->EditorMode() && editor() != nullptr && editor()->isVisible(); }
    void at(int col, int row) { grid->FocusCell(col, row); }
    void drain() { QCoreApplication::sendPostedEvents(); }
};

} // namespace viewtest
