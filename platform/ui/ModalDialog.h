#pragma once
// Every modal dialog is shown through execModal(), so that tests can run a
// flow headless: the hook gets the dialog, may drive it, and returns the
// modal result in place of the event loop.
#include <functional>

class QDialog;

namespace platform {

using ModalHook = std::function<int(QDialog &)>;

int execModal(QDialog &dialog);
ModalHook setModalHook(ModalHook hook);

} // namespace platform
