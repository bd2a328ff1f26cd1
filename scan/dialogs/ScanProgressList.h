#pragma once
// The wired scan's progress list: one line per engine report that names an
// address or a slave, drawn by the list itself: a slave found in blue, an
// address nobody answered in red, split into the address and the verdict.
#include <QListWidget>
#include <QString>
#include <optional>

namespace scan {

inline constexpr QStringView NotFoundMark = u"[NOT FOUND]";

// The line the report adds, or nothing. Scan 1 is a primary-address scan.
std::optional<QString> progressLine(qint32 Kind, qint32 Value, qint32 Found, qint32 Scan);

// How the list draws a line: its colour and, for a red line, the part
// before "[" and the rest, each trimmed.
struct ProgressLineLook {
    bool notFound = false;
    QString left;
    QString right;
};
ProgressLineLook progressLineLook(const QString &line);

class TScanProgressList : public QListWidget {
public:
    explicit TScanProgressList(QWidget *parent = nullptr);

    // Adds a line and scrolls until it is the top line.
    void addLine(const QString &line);
    int topIndex() const;
};

} // namespace scan
