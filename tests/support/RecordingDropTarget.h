#pragma once
// A grid drop target that records its hooks in the order they run, with
// what each was given.
#include "controls/grid/base/GridDragDrop.h"

#include <string>
#include <vector>

namespace testsupport {

class RecordingDropTarget : public controls::TESGDropTarget {
public:
    std::vector<std::string> calls;
    bool refuseOnMove = false;
    QByteArray stream;
    QStringList files;
    QString text;
    int column = -2;

protected:
    void DropText(QPoint, const QString &t) override { record("text", t); }
    void DropStream(QPoint, const QByteArray &s) override
    {
        calls.push_back("stream");
        stream = s;
    }
    void DropCol(QPoint, int col) override
    {
        calls.push_back("col");
        column = col;
    }
    void DropRTF(QPoint, const QString &rtf) override { record("rtf", rtf); }
    void DropFiles(QPoint, const QStringList &f) override
    {
        calls.push_back("files");
        files = f;
    }
    void DropURL(QPoint, const QString &t) override { record("url", t); }
    void DragMouseMove(QPoint, bool &allow, controls::TDropFormats) override
    {
        if (refuseOnMove)
            allow = false;
    }

private:
    void record(const char *hook, const QString &t)
    {
        calls.push_back(hook);
        text = t;
    }
};

} // namespace testsupport
