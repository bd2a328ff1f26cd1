#include "MultiColumnDemo.h"

#include "controls/dropdown/MultiColumnDropDown.h"

#include <QLabel>
#include <QPointer>

void addMultiColumnDemo(QWidget &window, QLabel &status)
{
    using controls::multicol::TExMultiColumnDropDown;
    auto *meters = TExMultiColumnDropDown::create<TExMultiColumnDropDown>(&window);
    meters->setObjectName(QStringLiteral("meters"));
    meters->move(400, 140);
    meters->resize(180, 21);
    meters->setLabelCaption(QStringLiteral("Meter table"));
    meters->setLabelPosition(controls::TLabelPosition::lpTopLeft);
    meters->DropDownHeader().setVisible(false);
    meters->DropDownFooter().setVisible(false);
    const char *headers[] = {"Name", "Address", "Medium"};
    for (const char *header : headers) {
        auto *column = meters->Columns().Add();
        column->setHeader(QString::fromLatin1(header));
        column->setAutoSize(true);
    }
    meters->Columns()[1].setAlignment(controls::multicol::taRightJustify);
    meters->Columns()[1].setColor(0xF0F8FF);
    const char *media[] = {"Heat", "Water", "Gas", "Electricity", "Cold water"};
    meters->BeginUpdate();
    const char *names[] = {"Alpha", "Beta", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf",
                           "Hotel", "India", "Juliett", "Kilo", "Lima", "Mike"};
    int i = 0;
    for (const char *name : names) {
        meters->Items().Add()->setText({QString::fromLatin1(name), QStringLiteral("0x%1").arg(0x1000 + i, 4, 16),
                                        QString::fromLatin1(media[i % 5])});
        ++i;
    }
    meters->EndUpdate();
    QPointer<QLabel> line(&status);
    meters->OnSelect = [line, meters](QObject *) {
        if (line)
            line->setText(QStringLiteral("Meter table selected %1: \"%2\"").arg(meters->ItemIndex()).arg(meters->Text()));
    };
    meters->OnDropUp = [line, meters](QObject *, bool cancelled) {
        if (line)
            line->setText(QStringLiteral("Meter table closed %1: item %2 \"%3\"")
                              .arg(cancelled ? QStringLiteral("cancelled") : QStringLiteral("kept"))
                              .arg(meters->ItemIndex())
                              .arg(meters->Text()));
    };
}
