// Compiled by the core-target checks and expected to fail: a core has no
// Qt Widgets on its include path.
#include <QWidget>
