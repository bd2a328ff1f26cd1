#pragma once
// Enter and Escape that reach a form, because the focused control did not
// want them, go to the form's owner-drawn buttons: a default button takes
// Enter, a cancel button Escape. Escape never closes a form by itself, so a
// dialog closes only through what its Cancel button does.
class QWidget;

namespace controls {

void routeDialogKeys(QWidget &form);

} // namespace controls
