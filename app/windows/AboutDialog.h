#pragma once
// Which model this build configures: description, software code, program
// version and the code of its manual. Fixed English captions; the values
// follow the converter type each time the dialog is shown.
#include "app/ConverterType.h"
#include "app/windows/DialogBase.h"

class QLabel;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace app {

// What the dialog shows for a converter type.
struct AboutContent {
    bool partnerEdition = false; // partner logo, no link to the maker
    QString description;
    QString softwareCode;
    QString programVersion;
    QString manualCode;
};
AboutContent aboutContent(int converterType);

class TFAbout : public DialogBase {
    Q_OBJECT
public:
    explicit TFAbout(int converterType = Converter_Type(), QWidget *parent = nullptr);

    void FormShow() override;
    void Label4Click(QObject *Sender);

    QLabel *Image2;
    QLabel *I_Vellquist;
    platform::TLabel *Label1;
    platform::TLabel *Label2;
    platform::TLabel *Label6;
    platform::TLabel *Label9;
    platform::TLabel *Label3;
    platform::TLabel *Label10;
    platform::TLabel *Label8;
    platform::TLabel *Label12;
    platform::TLabel *Label4;
    controls::TLbButton *LbButton1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_converterType;
};

} // namespace app
