#include "app/windows/NewProjectDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/NamedWidgets.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/Paths.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace app {
namespace {

constexpr QSize ClientSize{331, 162};

// Characters that no Windows folder name can hold: configurations stay
// portable to the machines the converters are usually set up from.
bool holdsReservedCharacter(const QString &name)
{
    static const QString reserved = QStringLiteral("<>:\"|?*");
    for (const QChar c : name)
        if (reserved.contains(c))
            return true;
    return false;
}

// Blanks alone make no folder name on Windows, and the settings file would
// give the name back empty, so the configuration would not open again.
bool isBlanksOnly(const QString &name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c == u' '; });
}

bool folderExists(const QString &projectsDir, const QString &name)
{
    if (QFileInfo(platform::joinPath(projectsDir, name)).isDir())
        return true;
    // Folder names that differ only in letter case would be one folder on
    // Windows and cannot be told apart in the open dialog.
    const QStringList folders = QDir(projectsDir).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &folder : folders)
        if (folder.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

int newProjectRefusal(const QString &projectsDir, const QString &name)
{
    if (name.isEmpty())
        return 32;
    if (!isValidProjectName(name) || holdsReservedCharacter(name) || isBlanksOnly(name))
        return 30;
    if (folderExists(projectsDir, name))
        return 31;
    return 0;
}

TFNew_Project::TFNew_Project(QWidget *parent) : DialogBase(parent)
{
    createTitlePanel();
    Label1 = namedLabel(this, "Label1", {16, 66});
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
    E_New_Proj->setGeometry(16, 84, ClientSize.width() - 32, 22);
    E_New_Proj->installEventFilter(this);

    createButtonPanel();
    createOkCancel(ClientSize);
    Btn_OK->OnClick = [this](QObject *sender) { Btn_OKClick(sender); };
    Btn_Cancel->setModalResult(platform::mrCancel);
    placePanels(ClientSize);

    joinLanguageChanges(LangOrder::NewConfiguration);
    platform::guarded([this] { FormCreate(); });
}

void TFNew_Project::FormCreate()
{
    setFixedSize(ClientSize);
    Set_Lang();
}

void TFNew_Project::Set_Lang()
{
    setWindowTitle(text(25));
    L_SW_Desc->setCaption(text(26));
    Label1->setCaption(text(27));
    Btn_OK->setCaption(text(28));
    Btn_Cancel->setCaption(text(29));
}

void TFNew_Project::FormShow()
{
    E_New_Proj->clear();
    if (E_New_Proj->isVisible() && E_New_Proj->isEnabled())
        E_New_Proj->setFocus(Qt::OtherFocusReason);
}

void TFNew_Project::Btn_OKClick(QObject *)
{
    platform::guarded([this] {
        AppState &s = state();
        // The name as typed: blanks are part of it.
        const QString name = E_New_Proj->text();
        if (const int refusal = newProjectRefusal(s.Projects_Dir, name)) {
            platform::showError(text(refusal));
            return;
        }
        const QString folder = s.projectFolder(name);
        if (!QDir().mkdir(folder)) {
            platform::showError(text(30));
            return;
        }
        QDir().mkpath(platform::joinPath(folder, QStringLiteral("bin")));
        s.openProject(name);
        done(platform::mrOk);
    });
}

void TFNew_Project::E_New_ProjKeyPress(QObject *Sender, QChar &Key)
{
    if (Key == QChar(13)) {
        Key = QChar(0);
        Btn_OKClick(Sender);
    }
}

bool TFNew_Project::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == E_New_Proj && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QChar character(13);
            E_New_ProjKeyPress(E_New_Proj, character);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace app
