#include "item_dropdowns.h"

#include "controls/dropdown/ColorPickerDropDown.h"
#include "controls/dropdown/DetailDropDown.h"
#include "controls/dropdown/ImagePickerDropDown.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

namespace {

using namespace controls;

// Small coloured glyphs for the image picker: a disc, a square, a
// triangle... in a few colours.
platform::TImageList *glyphs(QWidget &owner)
{
    auto *images = new platform::TImageList(16, 16);
    const QColor colors[] = {Qt::red, Qt::darkGreen, Qt::blue, Qt::darkYellow, Qt::magenta, Qt::darkCyan};
    for (int i = 0; i < 12; ++i) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        painter.setBrush(colors[i % 6]);
        painter.setPen(Qt::black);
        if (i < 6)
            painter.drawEllipse(2, 2, 11, 11);
        else
            painter.drawRect(2, 2, 11, 11);
        painter.end();
        images->Add(pixmap);
    }
    QObject::connect(&owner, &QObject::destroyed, [images] { delete images; });
    return images;
}

void say(QPointer<QLabel> status, const QString &text)
{
    if (status)
        status->setText(text);
}

} // namespace

void addItemDropDowns(QWidget &window, QLabel &status)
{
    QPointer<QLabel> line(&status);
    platform::TImageList *images = glyphs(window);

    auto *meterType = TExCustomDropDown::create<TExDetailDropDown>(&window);
    meterType->setObjectName(QStringLiteral("meterType"));
    meterType->setGeometry(110, 240, 200, 21);
    meterType->setLabelCaption(QStringLiteral("Type"));
    meterType->setLabelPosition(TLabelPosition::lpLeftCenter);
    meterType->setImages(images);
    meterType->setItemHeight(36);
    meterType->setDropDownHeight(160);
    meterType->DropDownHeader().setVisible(false);
    meterType->DropDownFooter().setVisible(false);
    const struct {
        const char *caption, *notes;
    } types[] = {
        {"Electricity", "Active energy, <b>kWh</b>"}, {"Gas", "Volume, <i>m3</i>"},
        {"Heat", "Energy and flow, <b>MWh</b>"},      {"Heat cost allocator", "Units, no dimension"},
        {"Water", "Cold water, <i>m3</i>"},           {"Warm water", "Hot water, <i>m3</i>"},
    };
    int index = 0;
    for (const auto &type : types) {
        TDetailItem item;
        item.Caption = QString::fromLatin1(type.caption);
        item.Notes = QString::fromLatin1(type.notes);
        item.ImageIndex = index++;
        meterType->Items().Add(item);
    }
    meterType->OnSelect = [line, meterType](QObject *) {
        say(line, QStringLiteral("Type selected: %1 (%2)").arg(meterType->Text()).arg(meterType->ItemIndex()));
    };

    auto *icon = TExCustomDropDown::create<TExImagePickerDropDown>(&window);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setGeometry(400, 240, 80, 22);
    icon->setLabelCaption(QStringLiteral("Icon"));
    icon->setLabelPosition(TLabelPosition::lpLeftCenter);
    icon->setImages(images);
    icon->AddImagesFromImageList();
    icon->setColumns(4);
    icon->DropDownHeader().setVisible(false);
    icon->DropDownFooter().setVisible(false);
    icon->OnSelect = [line, icon](QObject *) {
        say(line, QStringLiteral("Icon selected: item %1, image %2").arg(icon->ItemIndex()).arg(icon->ImageIndex()));
    };

    const struct {
        const char *name;
        TColorSelectionStyle style;
        int x, y;
    } pickers[] = {
        {"listColor", csList, 110, 290},
        {"paletteColor", csDiscrete, 260, 290},
        {"cubeColor", csColorCube, 410, 290},
    };
    for (const auto &p : pickers) {
        auto *picker = TExCustomDropDown::create<TExColorPickerDropDown>(&window);
        picker->setObjectName(QString::fromLatin1(p.name));
        picker->setGeometry(p.x, p.y, 140, 22);
        picker->AddDefaultColors();
        picker->setColorSelectionStyle(p.style);
        picker->setColorValueText(cvtHTML);
        picker->OnSelect = [line, picker](QObject *) {
            say(line, QStringLiteral("%1: %2").arg(picker->objectName(), picker->SelectedColorText()));
        };
    }
    auto *spectrum = TExCustomDropDown::create<TExColorPickerDropDown>(&window);
    spectrum->setObjectName(QStringLiteral("spectrumColor"));
    spectrum->setGeometry(400, 190, 140, 22);
    spectrum->setColorSelectionStyle(csSpectrum);
    spectrum->setColorValueText(cvtRGB);
    spectrum->setLabelCaption(QStringLiteral("Colour"));
    spectrum->setLabelPosition(TLabelPosition::lpLeftCenter);
    spectrum->OnSelect = [line, spectrum](QObject *) {
        say(line, QStringLiteral("spectrumColor: %1").arg(spectrum->SelectedColorText()));
    };
}
