#include "support/GuiFixture.h"

#include "app/ConverterType.h"
#include "app/windows/AboutDialog.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ui/Label.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

TEST(AboutDialog, ShowsTheValuesOfEveryConverterType)
{
    const struct {
        int type;
        bool partner;
        const char *description;
        const char *code;
        const char *version;
        const char *manual;
    } cases[] = {
        {1, false, "M-Bus / Modbus TCP - Converter", "PX42Lyxa", "2.306", "DX42Lyxa"},
        {2, false, "M-Bus / Modbus - Converter", "PX42Kvoz", "3.212", "DX42Kvoz"},
        {3, false, "M-Bus Multi-Master / Modbus - Converter", "PX42Nqib", "2.012", "DX42Nqib"},
        {4, false, "Modbus  Slave /  M-Bus Master - Converter", "PX42Mzul", "3.000", "DX42Mzul"},
        {5, false, "M-Bus / Modbus - Converter", "PX42Pwoj", "3.000", "DX42Pwoj"},
        {6, false, "wM-Bus / M-Bus / Modbus Slave - Converter", "PX42Qyre", "1.518", "DX42Qyre"},
        {7, false, "wM-Bus / M-Bus / Modbus TCP Slave - Converter", "PX42Rhuv", "1.518", "DX42Rhuv"},
        {1001, true, "M-Bus / Modbus TCP - Converter", "PX42Lyxa", "2.306", "DX42Lyxa"},
        {1007, true, "wM-Bus / M-Bus / Modbus TCP Slave - Converter", "PX42Rhuv", "1.518", "DX42Rhuv"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        app::TFAbout about(c.type);
        about.show();
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About..."));
        EXPECT_EQ(about.size(), QSize(406, 148));
        EXPECT_EQ(about.I_Vellquist->isVisible(), c.partner);
        EXPECT_EQ(about.Image2->isVisible(), !c.partner);
        EXPECT_EQ(about.Label4->isVisible(), !c.partner);
        EXPECT_EQ(about.Label1->Caption(), QStringLiteral("Software Rostavelin "));
        EXPECT_EQ(about.Label2->Caption(), QString::fromLatin1(c.description));
        EXPECT_EQ(about.Label9->Caption(), QString::fromLatin1(c.code));
        EXPECT_EQ(about.Label10->Caption(), QString::fromLatin1(c.version));
        EXPECT_EQ(about.Label12->Caption(), QString::fromLatin1(c.manual));
        about.LbButton1->Click();
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.result(), 1);
    }
}

TEST(AboutDialog, TheLinkOpensTheProductPageOfTypesOneToSevenOnly)
{
    QStringList opened;
    auto previous = platform::setShellOpenHook([&](const QString &address) { opened << address; });
    app::TFAbout(7).Label4Click(nullptr);
    app::TFAbout(1001).Label4Click(nullptr);
    app::TFAbout(1007).Label4Click(nullptr);
    platform::setShellOpenHook(std::move(previous));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("/HOME/default.asp?frompg=PX42Rhuv")));
}

TEST(AboutDialog, ClosesWithEscapeAndWithEnter)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        SCOPED_TRACE(key);
        app::TFAbout about(1);
        const int result = guitest::runModal(about, [key](QDialog &d) {
            // The key reaches the button first, as it has the focus on screen.
            QWidget *target = static_cast<app::TFAbout &>(d).LbButton1;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &release);
        });
        EXPECT_EQ(result, 1);
    }
}
