#pragma once
// The first Modbus register of scan results appended to an existing network.
#include "app/windows/DialogBase.h"

class QLineEdit;

namespace scan {

class TFScanModbusStart : public app::DialogBase {
    Q_OBJECT
public:
    explicit TFScanModbusStart(QWidget *parent = nullptr);
    ~TFScanModbusStart() override;

    void FormCreate();
    void Set_Lang() override;
    void Btn_OKClick(QObject *Sender);

    // The accepted register (1 to 65535), set on OK.
    qint32 StartModAdd = 1;

private:
    platform::TLabel *L_StartModAdd;
    QLineEdit *E_StartModAdd;
};

} // namespace scan
