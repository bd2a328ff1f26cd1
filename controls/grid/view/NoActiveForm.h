#pragma once
// A tool window that never takes the activation from the window the user
// works in: the floating picture of dragged cells.
#include <QImage>
#include <QWidget>

namespace controls {

class TNoActiveForm : public QWidget {
    Q_OBJECT
public:
    explicit TNoActiveForm(QWidget *owner, const QImage &picture);
    const QImage &Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

} // namespace controls
