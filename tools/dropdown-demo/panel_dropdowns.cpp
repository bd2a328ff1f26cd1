#include "panel_dropdowns.h"

#include "controls/dropdown/MemoDropDown.h"
#include "controls/dropdown/TimePickerDropDown.h"
#include "controls/dropdown/TrackBarDropDown.h"
#include "controls/dropdown/Watch.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <algorithm>

void addPanelDropDowns(QWidget &window, QLabel &status)
{
    using namespace controls;
    window.resize(std::max(window.width(), 900), std::max(window.height(), 330));
    QPointer<QLabel> line(&status);
    const auto say = [line](const QString &text) {
        if (line)
            line->setText(text);
    };

    auto *clock = new TExWatch(&window);
    clock->setObjectName(QStringLiteral("clock"));
    clock->move(700, 10);
    clock->setTime(QTime(10, 8));
    clock->OnChange = [say, clock](QObject *) {
        say(QStringLiteral("Clock set to %1").arg(clock->Time().toString(QStringLiteral("HH:mm"))));
    };

    auto *time = TExCustomDropDown::create<TExTimePickerDropDown>(&window);
    time->setObjectName(QStringLiteral("time"));
    time->setGeometry(700, 200, 180, 21);
    time->setLabelCaption(QStringLiteral("Time"));
    time->setLabelPosition(TLabelPosition::lpLeftCenter);
    time->setEditorEnabled(true);
    time->setTime(QTime(9, 30, 15));
    time->OnTimeChange = [say, time](QObject *) { say(QStringLiteral("Time changed: %1").arg(time->text())); };
    time->OnDropUp = [say, time](QObject *, bool cancelled) {
        say(QStringLiteral("Time closed %1: %2")
                .arg(cancelled ? QStringLiteral("cancelled") : QStringLiteral("kept"), time->text()));
    };

    auto *level = TExCustomDropDown::create<TExTrackBarDropDown>(&window);
    level->setObjectName(QStringLiteral("level"));
    level->setGeometry(700, 235, 180, 21);
    level->setLabelCaption(QStringLiteral("Level"));
    level->setLabelPosition(TLabelPosition::lpLeftCenter);
    level->setMax(20);
    level->setPosition(5);
    level->OnTrackChange = [say, level](QObject *) { say(QStringLiteral("Level: %1").arg(level->Position())); };

    auto *notes = TExCustomDropDown::create<TExMemoDropDown>(&window);
    notes->setObjectName(QStringLiteral("notes"));
    notes->setGeometry(700, 270, 180, 21);
    notes->setLabelCaption(QStringLiteral("Notes"));
    notes->setLabelPosition(TLabelPosition::lpLeftCenter);
    notes->setEditorEnabled(false);
    notes->setMemoScrollBars(ssVertical);
    notes->setMemoText({QStringLiteral("Cellar, left wall"), QStringLiteral("Read every month")});
    notes->OnDropUp = [say, notes](QObject *, bool cancelled) {
        say(QStringLiteral("Notes closed %1: %2 lines")
                .arg(cancelled ? QStringLiteral("cancelled") : QStringLiteral("kept"))
                .arg(notes->MemoText().size()));
    };
}
