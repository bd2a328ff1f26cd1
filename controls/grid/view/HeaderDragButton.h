#pragma once
// The floating picture of a row or column header while it is dragged to a
// new place: a thin-bordered popup in the button face colour with the
// header's text.
#include <QString>
#include <QWidget>

namespace controls {

class THeaderDragButton : public QWidget {
public:
    explicit THeaderDragButton(QWidget *grid);
    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};

} // namespace controls
