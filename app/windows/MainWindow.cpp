#include "app/windows/MainWindow.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/MakerSite.h"
#include "app/Settings.h"
#include "app/VersionCheck.h"
#include "app/VersionCheckTimer.h"
#include "app/windows/AboutDialog.h"
#include "app/windows/DialogBase.h"
#include "app/windows/FormLook.h"
#include "app/windows/Glyphs.h"
#include "app/windows/MainWindowLayout.h"
#include "app/windows/NewProjectDialog.h"
#include "app/windows/OpenProjectDialog.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "platform/ui/QtIntervalTimer.h"
#include "platform/ui/Shape.h"
#include "platform/ui/ShellOpen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace app {
namespace {

platform::TLabel *greyBoldLabel(QWidget *parent, int points)
{
    auto *label = new platform::TLabel(parent);
    label->setFont(platform::makeFont(QStringLiteral("Verdana"), points, {.bold = true}));
    label->setFontColor(platform::clGray);
    return label;
}

controls::TLbButton *makeButton(QWidget *parent, const char *name, QSize size, const QPixmap &glyph)
{
    auto *button = new controls::TLbButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(size);
    button->setGlyph(glyph);
    applyButtonLook(*button);
    return button;
}

} // namespace

TFRostavelineFirmWare::TFRostavelineFirmWare(StepHandlers handlers, const QString &appDir, int converterType,
                                             QWidget *parent)
    : QWidget(parent), m_handlers(std::move(handlers)), m_converterType(converterType)
{
    // A single border with the system menu only: no minimise, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    applyFormLook(*this);
    createControls();
    platform::guarded([&] { FormCreate(appDir); });

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect centred(QPoint(0, 0), size());
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
}

TFRostavelineFirmWare::~TFRostavelineFirmWare() = default;

void TFRostavelineFirmWare::createControls()
{
    L_SW_Code = new platform::TLabel(this);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    L_SW_Code->setFont(platform::makeFont(QStringLiteral("Verdana"), 20));
    L_SW_Code->setFontColor(platform::clGray);

    L_SW_Desc = new platform::TLabel(this);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->setFont(platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true}));

    LL_Update = new QLabel(this);
    LL_Update->setObjectName(QStringLiteral("LL_Update"));
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    LL_Update->setOpenExternalLinks(false);
    LL_Update->move(16, 310);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this,
            [this](const QString &link) { LL_UpdateLinkClick(LL_Update, link); });

    const auto onClick = [this](QObject *sender) { Btn_Click(sender); };
    Btn_Info = makeButton(this, "Btn_Info", PictureButtonSize, glyphs::information());
    Btn_Opz = makeButton(this, "Btn_Opz", PictureButtonSize, glyphs::options());
    Btn_Close = makeButton(this, "Btn_Close", PictureButtonSize, glyphs::closeProgram());
    for (controls::TLbButton *button : {Btn_Info, Btn_Opz, Btn_Close}) {
        button->setShowHint(true);
        button->OnClick = onClick;
    }

    m_updateTimer = std::make_unique<platform::QtIntervalTimer>();
    Timer_Update = m_updateTimer.get();
    m_versionSchedule = std::make_unique<VersionCheckTimer>(
        *Timer_Update, [this](std::function<void()> finished) { runVersionCheck(std::move(finished)); });

    L_Begin = greyBoldLabel(this, 10);
    L_Begin->setObjectName(QStringLiteral("L_Begin"));
    for (std::size_t i = 0; i < L_Step.size(); ++i) {
        L_Step[i] = greyBoldLabel(this, 10);
        L_Step[i]->setObjectName(QStringLiteral("L_Step_%1").arg(i + 1));
    }

    Shape1 = new platform::TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setPenColor(platform::clSilver);
    Shape2 = new platform::TShape(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setPenColor(platform::clSilver);
    Shape2->resize(Shape2Size);

    L_Name_Conf = new platform::TLabel(this);
    L_Name_Conf->setObjectName(QStringLiteral("L_Name_Conf"));
    L_Name_Conf_L2 = new platform::TLabel(this);
    L_Name_Conf_L2->setObjectName(QStringLiteral("L_Name_Conf_L2"));
    L_Name_Conf_L2->setFont(platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true}));

    L_Tervik = greyBoldLabel(this, 8);
    L_Tervik->setObjectName(QStringLiteral("L_Tervik"));
    L_Tervik->setCaption(makerSiteCaption());
    L_Tervik->setCursor(Qt::PointingHandCursor);
    L_Tervik->installEventFilter(this);

    Btn_New = makeButton(this, "Btn_New", StepButtonSize, glyphs::newConfiguration());
    Btn_Open = makeButton(this, "Btn_Open", StepButtonSize, glyphs::openConfiguration());
    Btn_Prm_Gen = makeButton(this, "Btn_Prm_Gen", StepButtonSize, glyphs::generalParameters());
    Btn_MBus = makeButton(this, "Btn_MBus", StepButtonSize, glyphs::mbusNetwork());
    Btn_CreateBin = makeButton(this, "Btn_CreateBin", StepButtonSize, glyphs::updateDevice());
    Btn_ScanDecode = makeButton(this, "Btn_ScanDecode", ScanDecodeButtonSize, glyphs::scanDecode());
    // A fixed name, never translated.
    Btn_ScanDecode->setCaption(QStringLiteral("Scan && Decode"));
    for (controls::TLbButton *button : {Btn_New, Btn_Open, Btn_Prm_Gen, Btn_MBus, Btn_CreateBin, Btn_ScanDecode}) {
        button->setAlignment(controls::TAlignment::taLeftJustify);
        button->OnClick = onClick;
    }
}

void TFRostavelineFirmWare::applyLayout()
{
    const MainWindowLayout layout = mainWindowLayout(m_converterType);
    L_SW_Code->move(layout.L_SW_Code);
    L_SW_Desc->move(layout.L_SW_Desc);
    L_Begin->move(layout.L_Begin);
    Shape2->move(layout.Shape2);
    L_Name_Conf->move(layout.L_Name_Conf);
    L_Name_Conf_L2->move(layout.L_Name_Conf_L2);
    Btn_Info->move(layout.Btn_Info);
    Btn_Opz->move(layout.Btn_Opz);
    Btn_Close->move(layout.Btn_Close);

    const auto place = [](QWidget *widget, const ControlPlace &where) {
        widget->move(where.pos);
        widget->setVisible(where.visible);
    };
    for (std::size_t i = 0; i < L_Step.size(); ++i)
        place(L_Step[i], layout.L_Step[i]);
    place(L_Tervik, layout.L_Tervik);
    place(Btn_New, layout.Btn_New);
    place(Btn_Open, layout.Btn_Open);
    place(Btn_Prm_Gen, layout.Btn_Prm_Gen);
    place(Btn_MBus, layout.Btn_MBus);
    place(Btn_CreateBin, layout.Btn_CreateBin);
    place(Btn_ScanDecode, layout.Btn_ScanDecode);
    Shape1->setGeometry(layout.Shape1);
    Shape1->setVisible(layout.Shape1Visible);

    setFixedSize(layout.clientSize);
}

void TFRostavelineFirmWare::setDialogs(TFNew_Project *newProject, TFOpenConf *openConf, TFAbout *about)
{
    m_newProject = newProject;
    m_openConf = openConf;
    m_about = about;
}

void TFRostavelineFirmWare::FormCreate(const QString &appDir)
{
    applyLayout();

    AppState &s = state();
    s.setUpFolders(appDir);
    loadSettings(s);
    updateTimerFromFlags();

    s.chooseTypeTexts(m_converterType);
    setWindowTitle(s.SW_Title);
    L_SW_Code->setCaption(s.SW_Code);
    L_SW_Desc->setCaption(s.SW_Desc);

    Load_Language(s);

    // The last configuration opens again only while its folder exists; the
    // name is kept either way, so it is tried again at the next start.
    s.reopenLastProject();
    showOpenConfiguration();

    Set_Lang();
    Set_Files();
}

void TFRostavelineFirmWare::updateTimerFromFlags()
{
    const AppState &s = state();
    m_versionSchedule->applyFlags(s.Enable_Internet, s.Enable_Update);
}

void TFRostavelineFirmWare::showOpenConfiguration()
{
    const AppState &s = state();
    if (s.isProjectOpen()) {
        L_Name_Conf->setCaption(text(11));
        L_Name_Conf_L2->setCaption(s.Project_Name);
    } else {
        L_Name_Conf->setCaption(text(9));
        L_Name_Conf_L2->setCaption(text(10));
    }
}

void TFRostavelineFirmWare::Set_Lang()
{
    L_Begin->setCaption(text(0));
    for (std::size_t i = 0; i < L_Step.size(); ++i)
        L_Step[i]->setCaption(text(static_cast<int>(i) + 1));
    Btn_Info->setHint(text(12));
    Btn_Opz->setHint(text(13));
    Btn_Close->setHint(text(14));
    Btn_New->setCaption(text(15));
    Btn_Open->setCaption(text(16));
    Btn_CreateBin->setCaption(text(17));
    Btn_Prm_Gen->setCaption(text(20));
    Btn_MBus->setCaption(text(21));
}

void TFRostavelineFirmWare::Set_Files() { state().Set_Files(); }

bool TFRostavelineFirmWare::Save_Setting()
{
    QString error;
    if (app::Save_Setting(state(), &error))
        return true;
    platform::showError(error);
    return false;
}

void TFRostavelineFirmWare::runStep(const StepHandler &step)
{
    if (requireOpenConfiguration() && step)
        step(*this);
}

void TFRostavelineFirmWare::Btn_Click(QObject *Sender)
{
    platform::guarded([&] {
        if (Sender == Btn_Close) {
            close();
        } else if (Sender == Btn_New) {
            Create_New_Project();
        } else if (Sender == Btn_Open) {
            Open_Project();
        } else if (Sender == Btn_Info) {
            if (m_about)
                platform::execModal(*m_about);
        } else if (Sender == Btn_Opz) {
            if (m_handlers.options && m_handlers.options()) {
                Save_Setting();
                updateTimerFromFlags();
            }
        } else if (Sender == Btn_Prm_Gen) {
            runStep(m_handlers.generalParameters);
        } else if (Sender == Btn_MBus) {
            runStep(m_handlers.mbusNetwork);
        } else if (Sender == Btn_CreateBin) {
            runStep(m_handlers.updateDevice);
        } else if (Sender == Btn_ScanDecode) {
            runStep(m_handlers.scanDecode);
        }
    });
}

void TFRostavelineFirmWare::Create_New_Project()
{
    if (!m_newProject)
        return;
    if (platform::execModal(*m_newProject) == platform::mrOk)
        showOpenConfiguration();
}

void TFRostavelineFirmWare::Open_Project()
{
    if (!m_openConf)
        return;
    if (platform::execModal(*m_openConf) != platform::mrOk)
        return;
    // An empty choice leaves no configuration open.
    state().openProject(m_openConf->Name_Conf);
    showOpenConfiguration();
    Set_Files();
}

void TFRostavelineFirmWare::Timer_UpdateTimer()
{
    m_versionSchedule->onTimer();
}

void TFRostavelineFirmWare::runVersionCheck(std::function<void()> finished)
{
    if (!m_handlers.checkVersion) {
        showVersionCheckResult(false);
        finished();
        return;
    }
    // The window goes on while the service answers; the dialogs that run the
    // check belong to it, so no answer outlives it.
    m_handlers.checkVersion([this, finished = std::move(finished)](bool newer) {
        platform::guarded([&] { showVersionCheckResult(newer); });
        finished();
    });
}

void TFRostavelineFirmWare::showVersionCheckResult(bool newer)
{
    if (newer) {
        LL_Update->setText(downloadLinkHtml(m_converterType, makerSite(), text(19)));
        LL_Update->adjustSize();
        LL_Update->show();
    } else {
        LL_Update->hide();
    }
}

void TFRostavelineFirmWare::Change_Language()
{
    langRegistry().applyLanguageToAll();
}

void TFRostavelineFirmWare::LL_UpdateLinkClick(QObject *, const QString &Link)
{
    platform::guarded([&] { platform::shellOpen(Link); });
}

void TFRostavelineFirmWare::L_TervikClick(QObject *)
{
    platform::guarded([&] {
        const QString address = productPageAddress(m_converterType);
        if (!address.isEmpty())
            platform::shellOpen(address);
    });
}

void TFRostavelineFirmWare::FormClose()
{
    // A settings file that cannot be written is reported; the window still
    // closes.
    Save_Setting();
}

void TFRostavelineFirmWare::closeEvent(QCloseEvent *event)
{
    platform::guarded([this] { FormClose(); });
    event->accept();
}

bool TFRostavelineFirmWare::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == L_Tervik && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && L_Tervik->rect().contains(mouse->position().toPoint())) {
            L_TervikClick(L_Tervik);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app
