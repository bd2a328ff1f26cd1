#include "controls/dropdown/TabLayout.h"

#include <algorithm>
#include <numeric>

namespace controls {
namespace {

constexpr int Edge = 2;

using Row = std::vector<int>; // tab indexes

std::vector<Row> splitRows(const std::vector<int> &lengths, int room, bool wrap)
{
    std::vector<Row> rows(1);
    int used = 0;
    for (int i = 0; i < static_cast<int>(lengths.size()); ++i) {
        const int length = lengths[static_cast<std::size_t>(i)];
        if (wrap && !rows.back().empty() && used + length > room) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(i);
        used += length;
    }
    return rows;
}

} // namespace

std::vector<QRect> layoutTabs(const TabLayoutInput &in)
{
    const int count = static_cast<int>(in.lengths.size());
    std::vector<QRect> rects(static_cast<std::size_t>(count));
    if (count == 0)
        return rects;
    const bool side = isSideTab(in.position);
    const int room = (side ? in.control.height() : in.control.width()) - 2 * Edge;
    const bool wrap = in.multiLine || side;
    std::vector<int> lengths = in.lengths;
    if (in.fixedLength > 0)
        std::fill(lengths.begin(), lengths.end(), in.fixedLength);
    std::vector<Row> rows = splitRows(lengths, room, wrap);

    if (rows.size() > 1 && !in.raggedRight) {
        for (const Row &row : rows) {
            const int used = std::accumulate(row.begin(), row.end(), 0, [&](int sum, int i) {
                return sum + lengths[static_cast<std::size_t>(i)];
            });
            const int extra = room - used;
            if (extra <= 0)
                continue;
            const int n = static_cast<int>(row.size());
            for (int k = 0; k < n; ++k)
                lengths[static_cast<std::size_t>(row[static_cast<std::size_t>(k)])] +=
                    extra / n + (k >= n - extra % n ? 1 : 0);
        }
    }

    // The selected tab's row moves next to the sheet; the others keep their
    // turn behind it.
    if (in.selected >= 0 && rows.size() > 1) {
        const auto holds = [&](const Row &row) {
            return std::find(row.begin(), row.end(), in.selected) != row.end();
        };
        const auto selectedRow = std::find_if(rows.begin(), rows.end(), holds);
        if (selectedRow != rows.end())
            std::rotate(rows.begin(), selectedRow + 1, rows.end());
    }

    const int depth = in.thickness;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int along = Edge;
        const int across = Edge + static_cast<int>(r) * depth;
        for (const int i : rows[r]) {
            const int length = lengths[static_cast<std::size_t>(i)];
            QRect rect;
            switch (in.position) {
            case TTabPosition::tpTop:
                rect = QRect(along, across, length, depth);
                break;
            case TTabPosition::tpBottom:
                rect = QRect(along, in.control.height() - across - depth, length, depth);
                break;
            case TTabPosition::tpLeft:
                rect = QRect(across, along, depth, length);
                break;
            case TTabPosition::tpRight:
                rect = QRect(in.control.width() - across - depth, along, depth, length);
                break;
            }
            rects[static_cast<std::size_t>(i)] = rect;
            along += length;
        }
    }
    return rects;
}

int tabAt(const std::vector<QRect> &tabs, QPoint point)
{
    for (std::size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].contains(point))
            return static_cast<int>(i);
    return -1;
}

} // namespace controls
