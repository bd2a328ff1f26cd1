#pragma once
// A Modbus start register per node found by a scan, and the two switches
// for the node registers. The Scan & Decode window fills the grid (one row
// per node, the node's identity and "1") before it shows the dialog.
#include "app/windows/DialogBase.h"

#include <QStringList>
#include <vector>

class QCheckBox;
namespace controls {
class TExColumnGrid;
}

namespace scan {

class TFModbusStartAdd_SD : public app::DialogBase {
    Q_OBJECT
public:
    explicit TFModbusStartAdd_SD(QWidget *parent = nullptr);
    ~TFModbusStartAdd_SD() override;

    void FormCreate();
    void Set_Lang() override;
    void Btn_OKClick(QObject *Sender);
    // True when every data row passes; shows the first row that does not.
    bool Check_Data();

    // One data row per node: its identity in column 0 and "1" in column 1.
    void fillNodes(const QStringList &identities);
    // Column 1 of every data row, each read as an integer (1 when it is not one).
    std::vector<qint32> startRegisters() const;
    bool nodeStateEnabled() const;
    bool identNumEnabled() const;

private:
    QCheckBox *CB_En_NodeState;
    QCheckBox *CB_En_IndNum;
    controls::TExColumnGrid *sga;
};

// Grid rows before the first filling, the header row left out.
inline constexpr int StartAddressEmptyRows = 30;

} // namespace scan
