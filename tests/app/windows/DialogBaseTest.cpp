#include "support/DialogDoubles.h"
#include "support/GuiFixture.h"

#include "app/LangRegistry.h"
#include "app/windows/DialogBase.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "platform/Error.h"
#include "platform/ui/Label.h"

namespace {

constexpr QSize Client{300, 200};

class Probe final : public app::DialogBase {
public:
    explicit Probe(TitleBar titleBar = TitleBar::CloseOnly) : DialogBase(nullptr, titleBar)
    {
        createTitlePanel();
        createButtonPanel();
        createOkCancel(Client, 100);
        placePanels(Client);
        joinLanguageChanges(app::LangOrder::Options);
    }

    void FormShow() override
    {
        ++shows;
        if (failOnShow)
            throw platform::Error(QStringLiteral("show failed"));
    }
    void Set_Lang() override { L_SW_Desc->setCaption(app::text(39)); }

    int shows = 0;
    bool failOnShow = false;
};

class DialogBaseTest : public guitest::AppFolderTest {};

TEST_F(DialogBaseTest, GivesEveryDialogItsFrameAndPanels)
{
    app::state().SW_Code = QStringLiteral("PX42Lyxa");
    Probe d;
    const Qt::WindowFlags flags = d.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Dialog) && flags.testFlag(Qt::WindowTitleHint)
                && flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint) || flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(d.palette().color(QPalette::Window), QColor(248, 247, 237));

    EXPECT_EQ(d.L_SW_Code->Caption(), QStringLiteral("PX42Lyxa"));
    EXPECT_EQ(d.P_Title->geometry(), QRect(0, 0, 300, app::TitlePanelHeight));
    EXPECT_EQ(d.P_Button->geometry(), QRect(0, 200 - app::ButtonPanelHeight, 300, app::ButtonPanelHeight));
    EXPECT_EQ(d.Btn_OK->geometry(), QRect(300 - 2 * 108, 9, 100, 26));
    EXPECT_EQ(d.Btn_Cancel->geometry(), QRect(300 - 108, 9, 100, 26));
    EXPECT_EQ(d.findChild<controls::TLbButton *>(QStringLiteral("Btn_OK")), d.Btn_OK);
}

TEST_F(DialogBaseTest, EachShowingRunsTheShowHandlerAndAnErrorIsShown)
{
    Probe d;
    d.show();
    d.hide();
    d.show();
    EXPECT_EQ(d.shows, 2);

    d.hide();
    d.failOnShow = true;
    d.show();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("show failed")});
}

TEST_F(DialogBaseTest, TheTextsFollowTheLanguageUntilTheDialogGoes)
{
    auto d = std::make_unique<Probe>();
    const int members = app::langRegistry().size();
    app::languageTable().applyLngText(QStringLiteral("STR 39 = Opzioni"));
    app::langRegistry().applyLanguageToAll();
    EXPECT_EQ(d->L_SW_Desc->Caption(), QStringLiteral("Opzioni"));
    d.reset();
    EXPECT_EQ(app::langRegistry().size(), members - 1);
}

} // namespace
