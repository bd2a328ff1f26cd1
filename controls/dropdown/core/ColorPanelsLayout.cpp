#include "controls/dropdown/core/ColorPanelsLayout.h"

#include <Qt>

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

TColor fromRgb(unsigned rgb)
{
    return RGB(int(rgb >> 16 & 0xFF), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
}

constexpr unsigned PaletteRows[6][10] = {
    {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646},
    {0xF2F2F2, 0x7F7F7F, 0xDDD9C3, 0xC2CEDA, 0xDBE5F1, 0xF2DCDB, 0xEBF1DD, 0xE5E0EC, 0xDBEEF3, 0xFDEADA},
    {0xD8D8D8, 0x595959, 0xC4BD97, 0x8DB3E2, 0xB8CCE4, 0xE5B9B7, 0xD7E3BC, 0xCCC1D9, 0xB7DDE8, 0xFBD5B5},
    {0xBFBFBF, 0x3F3F3F, 0x938953, 0x548DD4, 0x95B3D7, 0xD99694, 0xC3D69B, 0xB2A2C7, 0x92CDDC, 0xFAC08F},
    {0xA5A5A5, 0x262626, 0x494429, 0x17365D, 0x366092, 0x953734, 0x76923C, 0x5F497A, 0x31859B, 0xE36C09},
    {0x7F7F7F, 0x0C0C0C, 0x1D1B10, 0x0F243E, 0x244061, 0x632423, 0x4F6128, 0x3F3151, 0x205867, 0x974806},
};

constexpr int CubeRowLength[13] = {7, 8, 9, 10, 11, 12, 13, 12, 11, 10, 9, 8, 7};

constexpr unsigned CubeColors[CubeCellCount] = {
    0x003366, 0x336699, 0x3366CC, 0x003399, 0x000099, 0x0000CC, 0x000066,
    0x006666, 0x006699, 0x0099CC, 0x0066CC, 0x0033CC, 0x0000FF, 0x3333FF, 0x333399,
    0x008080, 0x009999, 0x33CCCC, 0x00CCFF, 0x0099FF, 0x0066FF, 0x3366FF, 0x3333CC, 0x666699,
    0x339966, 0x00CC99, 0x00FFCC, 0x00FFFF, 0x33CCFF, 0x3399FF, 0x6699FF, 0x6666FF, 0x6600FF, 0x6600CC,
    0x339933, 0x00CC66, 0x00FF99, 0x66FFCC, 0x66FFFF, 0x66CCFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9900FF,
    0x006600, 0x00CC00, 0x00FF00, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCECFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC00FF,
    0x9900CC,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x336600, 0x009900, 0x66FF33, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF33CC, 0xCC0099,
    0x800080,
    0x333300, 0x669900, 0x99FF33, 0xCCFF66, 0xFFFF99, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xCC3399, 0x990099,
    0x666633, 0x99CC00, 0xCCFF33, 0xFFFF66, 0xFFCC66, 0xFF9966, 0xFF7C80, 0xFF0066, 0xD60093, 0x993366,
    0x808000, 0xCCCC00, 0xFFFF00, 0xFFCC00, 0xFF9933, 0xFF6600, 0xFF5050, 0xCC0066, 0x660033,
    0x996633, 0xCC9900, 0xFF9900, 0xCC6600, 0xFF3300, 0xFF0000, 0xCC0000, 0x990033,
    0x663300, 0x996600, 0xCC3300, 0x993300, 0x990000, 0x800000, 0xA50021,
};

std::array<TCubeCell, CubeCellCount + 1> buildCube()
{
    std::array<TCubeCell, CubeCellCount + 1> cells{};
    int index = 1;
    for (int r = 1; r <= 13; ++r) {
        const int first = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
        for (int k = 0; k < CubeRowLength[r - 1]; ++k, ++index)
            cells[std::size_t(index)] = {first + 2 * CubeCellSize.x() * k, 10 + 10 * r, fromRgb(CubeColors[index - 1])};
    }
    return cells;
}

} // namespace

std::vector<TColorBoxSpec> defaultColorBoxes()
{
    std::vector<TColorBoxSpec> boxes;
    boxes.reserve(60);
    for (int row = 0; row < 6; ++row) {
        const TItemPos pos = row == 0 ? ipStandAlone : row == 1 ? ipTop : row == 5 ? ipBottom : ipMiddle;
        for (unsigned rgb : PaletteRows[row])
            boxes.push_back({fromRgb(rgb), pos});
    }
    return boxes;
}

TColorBoxArrangement arrangeColorBoxes(const std::vector<TItemPos> &positions, int columns, int gap, QSize box)
{
    TColorBoxArrangement result;
    const int count = int(positions.size());
    if (count == 0) {
        result.panel = {100, 50};
        return result;
    }
    columns = std::max(1, columns);
    const int margin = 4;
    const int w = box.width(), h = box.height();
    int x = margin, y = margin, column = 0, maxX = 0;
    bool gapBelow = false;
    for (int i = 0; i < count; ++i) {
        result.boxes.emplace_back(QPoint(x, y), QSize(w, h));
        ++column;
        if (i == count - 1)
            break;
        if (positions[std::size_t(i)] == ipStandAlone)
            gapBelow = true;
        if (column < columns) {
            x += w + gap;
        } else {
            if (gapBelow)
                y += gap;
            gapBelow = false;
            y += h;
            maxX = std::max(maxX, x);
            x = margin;
            column = 0;
        }
    }
    result.panel = {std::max(x, maxX) + w + margin + 1, y + h + margin};
    return result;
}

int colorBoxKeyTarget(int key, int current, int count, int columns, bool editorEnabled, bool droppedDown)
{
    if (count <= 0)
        return -1;
    const auto within = [count](int index) { return index >= 0 && index < count ? index : -1; };
    const int next = within(current < 0 ? 0 : current + 1);
    const int previous = within(current - 1);
    const bool sideways = !editorEnabled || droppedDown;
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_Home:
        return 0;
    case Qt::Key_PageDown:
    case Qt::Key_End:
        return count - 1;
    case Qt::Key_Left:
        return sideways ? previous : -1;
    case Qt::Key_Right:
        return sideways ? next : -1;
    case Qt::Key_Up:
        return droppedDown ? within(current < 0 ? 0 : current - columns) : previous;
    case Qt::Key_Down:
        return droppedDown ? within(current < 0 ? 0 : current + columns) : next;
    default:
        return -1;
    }
}

const std::array<TCubeCell, CubeCellCount + 1> &cubeCells()
{
    static const std::array<TCubeCell, CubeCellCount + 1> cells = buildCube();
    return cells;
}

int cubeCellAtPos(QPoint at)
{
    const auto &cells = cubeCells();
    const int r2 = CubeCellSize.x() * CubeCellSize.x();
    for (int i = 1; i <= CubeCellCount; ++i) {
        const int dx = cells[std::size_t(i)].X - at.x(), dy = cells[std::size_t(i)].Y - at.y();
        if (dx * dx + dy * dy <= r2)
            return i;
    }
    return -1;
}

int cubeCellOfColor(TColor color)
{
    const auto &cells = cubeCells();
    for (int i = 1; i <= CubeCellCount; ++i)
        if (cells[std::size_t(i)].Color == color)
            return i;
    return -1;
}

std::array<QPoint, 6> hexagonCorners(QPoint c, QPoint s)
{
    return {QPoint(c.x() - s.x(), c.y() - s.y()), QPoint(c.x(), c.y() - 2 * s.y()),
            QPoint(c.x() + s.x(), c.y() - s.y()), QPoint(c.x() + s.x(), c.y() + s.y()),
            QPoint(c.x(), c.y() + 2 * s.y()),     QPoint(c.x() - s.x(), c.y() + s.y())};
}

QString rgbHint(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QStringLiteral("Red: %1,  Green: %2,  Blue: %3").arg(GetRValue(rgb)).arg(GetGValue(rgb)).arg(GetBValue(rgb));
}

} // namespace controls
