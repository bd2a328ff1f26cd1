#include "app/windows/OptionsDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/MakerSite.h"
#include "app/VersionCheck.h"
#include "app/windows/FormLook.h"
#include "app/windows/NamedWidgets.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ShellOpen.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

namespace app {
namespace {

constexpr QSize ClientSize{509, 373};
constexpr QRect PageControlPlace{8, TitlePanelHeight + 8, 493, 261};

// The language slots: three rows in two columns, a flag and its name.
constexpr int SlotRows = 3;
constexpr int SlotColumnX[] = {12, 236};
constexpr int SlotTopY = 40;
constexpr int SlotRowHeight = 56;
constexpr QSize FlagSize{48, 32};
constexpr int NameOffsetX = FlagSize.width() + 10;

// The flag as drawn, shrunk only when it would not fit the slot's box; a
// file Qt cannot read gives none.
QPixmap flagPicture(const QString &path)
{
    const QPixmap picture(path);
    if (picture.isNull() || (picture.width() <= FlagSize.width() && picture.height() <= FlagSize.height()))
        return picture;
    return picture.scaled(FlagSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

TFSoftOptions::TFSoftOptions(int converterType, QWidget *parent)
    : DialogBase(parent), m_converterType(converterType), m_versionService(converterType)
{
    createTitlePanel();
    PC_Options = new controls::TExPageControl(this);
    PC_Options->setObjectName(QStringLiteral("PC_Options"));
    PC_Options->setGeometry(PageControlPlace);
    applyPageControlLook(*PC_Options);
    // Its captions carry no trailing room of their own: in the form's font
    // both tabs get one length that holds the longer caption, in one column.
    PC_Options->setFont(platform::defaultFormFont());
    PC_Options->setActiveFont({platform::defaultFormFont(), platform::clWindowText});
    PC_Options->setTabWidth(125);
    createLanguageSheet();
    createConnectionSheet();

    createButtonPanel();
    createOkCancel(ClientSize);
    Btn_OK->OnClick = [this](QObject *sender) { Btn_OKClick(sender); };
    Btn_Cancel->setModalResult(platform::mrCancel);
    placePanels(ClientSize);

    joinLanguageChanges(LangOrder::Options);
    platform::guarded([this] { FormCreate(); });
}

void TFSoftOptions::createLanguageSheet()
{
    TS_Language = new controls::TExTabSheet(PC_Options);
    TS_Language->setObjectName(QStringLiteral("TS_Language"));

    L_Sel_Lang = namedLabel(TS_Language, "L_Sel_Lang", QPoint(12, 12));
    L_Sel_Lang->setFont(platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true}));

    for (int k = 0; k < LanguageSlots; ++k) {
        const QPoint at(SlotColumnX[k / SlotRows], SlotTopY + (k % SlotRows) * SlotRowHeight);
        I_L[k] = new QLabel(TS_Language);
        I_L[k]->setObjectName(QStringLiteral("I_L%1").arg(k + 1));
        I_L[k]->setGeometry(QRect(at, FlagSize));
        I_L[k]->setAlignment(Qt::AlignCenter);
        L_L[k] = namedLabel(TS_Language, "", at + QPoint(NameOffsetX, (FlagSize.height() - 13) / 2));
        L_L[k]->setObjectName(QStringLiteral("L_L%1").arg(k + 1));
        for (QWidget *clickable : {static_cast<QWidget *>(I_L[k]), static_cast<QWidget *>(L_L[k])}) {
            clickable->setCursor(Qt::PointingHandCursor);
            clickable->installEventFilter(this);
            clickable->hide();
        }
    }

    constexpr int ButtonRowY = SlotTopY + SlotRows * SlotRowHeight + 12;
    Btn_Prev = namedButton(TS_Language, "Btn_Prev", QRect(12, ButtonRowY, 80, 26));
    L_Page_Lang = namedLabel(TS_Language, "L_Page_Lang", QPoint(190, ButtonRowY + 6));
    Btn_Next = namedButton(TS_Language, "Btn_Next", QRect(360, ButtonRowY, 80, 26));
    for (controls::TLbButton *button : {Btn_Prev, Btn_Next})
        button->OnClick = [this](QObject *sender) { Btn_NextClick(sender); };
}

void TFSoftOptions::createConnectionSheet()
{
    TS_Con_Options = new controls::TExTabSheet(PC_Options);
    TS_Con_Options->setObjectName(QStringLiteral("TS_Con_Options"));

    CB_En_Con = new QCheckBox(TS_Con_Options);
    CB_En_Con->setObjectName(QStringLiteral("CB_En_Con"));
    CB_En_Con->setGeometry(12, 14, 420, 18);
    CB_Update = new QCheckBox(TS_Con_Options);
    CB_Update->setObjectName(QStringLiteral("CB_Update"));
    CB_Update->setGeometry(12, 40, 420, 18);
    // A tick changed by code runs the handler too, as a click would.
    for (QCheckBox *box : {CB_En_Con, CB_Update})
        connect(box, &QCheckBox::toggled, this, [this, box] { CB_En_ConClick(box); });

    Btn_Check_Update = namedButton(TS_Con_Options, "Btn_Check_Update", QRect(12, 74, 220, 26));
    Btn_Check_Update->OnClick = [this](QObject *sender) { Btn_Check_UpdateClick(sender); };

    LL_Check_Update = new QLabel(TS_Con_Options);
    LL_Check_Update->setObjectName(QStringLiteral("LL_Check_Update"));
    LL_Check_Update->setTextFormat(Qt::RichText);
    LL_Check_Update->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    LL_Check_Update->setOpenExternalLinks(false);
    LL_Check_Update->move(12, 114);
    LL_Check_Update->hide();
    connect(LL_Check_Update, &QLabel::linkActivated, this,
            [this](const QString &link) { LL_Check_UpdateLinkClick(LL_Check_Update, link); });
}

void TFSoftOptions::setVersionService(const QUrl &site, const platform::HttpGetOptions &options)
{
    m_versionService.setService(site, options);
}

void TFSoftOptions::FormCreate()
{
    // The partner editions never see the connection options.
    TS_Con_Options->setTabVisible(!converterInfo(m_converterType).partnerEdition());
    setFixedSize(ClientSize);
    Set_Lang();
}

void TFSoftOptions::Set_Lang()
{
    setWindowTitle(text(38));
    L_SW_Desc->setCaption(text(39));
    TS_Language->setCaption(text(40));
    TS_Con_Options->setCaption(text(41));
    Btn_Prev->setCaption(text(45));
    Btn_Next->setCaption(text(46));
    CB_En_Con->setText(text(47));
    CB_Update->setText(text(48));
    Btn_Check_Update->setCaption(text(49));
    Btn_OK->setCaption(text(50));
    Btn_Cancel->setCaption(text(51));
    // In the new texts, and still the page that is shown: a language
    // changed from page 2 must not read "Page 1 / 1".
    showLanguageCounter();
}

void TFSoftOptions::showLanguageCounter()
{
    L_Sel_Lang->setCaption(text(42) + Language_In_Use);
    L_Page_Lang->setCaption(pageCounterText(text(43), m_pages.currentPage(), text(44), m_pages.pageCount()));
}

void TFSoftOptions::FormShow()
{
    Language_In_Use = state().Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->hide();
    PC_Options->setActivePage(TS_Language);
    const AppState &s = state();
    CB_En_Con->setChecked(s.Enable_Internet);
    CB_Update->setChecked(s.Enable_Update);
}

void TFSoftOptions::Create_Lang_List()
{
    m_pages.load(state().Language_Dir);
    Update_Lang_Page();
}

void TFSoftOptions::Update_Lang_Page()
{
    const LanguagePage shown = m_pages.page();
    showLanguageCounter();
    Btn_Prev->setVisible(shown.previousVisible);
    Btn_Next->setVisible(shown.nextVisible);
    for (int k = 0; k < LanguageSlots; ++k) {
        const bool used = std::size_t(k) < shown.languages.size();
        L_L[k]->setVisible(used);
        if (!used) {
            I_L[k]->hide();
            continue;
        }
        const LanguageSlot &language = shown.languages[std::size_t(k)];
        L_L[k]->setCaption(language.name);
        const QPixmap flag = language.flagPath.isEmpty() ? QPixmap() : flagPicture(language.flagPath);
        I_L[k]->setPixmap(flag);
        I_L[k]->setVisible(!flag.isNull());
    }
}

int TFSoftOptions::slotOf(const QObject *control) const
{
    for (int k = 0; k < LanguageSlots; ++k)
        if (control == I_L[k] || control == L_L[k])
            return k + 1;
    return 0;
}

void TFSoftOptions::LangClick(QObject *Sender)
{
    platform::guarded([&] {
        const QString name = m_pages.languageAt(slotOf(Sender));
        if (name.isEmpty())
            return;
        if (!platform::askConfirmationYesNo(text(54) + Language_In_Use + text(55) + name + text(56)))
            return;
        {
            // The new texts are in force at once; Language_Name itself
            // changes only with OK, so it is lent to the loader and given back.
            AppState &s = state();
            struct Restore {
                QString &value;
                QString saved;
                ~Restore() { value = std::move(saved); }
            } restore{s.Language_Name, s.Language_Name};
            s.Language_Name = name;
            Load_Language(s);
            // A file removed since the list was made leaves English loaded:
            // the dialog names what is in force.
            Language_In_Use = s.Language_Name;
        }
        langRegistry().applyLanguageToAll();
    });
}

void TFSoftOptions::Btn_NextClick(QObject *Sender)
{
    platform::guarded([&] {
        if (Sender == Btn_Next)
            m_pages.next();
        else if (Sender == Btn_Prev)
            m_pages.previous();
        Update_Lang_Page();
    });
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::CB_En_ConClick(QObject *)
{
    platform::guarded([this] { Update_CheckBox(); });
}

void TFSoftOptions::Check_Version(std::function<void(bool newer)> answer)
{
    m_versionService.check(std::move(answer));
}

void TFSoftOptions::Btn_Check_UpdateClick(QObject *)
{
    platform::guarded([this] {
        // One question at a time; the button comes back with the answer.
        Btn_Check_Update->setEnabled(false);
        QPointer<TFSoftOptions> self(this);
        Check_Version([self](bool newer) {
            if (self)
                platform::guarded([&] { self->showVersionAnswer(newer); });
        });
    });
}

void TFSoftOptions::showVersionAnswer(bool newer)
{
    Update_CheckBox();
    if (newer)
        LL_Check_Update->setText(downloadLinkHtml(m_converterType, m_versionService.site(), text(52)));
    else
        LL_Check_Update->setText(text(53).toHtmlEscaped());
    LL_Check_Update->adjustSize();
    LL_Check_Update->show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(QObject *, const QString &Link)
{
    platform::guarded([&] { platform::shellOpen(Link); });
}

void TFSoftOptions::Btn_OKClick(QObject *)
{
    platform::guarded([this] {
        AppState &s = state();
        s.Language_Name = Language_In_Use;
        s.Enable_Internet = CB_En_Con->isChecked();
        s.Enable_Update = CB_Update->isChecked();
        done(platform::mrOk);
    });
}

bool TFSoftOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && slotOf(watched) != 0) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *control = static_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint())) {
            LangClick(watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace app
