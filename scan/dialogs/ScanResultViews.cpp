// The results views of the Scan & Decode window: the wired tree, the
// wireless grid, the record tree of one meter and the key entry.
//
// Every node remembers what it shows (the slave or the meter, the record's
// position, the detail line), so that it reads the object it was built for,
// whatever the grid's current row; records are looked up by position each
// time, because the wireless intake replaces a meter's records on each of
// its telegrams. The lists are locked only around such a look-up, never
// while the tree works.
#include "app/Language.h"
#include "controls/grid/model/ExCGrid.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "scan/dialogs/InsertKeyDialog.h"
#include "scan/dialogs/ScanDecodeDialog.h"
#include "scan/dialogs/ScanDecodeTexts.h"
#include "scan/dialogs/ScanNodeTexts.h"

#include <QCursor>
#include <new>

namespace scan {
namespace {

constexpr platform::TColor EncryptedRowColor = platform::RGB(255, 187, 185);
constexpr platform::TColor PlainRowColor = platform::RGB(168, 255, 168);
constexpr int EncryptedImage = 0;
constexpr int PlainImage = 1;

enum NodeLevel { SlaveLevel = 0, RecordLevel = 1, DetailLevel = 2 };

bool plainCheckState(vtree::TCheckState state)
{
    return state == vtree::TCheckState::csCheckedNormal || state == vtree::TCheckState::csUncheckedNormal;
}

template <class Owner>
TVariable_MBus *recordAt(Owner *owner, int index)
{
    if (!owner || index < 0 || index >= int(owner->List_Var.size()))
        return nullptr;
    return owner->List_Var[std::size_t(index)].get();
}

// Nothing keeps a node the tree no longer has: the slave or meter, or its
// record at `record` (-1: none), forgets `node` when it still holds it.
template <class Owner>
void unlinkNode(Owner *owner, int record, vtree::TLazyNode *node)
{
    if (owner && owner->Node == node)
        owner->Node = nullptr;
    TVariable_MBus *r = record >= 0 ? recordAt(owner, record) : nullptr;
    if (r && r->Node == node)
        r->Node = nullptr;
}

} // namespace

struct TFScanDecode::NodeData {
    TMyRec Rec;
    int Level = SlaveLevel;
    int Owner = -1;      // the slave's position (wired tree)
    WirelessReport Meter; // the meter (wireless tree)
    int Record = -1;
    int Line = -1;
};

void TFScanDecode::setUpTree(vtree::TLazyStringTreeWidget &tree)
{
    tree.SetNodeDataSize(int(sizeof(NodeData)));
    tree.SetImages(IL_Tree1.get());
    auto misc = tree.TreeOptions().MiscOptions();
    misc.include(vtree::TLTMiscOption::toCheckSupport);
    tree.TreeOptions().SetMiscOptions(misc);
    tree.OnGetText = [](vtree::TBaseLazyTree *sender, vtree::TLazyNode *node, vtree::TColumnIndex,
                        vtree::TLSTTextType, QString &text) {
        text = sender->GetNodeData<NodeData>(node)->Rec.Caption;
    };
    tree.OnGetImageIndexEx = [this](vtree::TBaseLazyTree *sender, vtree::TLazyNode *node, vtree::TLTImageKind kind,
                                    vtree::TColumnIndex, bool &, vtree::TImageIndex &index,
                                    platform::TImageList *&images) {
        if (kind == vtree::TLTImageKind::ikNormal || kind == vtree::TLTImageKind::ikSelected) {
            index = int(sender->GetNodeLevel(node));
            images = IL_Tree1.get();
        }
    };
    const bool wired = &tree == LST;
    tree.OnInitNode = [this, wired](vtree::TBaseLazyTree *sender, vtree::TLazyNode *, vtree::TLazyNode *node,
                                    vtree::TLazyNodeInitStates &) {
        if (wired)
            LSTInitNode(sender, node);
        else
            LST_WirelessInitNode(sender, node);
    };
    tree.OnFreeNode = [this, wired](vtree::TBaseLazyTree *sender, vtree::TLazyNode *node) {
        if (wired)
            LSTFreeNode(sender, node);
        else
            LST_WirelessFreeNode(sender, node);
    };
}

vtree::TLazyNode *TFScanDecode::addNode(vtree::TLazyStringTreeWidget &tree, vtree::TLazyNode *parent,
                                        const NodeData &data, std::optional<bool> checked)
{
    vtree::TLazyNode *node = tree.AddChild(parent);
    new (tree.GetNodeData(node)) NodeData(data);
    if (checked) {
        node->CheckType = vtree::TCheckType::ctCheckBox;
        node->CheckState = *checked ? vtree::TCheckState::csCheckedNormal : vtree::TCheckState::csUncheckedNormal;
    }
    return node;
}

std::vector<vtree::TLazyNode *> TFScanDecode::addRecordNodes(vtree::TLazyStringTreeWidget &tree,
                                                             vtree::TLazyNode *owner, const NodeData &ownerData,
                                                             const std::vector<std::optional<bool>> &recordChecks)
{
    std::vector<vtree::TLazyNode *> nodes;
    nodes.reserve(recordChecks.size());
    for (std::size_t r = 0; r < recordChecks.size(); ++r) {
        NodeData record = ownerData;
        record.Level = RecordLevel;
        record.Record = int(r);
        vtree::TLazyNode *recordNode = addNode(tree, owner, record, recordChecks[r]);
        nodes.push_back(recordNode);
        for (int line = 0; line < RecordDetailLines; ++line) {
            NodeData detail = record;
            detail.Level = DetailLevel;
            detail.Line = line;
            addNode(tree, recordNode, detail, std::nullopt);
        }
    }
    return nodes;
}

// ---- Wired tree ---------------------------------------------------------------

void TFScanDecode::Show_Slave_in_Tree()
{
    std::vector<int> recordCounts;
    {
        auto slaves = m_slaves.lock();
        for (const auto &slave : slaves)
            recordCounts.push_back(int(slave->List_Var.size()));
    }
    L_Num_Slave->setCaption(QString::number(recordCounts.size()));
    LST->Clear();
    std::vector<vtree::TLazyNode *> slaveNodes;
    std::vector<std::vector<vtree::TLazyNode *>> recordNodes;
    LST->BeginUpdate();
    for (std::size_t s = 0; s < recordCounts.size(); ++s) {
        NodeData slave;
        slave.Owner = int(s);
        slaveNodes.push_back(addNode(*LST, nullptr, slave, true));
        recordNodes.push_back(addRecordNodes(*LST, slaveNodes.back(), slave,
                                             std::vector<std::optional<bool>>(std::size_t(recordCounts[s]), true)));
    }
    LST->EndUpdate();
    auto slaves = m_slaves.lock();
    for (std::size_t s = 0; s < slaveNodes.size(); ++s) {
        TSlave_MBus *slave = slaves.tryAt(int(s));
        if (!slave)
            break;
        slave->Node = slaveNodes[s];
        for (std::size_t r = 0; r < recordNodes[s].size(); ++r)
            if (TVariable_MBus *record = recordAt(slave, int(r)))
                record->Node = recordNodes[s][r];
    }
}

void TFScanDecode::LSTInitNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node)
{
    NodeData &data = *Sender->GetNodeData<NodeData>(Node);
    // A node whose slave or record is gone shows nothing.
    data.Rec.Caption.clear();
    auto slaves = m_slaves.lock();
    TSlave_MBus *slave = slaves.tryAt(data.Owner);
    if (!slave)
        return;
    if (data.Level == SlaveLevel) {
        data.Rec.Caption = slaveNodeText(*slave);
    } else if (const TVariable_MBus *record = recordAt(slave, data.Record)) {
        data.Rec.Caption = data.Level == RecordLevel ? recordNodeText(*record) : recordDetailText(*record, data.Line);
    }
}

void TFScanDecode::LSTFreeNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node)
{
    NodeData *data = Sender->GetNodeData<NodeData>(Node);
    {
        auto slaves = m_slaves.lock();
        unlinkNode(slaves.tryAt(data->Owner), data->Level == RecordLevel ? data->Record : -1, Node);
    }
    data->~NodeData();
}

void TFScanDecode::Cancel_Device_List()
{
    // The tree first: its nodes unlink themselves from the slaves they show.
    LST->Clear();
    m_slaves.lock().clear();
}

// ---- Wireless grid ------------------------------------------------------------

void TFScanDecode::Cancel_Grid_Wireless()
{
    ESG_Wireless->setRowCount(1);
    ESG_Wireless->setRowCount(2);
    for (int c = 1; c < WirelessGridColumns; ++c)
        ESG_Wireless->setColors(c, 1, platform::clWhite);
}

void TFScanDecode::clearWirelessResults()
{
    LST_Wireless->Clear();
    m_treeMeter.reset();
    m_meters.lock().clear();
    Cancel_Grid_Wireless();
}

void TFScanDecode::Show_Wireless_Row(const WirelessReport &report)
{
    auto meters = m_meters.lock();
    if (const TSlave_wMBus *meter = reportedMeter(meters, report))
        fillWirelessRow(*meter, report.index);
}

void TFScanDecode::fillWirelessRow(const TSlave_wMBus &meter, int index)
{
    const int row = index + 1;
    if (ESG_Wireless->RowCount() < index + 2)
        ESG_Wireless->setRowCount(index + 2);
    const QStringList texts = wirelessRowTexts(meter, row);
    for (int c = 0; c < WirelessGridColumns; ++c)
        ESG_Wireless->SetCellEx(c, row, texts[c]);
    const platform::TColor color = meter.Cripted ? EncryptedRowColor : PlainRowColor;
    for (int c = 1; c < WirelessGridColumns; ++c)
        ESG_Wireless->setColors(c, row, color);
    ESG_Wireless->AddImageIdx(WirelessCriptedColumn, row, meter.Cripted ? EncryptedImage : PlainImage,
                              controls::TCellHAlign::haCenter, controls::TCellVAlign::vaCenter);
}

// ---- Wireless record tree -----------------------------------------------------

void TFScanDecode::ESG_WirelessClickCell(QObject *, int ARow, int)
{
    std::optional<WirelessReport> meter;
    {
        auto meters = m_meters.lock();
        if (const TSlave_wMBus *found = meters.tryAt(ARow - 1))
            meter = WirelessReport{ARow - 1, applicationIdentity(*found)};
    }
    if (meter)
        Show_Slave_in_Tree_Wireless(*meter);
}

void TFScanDecode::Show_Slave_in_Tree_Wireless(const WirelessReport &meter)
{
    LST_Wireless->Clear();
    m_treeMeter = meter;
    bool enabled = true;
    std::vector<std::optional<bool>> recordChecks;
    {
        auto meters = m_meters.lock();
        const TSlave_wMBus *found = reportedMeter(meters, meter);
        if (!found)
            return;
        enabled = found->Enable;
        for (const auto &record : found->List_Var)
            recordChecks.push_back(record->Enable);
    }
    NodeData top;
    top.Meter = meter;
    LST_Wireless->BeginUpdate();
    vtree::TLazyNode *topNode = addNode(*LST_Wireless, nullptr, top, enabled);
    const std::vector<vtree::TLazyNode *> recordNodes = addRecordNodes(*LST_Wireless, topNode, top, recordChecks);
    LST_Wireless->EndUpdate();
    auto meters = m_meters.lock();
    if (TSlave_wMBus *found = reportedMeter(meters, meter)) {
        found->Node = topNode;
        for (std::size_t r = 0; r < recordNodes.size(); ++r)
            if (TVariable_MBus *record = recordAt(found, int(r)))
                record->Node = recordNodes[r];
    }
}

void TFScanDecode::LST_WirelessInitNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node)
{
    NodeData &data = *Sender->GetNodeData<NodeData>(Node);
    data.Rec.Caption.clear();
    auto meters = m_meters.lock();
    const TSlave_wMBus *meter = reportedMeter(meters, data.Meter);
    if (!meter)
        return;
    if (data.Level == SlaveLevel) {
        data.Rec.Caption = meterNodeText(*meter);
    } else if (const TVariable_MBus *record = recordAt(meter, data.Record)) {
        data.Rec.Caption =
            data.Level == RecordLevel ? wirelessRecordNodeText(*record) : recordDetailText(*record, data.Line);
    }
}

void TFScanDecode::LST_WirelessFreeNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node)
{
    NodeData *data = Sender->GetNodeData<NodeData>(Node);
    {
        auto meters = m_meters.lock();
        unlinkNode(reportedMeter(meters, data->Meter), data->Level == RecordLevel ? data->Record : -1, Node);
    }
    data->~NodeData();
}

void TFScanDecode::LST_WirelessChecked(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node)
{
    if (!plainCheckState(Node->CheckState))
        return;
    const bool checked = Node->CheckState == vtree::TCheckState::csCheckedNormal;
    const NodeData &data = *Sender->GetNodeData<NodeData>(Node);
    auto meters = m_meters.lock();
    TSlave_wMBus *meter = reportedMeter(meters, data.Meter);
    if (!meter)
        return;
    if (data.Level == SlaveLevel)
        meter->Enable = checked;
    else if (data.Level == RecordLevel)
        if (TVariable_MBus *record = recordAt(meter, data.Record))
            record->Enable = checked;
}

// ---- Key entry ----------------------------------------------------------------

void TFScanDecode::ESG_WirelessDblClickCell(QObject *, int ARow, int)
{
    bool encrypted = false;
    {
        auto meters = m_meters.lock();
        const TSlave_wMBus *meter = meters.tryAt(ARow - 1);
        encrypted = meter && meter->Cripted;
    }
    if (encrypted)
        enterKey(ARow - 1);
}

void TFScanDecode::enterKey(int index)
{
    const QPoint mouse = mapFromGlobal(QCursor::pos());
    FInsertKeyWireless->move(mapToGlobal(placeInside(mouse, InsertKeyClientSize, rect())));
    if (platform::execModal(*FInsertKeyWireless) != platform::mrOk)
        return;
    const QString text = FInsertKeyWireless->keyText();
    std::array<std::uint8_t, 16> key{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        bool ok = false;
        const uint byte = text.mid(qsizetype(2 * i), 2).toUInt(&ok, 16);
        key[i] = ok ? std::uint8_t(byte) : 0;
    }
    // The engine takes a key only while its scan receives telegrams.
    if (!TR_ScanDecode->Insert_Wireless_Key(index, key))
        platform::showError(app::text(TextKeyNotInstalled));
}

} // namespace scan
