// The column layout kept outside the grid: the column states string, and
// the widths and order under ColumnSize's key in an INI file or the
// registry. A stored layout is checked whole against the grid before any
// of it is applied (core/StoredLayout.h): a layout that does not fit raises
// and leaves the grid as it was.
#include "controls/grid/model/GridExchangeState.h"

#include "controls/grid/model/GridStructure.h"
#include "controls/grid/model/core/StoredLayout.h"
#include "platform/ConversionError.h"
#include "platform/Error.h"
#include "platform/HandlerGuard.h"
#include "platform/IniFile.h"
#include "platform/RegistryIniFile.h"

#include <memory>

namespace controls {

namespace {

// The INI file or the registry key of a layout, read and written by name.
class TLayoutStore {
public:
    virtual ~TLayoutStore() = default;
    virtual std::optional<QString> read(const QString &name) const = 0;
    virtual void write(const QString &name, int value) = 0;
    virtual void flush() {}
};

class TIniLayoutStore : public TLayoutStore {
public:
    TIniLayoutStore(const QString &key, QString section) : m_file(key), m_section(std::move(section)) {}
    std::optional<QString> read(const QString &name) const override { return m_file.data().value(m_section, name); }
    void write(const QString &name, int value) override { m_file.data().WriteInteger(m_section, name, value); }
    void flush() override
    {
        QString error;
        if (!m_file.UpdateFile(&error))
            throw platform::Error(error);
    }

private:
    platform::TIniFileOnDisk m_file;
    QString m_section;
};

class TRegistryLayoutStore : public TLayoutStore {
public:
    TRegistryLayoutStore(const QString &key, QString section) : m_file(key), m_section(std::move(section)) {}
    std::optional<QString> read(const QString &name) const override { return m_file.value(m_section, name); }
    void write(const QString &name, int value) override { m_file.WriteInteger(m_section, name, value); }

private:
    platform::TRegistryIniFile m_file;
    QString m_section;
};

std::unique_ptr<TLayoutStore> layoutStore(const TColumnSizeSettings &s)
{
    if (s.Key.isEmpty() || s.Section.isEmpty())
        return nullptr;
    if (s.Location == clIniFile)
        return std::make_unique<TIniLayoutStore>(s.Key, s.Section);
    return std::make_unique<TRegistryLayoutStore>(s.Key, s.Section);
}

QString colKey(int i) { return QStringLiteral("Col%1").arg(i); }
QString posKey(int i) { return QStringLiteral("Pos%1").arg(i); }

} // namespace

// --- the column states string --------------------------------------------------------------------

QString TExStringGrid::ColumnStatesToString()
{
    TColumnStates s;
    s.count = TotalColCount();
    for (int i = 0; i < s.count; ++i)
        s.widths.push_back(i < ColCount() ? ColWidths(i) : DefaultColWidth());
    const TColumnOrder &order = m_structure->columnOrder;
    if (!order.empty() && order.isPermutation() && order.count() == s.count)
        s.order = order.entries();
    for (int c = 0; c < s.count; ++c)
        s.visible.push_back(!IsHiddenColumn(c));
    return columnStatesToString(s);
}

void TExStringGrid::StringToColumnStates(const QString &Value)
{
    const auto read = readColumnStates(Value);
    if (std::holds_alternative<std::monostate>(read))
        return;
    if (const auto *fault = std::get_if<TLayoutFault>(&read))
        throw platform::Error(fault->message);
    const TColumnStates &s = std::get<TColumnStates>(read);
    // Hiding reaches real columns 0 to 512 only.
    for (int c = 0; c < s.count; ++c)
        if (!s.visible[std::size_t(c)] && c > 512)
            throw platform::Error(QStringLiteral("List index out of bounds (%1)").arg(c));

    m_structure->columnOrder.clear();
    UnHideColumnsAll();
    setColCount(s.count);
    if (!s.order.empty()) {
        // The columns as they stand now are the first order: each moves to
        // the position the layout names it for.
        SetColumnOrderList(inversePermutation(s.order));
        ResetColumnOrder();
        SetColumnOrderList(s.order);
    }
    for (int c = s.count - 1; c >= 0; --c)
        if (!s.visible[std::size_t(c)])
            HideColumn(c);
    TColumnSizeSettings &size = ColumnSize();
    const bool stretch = size.Stretch;
    size.Stretch = false;
    if (stretch && ColCount() > 0) {
        const int sc = size.StretchColumn < 0 || size.StretchColumn >= ColCount() ? ColCount() - 1
                                                                                    : size.StretchColumn;
        setDefaultColWidth(ColWidths(sc));
    }
    for (int i = 0; i < ColCount(); ++i)
        setColWidths(i, s.widths[std::size_t(i)]);
    size.Stretch = stretch;
    ApplyOwnStretch();
}

// --- widths and order under a key ------------------------------------------------------------------

void TExStringGrid::SaveColSizes()
{
    auto store = layoutStore(ColumnSize());
    if (!store)
        return;
    for (int i = 0; i < ColCount(); ++i)
        store->write(colKey(i), ColWidths(i));
    store->flush();
}

void TExStringGrid::LoadColSizes()
{
    auto store = layoutStore(ColumnSize());
    if (!store)
        return;
    // Every stored width is read and checked before one is applied.
    std::vector<int> widths;
    for (int i = 0; i < ColCount(); ++i) {
        const auto text = store->read(colKey(i));
        if (!text) {
            widths.push_back(ColWidths(i));
            continue;
        }
        bool ok = false;
        const int w = text->trimmed().toInt(&ok);
        if (!ok)
            throw platform::Error(platform::notAnIntegerMessage(*text));
        if (w < 0 || w > kStoredLayoutMaxWidth)
            throw platform::Error(QStringLiteral("List index out of bounds (%1)").arg(w));
        widths.push_back(w);
    }
    for (int i = 0; i < ColCount(); ++i)
        if (ColWidths(i) != widths[std::size_t(i)])
            setColWidths(i, widths[std::size_t(i)]);
    if (ColumnSize().Location == clIniFile)
        store->flush();
}

void TExStringGrid::loadColSizesOnce()
{
    TGridExchange &x = exchange();
    if (!ColumnSize().Save || x.sizesLoaded)
        return;
    x.sizesLoaded = true;
    platform::guarded([&] { LoadColSizes(); });
}

void TExStringGrid::SaveColPositions()
{
    auto store = layoutStore(ColumnSize());
    if (!store)
        return;
    const TColumnOrder &order = m_structure->columnOrder;
    for (int i = 0; i < order.count(); ++i)
        store->write(posKey(i), order.at(i));
    store->flush();
}

void TExStringGrid::LoadColPositions()
{
    auto store = layoutStore(ColumnSize());
    if (!store)
        return;
    const auto first = store->read(posKey(0));
    if (!first || first->trimmed() == QStringLiteral("-1"))
        return;
    const int count = TotalColCount();
    std::vector<std::optional<QString>> values;
    for (int i = 0; i < count; ++i)
        values.push_back(store->read(posKey(i)));
    const auto read = readStoredOrder(values, count);
    if (const auto *fault = std::get_if<TLayoutFault>(&read))
        throw platform::Error(fault->message);
    const std::vector<int> &order = std::get<std::vector<int>>(read);

    std::vector<int> hidden;
    for (int c = 0; c < count; ++c)
        if (IsHiddenColumn(c))
            hidden.push_back(c);
    SetColumnOrderList(inversePermutation(order));
    UnHideColumnsAll();
    ResetColumnOrder();
    for (const int c : hidden)
        HideColumn(c);
    SetColumnOrderList(order);
    if (ColumnSize().Location == clIniFile)
        store->flush();
}

} // namespace controls
