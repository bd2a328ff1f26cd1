#include "controls/dropdown/core/CalculatorKeypad.h"

namespace controls {

const std::array<TCalculatorKey, CalculatorKeyCount> &calculatorKeys()
{
    static const std::array<TCalculatorKey, CalculatorKeyCount> keys{{
        {u"", u"BTN_ON", 30, false},      {u"Back", u"BTN_BACK", 31, true}, {u"CE", u"BTN_CE", 32, true},
        {u"C", u"BTN_C", 16, true},       {u"MC", u"BTN_MC", 33, true},     {u"MR", u"BTN_MR", 34, true},
        {u"MS", u"BTN_MS", 35, true},     {u"M+", u"BTN_M+", 36, true},     {u"0", u"BTN_0", 0, false},
        {u"1", u"BTN_1", 1, false},       {u"4", u"BTN_4", 4, false},       {u"7", u"BTN_7", 7, false},
        {u"8", u"BTN_8", 8, false},       {u"5", u"BTN_5", 5, false},       {u"2", u"BTN_2", 2, false},
        {u"+/-", u"BTN_+/-", 14, false},  {u".", u"BTN_.", 15, false},      {u"3", u"BTN_3", 3, false},
        {u"6", u"BTN_6", 6, false},       {u"9", u"BTN_9", 9, false},       {u"/", u"BTN_/", 13, true},
        {u"*", u"BTN_*", 12, true},       {u"-", u"BTN_-", 11, true},       {u"+", u"BTN_+", 10, true},
        {u"=", u"BTN_=", 17, true},       {u"1/x", u"BTN_1/x", 38, false},  {u"%", u"BTN_%", 18, false},
        {u"sqrt", u"BTN_sqrt", 37, true},
    }};
    return keys;
}

std::array<QRect, CalculatorKeyCount> arrangeCalculatorKeys(const QRect &area)
{
    constexpr int gap = 4;
    const int w = (area.width() - 2 * gap) / 6;
    const int h = (area.height() - gap) / 5;
    const int c0 = area.left();
    const int c1 = c0 + w + gap;
    const int c2 = c1 + w - 1;
    const int c3 = c2 + w - 1;
    const int c4 = c3 + w + gap;
    const int c5 = c4 + w - 1;
    const int r0 = area.top();
    const int r1 = r0 + h + gap;
    const int r2 = r1 + h - 1;
    const int r3 = r2 + h - 1;
    const int r4 = r3 + h - 1;
    const auto key = [w, h](int x, int y) { return QRect(x, y, w, h); };
    const int left = c1;
    const int right = c5 + w;
    const int third = (right - left - 2 * gap) / 3;
    const int cLeft = left + 2 * third + 2 * gap;
    return {
        key(c0, r0),
        QRect(left, r0, third, h),
        QRect(left + third + gap, r0, third, h),
        QRect(cLeft, r0, right - cLeft, h),
        key(c0, r1), key(c0, r2), key(c0, r3), key(c0, r4),
        key(c1, r4), key(c1, r3), key(c1, r2), key(c1, r1), // 0 1 4 7
        key(c2, r1), key(c2, r2), key(c2, r3), key(c2, r4), // 8 5 2 +/-
        key(c3, r4), key(c3, r3), key(c3, r2), key(c3, r1), // . 3 6 9
        key(c4, r1), key(c4, r2), key(c4, r3), key(c4, r4), // / * - +
        key(c5, r4), key(c5, r3), key(c5, r2), key(c5, r1), // = 1/x % sqrt
    };
}

} // namespace controls
