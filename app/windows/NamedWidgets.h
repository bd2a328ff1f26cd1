#pragma once
// Labels and buttons created at their place under their form names, by
// which tests find them.
#include <QPoint>
#include <QRect>

class QWidget;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace app {

platform::TLabel *namedLabel(QWidget *parent, const char *name, QPoint at);
controls::TLbButton *namedButton(QWidget *parent, const char *name, const QRect &place);

} // namespace app
