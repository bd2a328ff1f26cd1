#pragma once
// The edits that hold an IPv4 address one byte each: a "." typed into one
// is never inserted; it moves the focus on to the next edit, when that one
// can take it, so that an address is typed as it is written.
#include <QChar>
#include <QObject>
#include <vector>

class QLineEdit;

namespace app {

// The key typed into `Sender`, one of `edits` in order: a "." becomes no key
// and moves the focus. Other keys pass unchanged.
void addressEditKeyPress(const std::vector<QLineEdit *> &edits, QObject *Sender, QChar &Key);

// Watches the edits' key presses and applies addressEditKeyPress.
class AddressDotKeys : public QObject {
public:
    AddressDotKeys(std::vector<QLineEdit *> edits, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<QLineEdit *> m_edits;
};

} // namespace app
