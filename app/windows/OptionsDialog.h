#pragma once
// The options dialog: the language among the .lng files of LANGUAGE, six to
// a page with their flags, the internet and update flags, and the version
// check on demand. Its Check_Version is also what the main window's timer
// runs, so the program asks the version service in one way only.
#include "app/ConverterType.h"
#include "app/LanguagePages.h"
#include "app/VersionCheck.h"
#include "app/windows/DialogBase.h"
#include "platform/HttpGet.h"

#include <QUrl>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
namespace controls {
class TExPageControl;
class TExTabSheet;
class TLbButton;
} // namespace controls
namespace platform {
class TLabel;
}

namespace app {

class TFSoftOptions : public DialogBase {
    Q_OBJECT
public:
    static constexpr int LanguageSlots = LanguagePages::SlotsPerPage;

    explicit TFSoftOptions(int converterType = Converter_Type(), QWidget *parent = nullptr);

    // Where the version check asks; the maker's site unless set.
    void setVersionService(const QUrl &site, const platform::HttpGetOptions &options = {});
    const QUrl &versionSite() const { return m_versionService.site(); }

    void FormCreate();
    void FormShow() override;
    void Set_Lang() override;
    void Create_Lang_List();
    // Shows the current page of the language list.
    void Update_Lang_Page();
    void LangClick(QObject *Sender);
    void Btn_NextClick(QObject *Sender);
    void Update_CheckBox();
    void CB_En_ConClick(QObject *Sender);
    void Btn_Check_UpdateClick(QObject *Sender);
    void LL_Check_UpdateLinkClick(QObject *Sender, const QString &Link);
    void Btn_OKClick(QObject *Sender);

    // Asks the version service and returns at once; `answer` runs later with
    // true when the service names a newer version than this program's. An
    // answer still due when the dialog goes is dropped.
    void Check_Version(std::function<void(bool newer)> answer);

    // The language chosen in this dialog; it becomes Language_Name on OK.
    QString Language_In_Use;

    controls::TExPageControl *PC_Options;
    controls::TExTabSheet *TS_Language;
    platform::TLabel *L_Sel_Lang;
    platform::TLabel *L_Page_Lang;
    // Slot k (1 to 6) is I_L[k - 1] / L_L[k - 1]: 1 to 3 down the left
    // column, 4 to 6 down the right one.
    std::array<QLabel *, LanguageSlots> I_L;
    std::array<platform::TLabel *, LanguageSlots> L_L;
    controls::TLbButton *Btn_Prev;
    controls::TLbButton *Btn_Next;
    controls::TExTabSheet *TS_Con_Options;
    QCheckBox *CB_En_Con;
    QCheckBox *CB_Update;
    controls::TLbButton *Btn_Check_Update;
    QLabel *LL_Check_Update;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createLanguageSheet();
    void createConnectionSheet();
    // The chosen language and "Page x / y", in the texts now loaded.
    void showLanguageCounter();
    // Slot 1 to 6 of a slot's image or label; 0 for any other control.
    int slotOf(const QObject *control) const;

    int m_converterType;
    void showVersionAnswer(bool newer);

    VersionService m_versionService;
    LanguagePages m_pages;
};

} // namespace app
