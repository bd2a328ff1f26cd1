#include "controls/grid/base/editors/ExDateTimePicker.h"
#include "controls/grid/base/editors/FramedPicker.h"

#include "EditorEvents.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <cmath>

using namespace controls;
using namespace editortest;

namespace {

TDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return *encodeDate(y, mo, d) + *encodeTime(h, mi, s, ms);
}

// Day-first dates with dots, whatever the machine's locale.
class DatePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = formatSettings();
        TFormatSettings fs = saved;
        fs.DateSeparator = u'.';
        fs.TimeSeparator = u':';
        fs.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
        setFormatSettings(fs);
    }
    void TearDown() override { setFormatSettings(saved); }

    TFormatSettings saved;
};

// A shown, focused picker in a window.
struct Form {
    QWidget window;
    TExDateTimePicker *picker = new TExDateTimePicker(&window);
    Form()
    {
        window.resize(300, 100);
        picker->setGeometry(80, 20, 200, 24);
        window.show();
        window.activateWindow();
        picker->setFocus();
        settle();
    }
};

// Types the digits one by one, letting the picker react after each, as a
// user's keys arrive.
void typeEach(QWidget &w, const QString &digits)
{
    for (const QChar c : digits) {
        type(w, QString(c));
        settle();
    }
}

} // namespace

TEST_F(DatePickerTest, VersionsReadAndIgnoreWrites)
{
    TEsgDateTimePicker flat;
    flat.setVersion("9.9.9.9");
    EXPECT_EQ(flat.Version(), "1.0.0.0");
    TExDateTimePicker picker;
    picker.setVersion("9.9.9.9");
    EXPECT_EQ(picker.Version(), "1.2.0.0");
}

TEST_F(DatePickerTest, DateTimeKeepsWholeSecondsAndDateKeepsTheTimeOfDay)
{
    TExDateTimePicker picker;
    picker.SetDateTime(at(2024, 2, 29, 13, 45, 30, 750));
    EXPECT_DOUBLE_EQ(picker.DateTime(), at(2024, 2, 29, 13, 45, 30));
    EXPECT_DOUBLE_EQ(picker.Time(), *encodeTime(13, 45, 30));
    picker.setDate(at(2025, 7, 1, 8, 0, 0));
    EXPECT_DOUBLE_EQ(picker.DateTime(), at(2025, 7, 1, 13, 45, 30));
    EXPECT_DOUBLE_EQ(picker.Date(), at(2025, 7, 1));
    ASSERT_NE(picker.TimePicker(), nullptr);
    EXPECT_DOUBLE_EQ(timeOfDay(picker.TimePicker()->PlatformDateTime()), *encodeTime(13, 45, 30));

    // Days before the epoch of the day count keep their time too.
    picker.SetDateTime(at(1850, 6, 1, 6, 0, 0));
    EXPECT_NEAR(picker.DateTime(), at(1850, 6, 1, 6, 0, 0), 1e-9);
}

TEST_F(DatePickerTest, OnlyTheDateAndTimeKindHasATimePart)
{
    TExDateTimePicker picker;
    EXPECT_EQ(picker.Kind(), TExDateTimeKind::dkDateTime);
    ASSERT_NE(picker.TimePicker(), nullptr);
    picker.setKind(TExDateTimeKind::dkDate);
    EXPECT_EQ(picker.TimePicker(), nullptr);
    picker.setKind(TExDateTimeKind::dkTime);
    EXPECT_EQ(picker.TimePicker(), nullptr);
    EXPECT_EQ(picker.PlatformKind(), TDateTimeKind::dtkTime);
    picker.setKind(TExDateTimeKind::dkDateTime);
    EXPECT_NE(picker.TimePicker(), nullptr);
    EXPECT_EQ(picker.PlatformKind(), TDateTimeKind::dtkDate);
}

TEST_F(DatePickerTest, UntickingTheCheckBoxDisablesTheTimePart)
{
    Form form;
    TExDateTimePicker &picker = *form.picker;
    picker.setShowCheckbox(true);
    TCustomDateTimePicker *part = picker.TimePicker();
    ASSERT_NE(part, nullptr);
    EXPECT_TRUE(part->isEnabled());
    click(picker, picker.checkBoxRect().center());
    EXPECT_FALSE(picker.Checked());
    EXPECT_FALSE(part->isEnabled());
    click(picker, picker.checkBoxRect().center());
    EXPECT_TRUE(part->isEnabled());
    picker.setEnabled(false);
    EXPECT_FALSE(part->isEnabled());
}

TEST_F(DatePickerTest, LabelStandsLeftFourPixelsAwayTopAligned)
{
    Form form;
    TExDateTimePicker &picker = *form.picker;
    EXPECT_EQ(picker.PickerLabel(), nullptr);
    picker.setLabelCaption("Reading");
    platform::TLabel *label = picker.PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), &form.window);
    EXPECT_EQ(label->y(), 20);
    EXPECT_EQ(label->x(), 80 - 4 - QFontMetrics(label->font()).horizontalAdvance("Reading"));
    picker.setLabelPosition(TLabelPosition::lpBottomLeft);
    EXPECT_EQ(label->pos(), QPoint(80, 20 + 24 + 4));
    int clicks = 0;
    picker.OnLabelClick = [&](QObject *) { ++clicks; };
    click(*label, {2, 2});
    EXPECT_EQ(clicks, 1);
}

TEST_F(DatePickerTest, ALabelFreedByItsParentIsNeverTouchedAgain)
{
    Form form;
    TExDateTimePicker &picker = *form.picker;
    picker.setLabelCaption("Reading");
    platform::TLabel *label = picker.PickerLabel();
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(label->parentWidget(), &form.window);
    delete label;
    EXPECT_EQ(picker.PickerLabel(), nullptr);
    // Every path that moves, shows, enables or renames the label runs on.
    picker.move(10, 10);
    picker.setLabelPosition(TLabelPosition::lpBottomLeft);
    picker.setLabelMargin(8);
    picker.setEnabled(false);
    picker.hide();
    picker.show();
    picker.setLabelCaption("Again");
    settle();
    EXPECT_EQ(picker.x(), 10);
}

TEST_F(DatePickerTest, AutoTabMovesOnOnceAFieldIsTyped)
{
    Form form;
    TExDateTimePicker &picker = *form.picker;
    picker.setAutoTab(true);
    picker.SetDateTime(at(2024, 3, 15, 10, 20, 30));
    picker.setSelectedSection(QDateTimeEdit::DaySection);
    typeEach(picker, "2");
    EXPECT_EQ(picker.currentSection(), QDateTimeEdit::DaySection) << "a day of 2 may still become 2x";
    typeEach(picker, "7");
    EXPECT_EQ(toQDateTime(picker.DateTime()).date().day(), 27);
    EXPECT_EQ(picker.currentSection(), QDateTimeEdit::MonthSection);

    picker.setSelectedSection(QDateTimeEdit::YearSection);
    typeEach(picker, "2026");
    EXPECT_EQ(toQDateTime(picker.DateTime()).date().year(), 2026);
    ASSERT_NE(picker.TimePicker(), nullptr);
    EXPECT_TRUE(picker.TimePicker()->hasFocus());
}

TEST_F(DatePickerTest, AutoTabWithAFormatGoesToTheTimePartAfterItsLastField)
{
    const struct {
        const char *format;
        QDateTimeEdit::Section section;
        const char *digits;
        bool toTimePart;
    } cases[] = {
        {"dd.MM.yyyy", QDateTimeEdit::YearSection, "2031", true},
        {"dd.MM.yyyy", QDateTimeEdit::MonthSection, "11", false},
        {"yyyy-dd-MM", QDateTimeEdit::MonthSection, "11", true},
        {"yyyy-dd-MM", QDateTimeEdit::YearSection, "2031", false},
    };
    for (const auto &c : cases) {
        Form form;
        TExDateTimePicker &picker = *form.picker;
        picker.setAutoTab(true);
        picker.setFormat(c.format);
        picker.SetDateTime(at(2024, 3, 15, 10, 20, 30));
        picker.setSelectedSection(c.section);
        typeEach(picker, c.digits);
        EXPECT_EQ(picker.TimePicker()->hasFocus(), c.toTimePart) << c.format << " " << c.digits;
        if (!c.toTimePart) {
            EXPECT_NE(picker.currentSection(), c.section) << c.format << " " << c.digits;
        }
    }
}

TEST_F(DatePickerTest, AutoTabInATimePickerMovesOnFromAChangedField)
{
    QWidget window;
    auto *picker = new TCustomDateTimePicker(&window);
    picker->setPlatformKind(TDateTimeKind::dtkTime);
    picker->setGeometry(0, 0, 120, 22);
    window.show();
    picker->setFocus();
    picker->setAutoTab(true);
    picker->setPlatformDateTime(at(2024, 1, 1, 10, 20, 30));
    picker->setSelectedSection(QDateTimeEdit::HourSection);
    typeEach(*picker, "15");
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::MinuteSection);
    typeEach(*picker, "20");
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::MinuteSection) << "the same minute typed again stays";
}

TEST_F(DatePickerTest, FlatPickerPaintsItsMetroBorderAndButton)
{
    QWidget window;
    window.resize(200, 40);
    auto *picker = new TEsgDateTimePicker(&window);
    picker->setGeometry(0, 0, 150, 24);
    picker->setCtl3D(false);
    picker->setBorderStyle(TBorderStyle::bsSingle); // with none the outline takes the parent's colour
    picker->setBorderColor(platform::RGB(200, 0, 0));
    picker->ButtonColor = platform::RGB(0, 0, 180);
    picker->ButtonColorHot = platform::RGB(0, 180, 180);
    window.show();
    settle();

    // Without the metro look only the flat outline is drawn.
    QImage image = picker->paintPicture();
    EXPECT_EQ(pixel(image, 0, 12), platform::RGB(200, 0, 0));
    const QRect button = picker->dropButtonRect();
    EXPECT_NE(pixel(image, button.right() - 3, 12), platform::RGB(0, 0, 180));

    picker->setMetroStyle(true);
    image = picker->paintPicture();
    EXPECT_EQ(pixel(image, 0, 12), platform::RGB(200, 0, 0));
    EXPECT_EQ(pixel(image, 75, 0), platform::RGB(200, 0, 0));
    EXPECT_EQ(pixel(image, button.right() - 3, 12), platform::RGB(0, 0, 180));

    // The hover state follows the rightmost ButtonWidth pixels, both ends excluded.
    const int w = picker->width();
    const struct {
        int x;
        bool hover;
    } moves[] = {{w - picker->ButtonWidth(), false}, {w - picker->ButtonWidth() + 1, true}, {w - 1, true}, {w, false}};
    for (const auto &m : moves) {
        moveTo(*picker, {m.x, 5});
        EXPECT_EQ(picker->ButtonHover(), m.hover) << m.x;
    }
    moveTo(*picker, {w - 3, 5});
    EXPECT_EQ(pixel(picker->paintPicture(), button.right() - 3, 12), platform::RGB(0, 180, 180));
}

// The picker's value is a wall clock of no zone: every one of them shows and
// reads back as set, also where the local zone skips or repeats an hour.
TEST_F(DatePickerTest, WallClocksAtDaylightSavingChangesReadBackAsSet)
{
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    const QByteArray oldZone = qgetenv("TZ");
    qputenv("TZ", "Europe/Rome");
    tzset();
    const struct {
        TDateTime value;
        const char *date;
        const char *time;
    } cases[] = {
        {at(2023, 3, 26, 1, 59, 59), "26.03.2023", "01:59:59"},
        {at(2023, 3, 26, 2, 30, 0), "26.03.2023", "02:30:00"}, // skipped in Rome
        {at(2023, 3, 26, 3, 0, 0), "26.03.2023", "03:00:00"},
        {at(2023, 10, 29, 2, 30, 0), "29.10.2023", "02:30:00"}, // repeated in Rome
        {at(2023, 10, 29, 3, 0, 0), "29.10.2023", "03:00:00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.time);
        TExDateTimePicker picker;
        picker.SetDateTime(c.value);
        EXPECT_DOUBLE_EQ(picker.DateTime(), c.value);
        EXPECT_EQ(picker.text(), c.date);
        ASSERT_NE(picker.TimePicker(), nullptr);
        EXPECT_EQ(picker.TimePicker()->text(), c.time);
        TEsgDateTimePicker flat;
        flat.setPlatformDateTime(c.value);
        EXPECT_DOUBLE_EQ(flat.PlatformDateTime(), c.value);
    }
    if (hadZone)
        qputenv("TZ", oldZone);
    else
        qunsetenv("TZ");
    tzset();
}
