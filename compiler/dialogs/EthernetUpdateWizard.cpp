#include "compiler/dialogs/EthernetUpdateWizard.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/NamedWidgets.h"
#include "compiler/dialogs/UpdateToolRun.h"
#include "compiler/update/EthernetUpdateJob.h"
#include "compiler/update/UpdateRoute.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/Paths.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace compiler {
namespace {

constexpr int OctetTop = 97;
constexpr std::array<int, 4> OctetLefts = {35, 91, 147, 203};
constexpr QSize OctetSize{45, 21};
constexpr int DotTop = 105;
constexpr std::array<int, 3> DotLefts = {83, 139, 195};

constexpr platform::TColor FoundColor = platform::RGB(0, 128, 0);

} // namespace

TFBootTCP::TFBootTCP(int converterType, Services services, QWidget *parent)
    : UpdateWizardDialog(TitleBar::CloseOnly, parent),
      m_converterType(converterType), m_services(std::move(services))
{
    Btn_Next->OnClick = [this](QObject *sender) { LbButton2Click(sender); };
    Btn_Update->OnClick = [this](QObject *sender) { LbButton4Click(sender); };

    L_IP_Address = app::namedLabel(this, "L_IP_Address", {16, 75});
    const char *const octetNames[] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
    for (int i = 0; i < 4; ++i) {
        auto *edit = new QLineEdit(QStringLiteral("0"), this);
        edit->setObjectName(QString::fromLatin1(octetNames[i]));
        edit->setGeometry(QRect(QPoint(OctetLefts[i], OctetTop), OctetSize));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this] { octetEdited(); });
        m_octets[i] = edit;
    }
    E_IP1 = m_octets[0];
    E_IP2 = m_octets[1];
    E_IP3 = m_octets[2];
    E_IP4 = m_octets[3];
    Label2 = app::namedLabel(this, "Label2", {DotLefts[0], DotTop});
    Label3 = app::namedLabel(this, "Label3", {DotLefts[1], DotTop});
    Label4 = app::namedLabel(this, "Label4", {DotLefts[2], DotTop});
    for (platform::TLabel *dot : {Label2, Label3, Label4})
        dot->setCaption(QStringLiteral("."));
    L_Ping = app::namedLabel(this, "L_Ping", {16, 136});
    Btn_Ping = app::namedButton(this, "Btn_Ping", {35, 155, 100, 26});
    Btn_Ping->OnClick = [this](QObject *sender) { LbButton1Click(sender); };
    LPing = app::namedLabel(this, "LPing", {151, 163});

    createOptionsPage();

    completeCreation(app::LangOrder::EthernetUpdate);
}

TFBootTCP::~TFBootTCP() = default;

void TFBootTCP::Set_Lang()
{
    setWindowTitle(app::text(57));
    L_SW_Desc->setCaption(app::text(57));
    L_IP_Address->setCaption(app::text(58) + ethernetHardwareCode(m_converterType));
    L_Ping->setCaption(app::text(59));
    Btn_Ping->setCaption(app::text(60));
    Btn_Cancel->setCaption(app::text(61));
    Btn_Next->setCaption(app::text(62));
    UpdateOptionsPage::setTexts(63);
    Btn_Update->setCaption(app::text(68));
}

void TFBootTCP::FormShow()
{
    showFirstPage();
    setAddressPageVisible(true);
    if (const auto stored = parseDottedIpv4(app::state().Last_IP_Address))
        for (int i = 0; i < 4; ++i)
            m_octets[i]->setText(QString::number((*stored)[i]));
    L_IP_Address->setCaption(app::text(58) + ethernetHardwareCode(m_converterType));
    LPing->setCaption(QString());
    Esegui_Ping = false;
    m_foundAddress.reset();
}

void TFBootTCP::setAddressPageVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{L_IP_Address, E_IP1, E_IP2, E_IP3, E_IP4, Label2, Label3,
                                                       Label4, L_Ping, Btn_Ping, LPing})
        w->setVisible(visible);
}

OctetTexts TFBootTCP::octetTexts() const
{
    return {E_IP1->text(), E_IP2->text(), E_IP3->text(), E_IP4->text()};
}

void TFBootTCP::octetKeyPress(int octet, QChar &Key)
{
    if (Key != u'.')
        return;
    Key = QChar(0);
    QLineEdit *next = m_octets[octet + 1];
    if (next->isVisible() && next->isEnabled())
        next->setFocus(Qt::TabFocusReason);
}

void TFBootTCP::E_IP1KeyPress(QObject *, QChar &Key) { octetKeyPress(0, Key); }
void TFBootTCP::E_IP2KeyPress(QObject *, QChar &Key) { octetKeyPress(1, Key); }
void TFBootTCP::E_IP3KeyPress(QObject *, QChar &Key) { octetKeyPress(2, Key); }

bool TFBootTCP::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        for (int i = 0; i < 3; ++i) {
            if (watched == m_octets[i] && key->text() == QStringLiteral(".")) {
                QChar character(u'.');
                octetKeyPress(i, character);
                if (character.isNull())
                    return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// A found device counts only for the address it was found at.
void TFBootTCP::octetEdited()
{
    if (m_pingRunning || !m_foundAddress)
        return;
    if (parseOctetTexts(octetTexts()) == m_foundAddress)
        return;
    Esegui_Ping = false;
    m_foundAddress.reset();
    LPing->setCaption(QString());
}

void TFBootTCP::showPingResult(int textIndex, platform::TColor color)
{
    LPing->setFontColor(color);
    LPing->setCaption(app::text(textIndex));
}

void TFBootTCP::setPingRunning(bool running)
{
    m_pingRunning = running;
    Btn_Ping->setEnabled(!running);
    Btn_Next->setEnabled(!running);
    // The address must stay the one being pinged.
    for (QLineEdit *edit : m_octets)
        edit->setReadOnly(running);
}

void TFBootTCP::LbButton1Click(QObject *)
{
    if (m_pingRunning)
        return;
    platform::guarded([this] {
        Esegui_Ping = false;
        m_foundAddress.reset();
        const auto address = parseOctetTexts(octetTexts());
        if (!address) {
            showPingResult(71, platform::clRed);
            return;
        }
        LPing->setCaption(QString());
        setPingRunning(true);
        struct Restore {
            TFBootTCP *wizard;
            ~Restore() { wizard->setPingRunning(false); }
        } restore{this};
        // The window stays responsive; closing it ends the ping.
        const platform::WaitHook keepResponsive = [this] {
            QCoreApplication::processEvents();
            return isVisible();
        };
        const DevicePingOutcome outcome =
            pingDevice(*m_services.pinger, hostAddress(*address), {}, keepResponsive, *m_services.clock);
        LPing->setToolTip(outcome.error);
        switch (outcome.result) {
        case DevicePingResult::Found:
            Esegui_Ping = true;
            m_foundAddress = address;
            showPingResult(69, FoundColor);
            break;
        case DevicePingResult::NotFound: showPingResult(70, platform::clRed); break;
        case DevicePingResult::Failed: showPingResult(71, platform::clRed); break;
        case DevicePingResult::Cancelled: break;
        }
    });
}

void TFBootTCP::LbButton2Click(QObject *)
{
    platform::guarded([this] {
        if (!Esegui_Ping || !m_foundAddress || m_pingRunning) {
            platform::showError(app::text(72));
            return;
        }
        setAddressPageVisible(false);
        showOptionsPage();
        app::state().Last_IP_Address = dottedIpv4(*m_foundAddress);
    });
}

void TFBootTCP::LbButton4Click(QObject *)
{
    platform::guarded([this] {
        if (updateWizardFor(m_converterType, 1) != UpdateWizard::Ethernet || !m_foundAddress)
            return;
        const app::AppState &s = app::state();
        EthernetUpdateJob job;
        job.converterType = m_converterType;
        job.deviceAddress = dottedIpv4(*m_foundAddress);
        job.masterDir = s.Master_Dir;
        job.projectDir = s.Project_Dir;
        job.options = options();
        // Throws when the job cannot be written: the tool must not run on a stale one.
        saveEthernetUpdateJob(job, s.App_Dir);
        runUpdateTool(m_services.launch, platform::joinPath(s.App_Dir, QString::fromLatin1(EthernetUpdateToolFileName)),
                      {});
    });
}

} // namespace compiler
