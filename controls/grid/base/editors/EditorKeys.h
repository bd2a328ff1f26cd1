#pragma once
// A key press reaches an editor in two steps, as the grid's editors expect:
// the key-down step sees the key (and may consume it by setting it to 0),
// then the character step sees the character it types (and may drop it by
// setting it to 0, or change it). What is left goes on to the Qt widget.
#include <QChar>
#include <QKeyEvent>

#include <functional>
#include <memory>

class QLineEdit;
class QWidget;

namespace controls {

using TKeyDownStep = std::function<void(int &key, Qt::KeyboardModifiers shift)>;
using TKeyPressStep = std::function<void(QChar &key)>;

// The event the widget's own handling should get after the two steps, or
// none when one of them consumed the key.
std::unique_ptr<QKeyEvent> splitKeyPress(const QKeyEvent &event, const TKeyDownStep &keyDown,
                                         const TKeyPressStep &keyPress);

// The character of a key press as WM_CHAR would give it (Enter as CR,
// Escape, Backspace and Tab as their control characters); null when the
// key types nothing.
QChar typedChar(const QKeyEvent &event);

// Posts a Tab key press to the widget, which moves the focus on.
void postTab(QWidget &widget);

// Commands that change an edit's text from outside the keyboard's
// characters (paste, cut, undo, redo) are refused while it may not change.
bool refusedEditCommand(const QKeyEvent &event, bool mayChange);
// The edit's context menu with paste and cut only while it may change.
void showEditMenu(QLineEdit &edit, const QPoint &globalPos, bool mayChange);

// Grabs for the widget the Alt shortcut of the caption's accelerator
// character ("&Save": Alt+S), releasing the one it held; 0 when the caption
// has none.
int grabAccelerator(QWidget &widget, int held, const QString &caption);

// The short sound of a refused key; tests count it instead.
void editorBeep();
void setBeepHook(std::function<void()> hook);

} // namespace controls
