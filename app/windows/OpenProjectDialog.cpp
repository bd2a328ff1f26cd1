#include "app/windows/OpenProjectDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"

#include <QDir>
#include <QListWidget>
#include <algorithm>

namespace app {
namespace {

constexpr QSize ClientSize{377, 351};

// Upper-cases the letters a to z only, as the name comparison does.
QString upperAsciiLetters(const QString &name)
{
    QString upper = name;
    for (QChar &c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return upper;
}

} // namespace

QStringList listConfigurationFolders(const QString &projectsDir)
{
    if (projectsDir.isEmpty())
        return {};
    QStringList names = QDir(projectsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &name) { return !isValidProjectName(name); }),
                names.end());
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

TFOpenConf::TFOpenConf(QWidget *parent) : DialogBase(parent)
{
    createTitlePanel();
    Label1 = new platform::TLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(ListBox1); });
    // A double click opens the configuration, as users expect of such lists.
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { Btn_OK->Click(); });

    createButtonPanel();
    createOkCancel(ClientSize);
    Btn_OK->setModalResult(platform::mrOk);
    Btn_Cancel->setModalResult(platform::mrCancel);

    joinLanguageChanges(LangOrder::OpenConfiguration);
    platform::guarded([this] { FormCreate(); });
}

void TFOpenConf::FormCreate()
{
    resize(ClientSize);
    placeControls();
    Set_Lang();
}

void TFOpenConf::Set_Lang()
{
    setWindowTitle(text(33));
    L_SW_Desc->setCaption(text(34));
    Label1->setCaption(text(35));
    Btn_OK->setCaption(text(36));
    Btn_Cancel->setCaption(text(37));
}

void TFOpenConf::placeControls()
{
    // The list follows the dialog on all four sides.
    const QSize client = size();
    placePanels(client);
    Label1->move(16, TitlePanelHeight + 10);
    ListBox1->setGeometry(16, TitlePanelHeight + 28, client.width() - 32,
                          client.height() - TitlePanelHeight - 28 - ButtonPanelHeight - 10);
    Btn_OK->move(client.width() - 2 * 88, 9);
    Btn_Cancel->move(client.width() - 88, 9);
}

void TFOpenConf::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

void TFOpenConf::Load_Existing_Configuration() { SL = listConfigurationFolders(state().Projects_Dir); }

int TFOpenConf::Search_Open_Conf(const QString &name) const
{
    const QString wanted = upperAsciiLetters(name);
    for (qsizetype i = 0; i < SL.size(); ++i)
        if (upperAsciiLetters(SL[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}

void TFOpenConf::FormShow()
{
    Load_Existing_Configuration();
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->clear();
        ListBox1->addItems(SL);
    }

    const AppState &s = state();
    QString openName;
    if (s.isProjectOpen() && s.Project_Dir.size() > s.Projects_Dir.size() + 1)
        openName = s.Project_Dir.mid(s.Projects_Dir.size() + 1);

    int selected = Search_Open_Conf(openName);
    if (selected < 0 && !SL.isEmpty())
        selected = 0;
    if (selected >= 0) {
        ListBox1->setCurrentRow(selected);
        Name_Conf = SL[selected];
    } else {
        Name_Conf.clear();
    }
}

void TFOpenConf::ListBox1Click(QObject *)
{
    platform::guarded([this] {
        const QListWidgetItem *item = ListBox1->currentItem();
        if (item && item->isSelected())
            Name_Conf = item->text();
    });
}

} // namespace app
