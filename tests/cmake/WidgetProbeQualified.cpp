// Compiled by the core-target checks and expected to fail: the module-
// qualified spelling stops on the guard header in front of Qt's own.
#include <QtWidgets/QWidget>
