// Copy, paste and Import Network of the M-Bus network dialog: the tree's
// pop-up menu items and the import button. The rules are in
// NetworkClipboard.h and NetworkFile.h; these handlers show the paste
// dialog and the messages and put the result into the network and the tree.
#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/DialogBase.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "platform/ui/OpenDialog.h"
#include "project/NetworkClipboard.h"
#include "project/NetworkFile.h"
#include "project/dialogs/MBusNetworkDialog.h"
#include "project/dialogs/PasteDialog.h"

#include <QAction>
#include <QTreeWidget>
#include <QFileInfo>

namespace project {
namespace {

// The program's one paste dialog, made with the first paste and kept with
// the network dialog, whose life is the program's.
TFNewIDNode &pasteDialogOf(TFMeter_Bus &dialog)
{
    if (auto *existing = dialog.findChild<TFNewIDNode *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new TFNewIDNode(&dialog);
}

} // namespace

void TFMeter_Bus::CopyVariable1Click()
{
    platform::guarded([this] {
        if (auto refusal = copyVariable(Copy_Var, Nodi_List, selection())) {
            platform::showError(*refusal);
            return;
        }
        PasteVariable1->setEnabled(true);
    });
}

void TFMeter_Bus::CopyNode1Click()
{
    platform::guarded([this] {
        if (auto refusal = copyNode(Copy_Node, Nodi_List, selection(), converterType())) {
            platform::showError(*refusal);
            return;
        }
        PasteNode1->setEnabled(true);
    });
}

void TFMeter_Bus::PasteVariable1Click()
{
    platform::guarded([this] {
        if (auto refusal = pasteVariableRefusal(Copy_Var, Nodi_List, selection())) {
            platform::showError(*refusal);
            return;
        }
        const int nodeIndex = IND_NODO;
        TFNewIDNode &paste = pasteDialogOf(*this);
        paste.Form_Type = PasteVariable;
        paste.Request = PasteRequest{converterType(), Nodi_List, TNodo{}, *Copy_Var, nodeIndex};
        paste.proposeVariable(*Copy_Var);
        if (platform::execModal(paste) != platform::mrOk)
            return;
        const PasteFields typed = paste.fields();
        if (typed.variables.empty())
            return;
        appendVariable(nodeIndex, pastedVariable(*Copy_Var, typed.variables.front()));
    });
}

void TFMeter_Bus::PasteNode1Click()
{
    platform::guarded([this] {
        // The menu item is enabled only once a node was copied.
        if (!Copy_Node)
            return;
        const int formType = pasteFormTypeOf(*Copy_Node, converterType());
        TFNewIDNode &paste = pasteDialogOf(*this);
        paste.Form_Type = formType;
        paste.Request = PasteRequest{converterType(), Nodi_List, *Copy_Node, TVariabile{}, -1};
        paste.proposeNode(*Copy_Node, formType);
        if (platform::execModal(paste) != platform::mrOk)
            return;
        const PasteFields typed = paste.fields();
        QTreeWidgetItem *item = appendNode(pastedNode(*Copy_Node, typed, formType));
        item->setText(0, nodeItemText(Nodi_List.back(), converterType(),
                                      typed.secondary ? typed.idSecondary : typed.idPrimary));
    });
}

void TFMeter_Bus::Btn_ImportNetClick(QObject *)
{
    platform::guarded([this] {
        if (!app::requireOpenConfiguration())
            return;
        platform::TOpenDialog OD_Import_Net(this);
        OD_Import_Net.Filter = QStringLiteral("XML File (*.xml)|*.xml");
        // Where the user keeps configurations, not wherever the program was started.
        const app::AppState &s = app::state();
        OD_Import_Net.InitialDir = QFileInfo(s.Project_Dir).isDir() ? s.Project_Dir : s.Projects_Dir;
        if (!OD_Import_Net.Execute())
            return;
        const QString target = app::state().File_M_Bus;
        if (QFileInfo::exists(target) && !platform::askConfirmationYesNo(app::text(256)))
            return;
        // The configuration's file is replaced only by a whole copy of a file
        // that reads as a network; on any failure it stays as it was, and so
        // does the network shown.
        if (auto error = importNetworkFile(OD_Import_Net.FileName, target, converterType())) {
            platform::showError(error->message());
            return;
        }
        FormShow();
    });
}

} // namespace project
