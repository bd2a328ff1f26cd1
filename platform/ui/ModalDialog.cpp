#include "platform/ui/ModalDialog.h"

#include <QDialog>

namespace platform {
namespace {
ModalHook &hookSlot()
{
    static ModalHook hook;
    return hook;
}
} // namespace

int execModal(QDialog &dialog)
{
    if (const auto &hook = hookSlot())
        return hook(dialog);
    return dialog.exec();
}

ModalHook setModalHook(ModalHook hook)
{
    ModalHook previous = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return previous;
}

} // namespace platform
