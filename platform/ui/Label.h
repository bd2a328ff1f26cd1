#pragma once
// A label as the windows use it: plain text (never read as markup, so a name
// typed by the user shows as typed), sized to its text unless AutoSize is
// turned off, "&&" shown as one ampersand.
#include "platform/Color.h"

#include <QLabel>

namespace platform {

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget *parent = nullptr);
    TLabel(const QString &caption, QWidget *parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // Text colour.
    void setFontColor(TColor color);

private:
    QString m_caption;
    bool m_autoSize = true;
};

} // namespace platform
