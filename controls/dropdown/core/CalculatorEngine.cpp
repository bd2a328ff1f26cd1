#include "controls/dropdown/core/CalculatorEngine.h"

#include "controls/dropdown/core/NumberRules.h"

#include <QLocale>

#include <cmath>

namespace controls {

namespace {

constexpr bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The shortest text of a double that reads back as itself, in the locale.
QString shortestText(double value, const TFormatSettings &fs)
{
    QString text = QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
    text.replace(u'.', fs.DecimalSeparator);
    return text;
}

} // namespace

TEditTypeSettings TCalculatorEngine::defaultSettings()
{
    TEditTypeSettings settings;
    settings.EditType = etFloat;
    settings.Precision = 2;
    settings.Signed = true;
    return settings;
}

TCalculatorEngine::TCalculatorEngine(TEditTypeSettings settings, const TFormatSettings &fs)
    : m_settings(std::move(settings)), m_fs(fs)
{
    setDisplay(QStringLiteral("0"));
}

void TCalculatorEngine::setDisplay(const QString &text)
{
    // A lone sign or nothing at all is no number to show.
    if (text.isEmpty() || text == u"-") {
        m_display = NormalizeTextValue(QStringLiteral("0"), m_settings, m_fs);
        return;
    }
    m_display = text == CalculatorErrorText ? text : NormalizeTextValue(text, m_settings, m_fs);
}

void TCalculatorEngine::setEditType(TDropDownEditType type)
{
    if (m_settings.EditType == type)
        return;
    const double v = value();
    m_settings.EditType = type;
    if (!isError())
        showNumber(v);
}

std::optional<long double> TCalculatorEngine::displayNumber() const
{
    QString plain;
    plain.reserve(m_display.size());
    for (const QChar c : m_display) {
        if (!m_fs.ThousandSeparator.isNull() && c == m_fs.ThousandSeparator)
            continue;
        if (c == m_fs.DecimalSeparator)
            plain += u'.';
        else if (c == u'.')
            return std::nullopt;
        else
            plain += c;
    }
    // "1." is what a typed decimal separator leaves: still the number.
    if (plain.endsWith(u'.'))
        plain.chop(1);
    bool ok = false;
    const double v = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double TCalculatorEngine::value() const
{
    const std::optional<long double> v = displayNumber();
    return v ? static_cast<double>(*v) : 0;
}

void TCalculatorEngine::showNumber(long double v)
{
    const double shown = static_cast<double>(v);
    const std::optional<QString> text = std::isfinite(shown) ? FloatValueText(shown, m_settings, m_fs) : std::nullopt;
    if (!text) {
        showError();
        return;
    }
    m_display = *text;
}

void TCalculatorEngine::showError()
{
    m_display = CalculatorErrorText;
    m_accumulator = 0;
}

void TCalculatorEngine::applyPendingOperator()
{
    // A failed display counts as 0 for the next operation.
    const long double x = displayNumber().value_or(0);
    long double result = 0;
    switch (m_pending) {
    case TCalculatorOp::Add:
        result = m_accumulator + x;
        break;
    case TCalculatorOp::Multiply:
        result = x * m_accumulator;
        break;
    case TCalculatorOp::Subtract:
        result = m_accumulator - x;
        break;
    case TCalculatorOp::Divide:
        if (x == 0) {
            showError();
            return;
        }
        result = m_accumulator / x;
        break;
    case TCalculatorOp::None:
        result = x;
        break;
    }
    if (!std::isfinite(static_cast<double>(result))) {
        showError();
        m_newValue = true;
        return;
    }
    m_accumulator = result;
    showNumber(result);
    m_newValue = true;
}

void TCalculatorEngine::pressOperator(TCalculatorOp op)
{
    applyPendingOperator();
    m_pending = op;
}

void TCalculatorEngine::pressEquals()
{
    applyPendingOperator();
    m_pending = TCalculatorOp::None;
    if (const std::optional<long double> v = displayNumber())
        m_accumulator = *v;
}

void TCalculatorEngine::pressPercent()
{
    const long double x = displayNumber().value_or(0);
    const long double percent = m_accumulator * x / 100;
    if (!std::isfinite(static_cast<double>(percent))) {
        showError();
        return;
    }
    showNumber(percent);
}

void TCalculatorEngine::digit(int d)
{
    const bool failed = isError();
    const long double v = failed ? 0 : value();
    if ((v == 0 && m_decimalDivisor == 0) || m_newValue || failed) {
        setDisplay(QString::number(d));
        m_newValue = false;
        return;
    }
    // A negative number grows away from zero, as typing its digits would.
    const long double sign = std::signbit(v) ? -1 : 1;
    long double next;
    if (m_decimalDivisor > 0) {
        next = v + sign * d / m_decimalDivisor;
        m_decimalDivisor *= 10;
    } else
        next = v * 10 + sign * d;
    showNumber(next);
}

void TCalculatorEngine::clearAll()
{
    setDisplay(QStringLiteral("0"));
    m_accumulator = 0;
    m_pending = TCalculatorOp::None;
}

bool TCalculatorEngine::lengthens(const QString &before) const
{
    const int limit = m_settings.MaxLength;
    return limit > 0 && m_display.size() > before.size() && m_display.size() > limit;
}

bool TCalculatorEngine::pressKey(int tag)
{
    if ((tag >= ctAdd && tag <= ctSign) || tag == ctClear || tag == ctEquals || tag == ctPercent || tag == ctBlank ||
        tag == ctClearEntry)
        m_decimalDivisor = 0;
    const bool entry = (tag >= 0 && tag <= 9) || tag == ctSign || tag == ctDecimal;
    // The limit refuses only what would make the text longer: a digit that
    // starts a new number after a long result is still typed.
    const TCalculatorEngine before = *this;
    if (entry && isError()) {
        setDisplay(QStringLiteral("0"));
        m_newValue = true;
    }
    if (tag >= 0 && tag <= 9)
        digit(tag);
    else
        switch (tag) {
        case ctAdd:
            pressOperator(TCalculatorOp::Add);
            break;
        case ctSubtract:
            pressOperator(TCalculatorOp::Subtract);
            break;
        case ctMultiply:
            pressOperator(TCalculatorOp::Multiply);
            break;
        case ctDivide:
            pressOperator(TCalculatorOp::Divide);
            break;
        case ctSign:
            if (m_display.contains(u'-'))
                setDisplay(m_display.mid(1));
            else
                setDisplay(u'-' + m_display);
            break;
        case ctDecimal:
            if (!m_display.contains(m_fs.DecimalSeparator))
                m_display += m_fs.DecimalSeparator;
            m_decimalDivisor = 10;
            if (m_newValue)
                setDisplay(QStringLiteral("0"));
            m_newValue = false;
            break;
        case ctClear:
        case ctBlank:
        case ctClearEntry:
            clearAll();
            break;
        case ctEquals:
            pressEquals();
            break;
        case ctPercent:
            pressPercent();
            break;
        case ctBack:
            if (m_pending == TCalculatorOp::None) {
                QString text = shortestText(value(), m_fs);
                text.chop(1);
                m_display = text;
                // "-" from -5, "1e-0" from 1e-05: what is left must be a
                // number, else the display starts from 0.
                if (!displayNumber() || text.contains(u'e'))
                    text = QStringLiteral("0");
                setDisplay(text);
            }
            break;
        case ctMemoryClear:
            m_memory = 0;
            break;
        case ctMemoryRecall:
            showNumber(m_memory);
            break;
        case ctMemoryStore:
            m_memory = displayNumber().value_or(0);
            break;
        case ctMemoryAdd:
            m_memory += displayNumber().value_or(0);
            break;
        case ctSquareRoot: {
            const double v = value();
            if (v >= 0)
                showNumber(std::sqrt(static_cast<long double>(v)));
            else
                m_display = CalculatorErrorText;
            break;
        }
        case ctReciprocal: {
            const double v = value();
            if (v != 0)
                showNumber(1 / static_cast<long double>(v));
            else
                m_display = CalculatorErrorText;
            break;
        }
        default:
            break;
        }
    if (entry && lengthens(before.m_display)) {
        *this = before;
        return false;
    }
    return true;
}

void TCalculatorEngine::popupOpened()
{
    m_newValue = true;
    m_decimalDivisor = 0;
}

TCalculatorEngine::TTyped TCalculatorEngine::typedKey(QChar key, bool popupOpen)
{
    if (!popupOpen) {
        switch (key.unicode()) {
        case 13:
            pressEquals();
            break;
        case u'C':
        case u'c':
            setDisplay(QStringLiteral("0"));
            m_newValue = true;
            m_pending = TCalculatorOp::None;
            break;
        default:
            pressArithmeticKey(key);
            break;
        }
    }
    const bool digitKey = isDigit(key);
    if (!digitKey && key != m_fs.DecimalSeparator && key != QChar(8) && key != u'-')
        return {};
    // With the popup closed a minus was the subtract key.
    if (!popupOpen && key == u'-')
        return {};
    // The zero a clear or a new calculator shows is replaced, formatted or
    // not.
    const bool zero = m_display == u"0" || m_display == NormalizeTextValue(QStringLiteral("0"), m_settings, m_fs);
    if (digitKey && (zero || m_newValue || isError())) {
        m_display = key;
        m_newValue = false;
        return {QChar(), true};
    }
    if (m_display.size() == 1 && key == QChar(8)) {
        m_display = QStringLiteral("0");
        return {QChar(), true};
    }
    if (key == m_fs.ThousandSeparator || (key == m_fs.DecimalSeparator && m_display.contains(m_fs.DecimalSeparator)))
        return {};
    return {key};
}

TCalculatorClose TCalculatorEngine::popupKeyPress(QChar key)
{
    // Backspace is the key-down's, one character a key.
    if (key == QChar(8))
        return TCalculatorClose::None;
    const QString before = m_display;
    const TTyped typed = typedKey(key, true);
    // The edit inserts at the end, a minus only in front of nothing.
    const int limit = m_settings.MaxLength;
    if (!typed.insert.isNull() && (limit <= 0 || m_display.size() < limit) &&
        (typed.insert != u'-' || m_display.isEmpty()))
        m_display += typed.insert;
    if (key == m_fs.DecimalSeparator && !m_display.contains(m_fs.DecimalSeparator))
        m_display += m_fs.DecimalSeparator;
    if (isDigit(key) && limit > 0 && before.size() == limit && m_display.size() > limit)
        return TCalculatorClose::None;
    switch (key.unicode()) {
    case 13:
        pressEquals();
        return TCalculatorClose::Keep;
    case 27:
        return TCalculatorClose::Cancel;
    case u'C':
    case u'c':
        setDisplay(QStringLiteral("0"));
        m_accumulator = 0;
        m_newValue = true;
        m_pending = TCalculatorOp::None;
        break;
    default:
        if (!pressArithmeticKey(key) && isDigit(key) && (m_display == u"0" || m_newValue))
            m_newValue = false;
        break;
    }
    return TCalculatorClose::None;
}

bool TCalculatorEngine::pressArithmeticKey(QChar key)
{
    switch (key.unicode()) {
    case u'=':
        pressEquals();
        return true;
    case u'%':
        pressPercent();
        return true;
    case u'*':
        pressOperator(TCalculatorOp::Multiply);
        return true;
    case u'+':
        pressOperator(TCalculatorOp::Add);
        return true;
    case u'-':
        pressOperator(TCalculatorOp::Subtract);
        return true;
    case u'/':
        pressOperator(TCalculatorOp::Divide);
        return true;
    default:
        return false;
    }
}

void TCalculatorEngine::popupBackspace()
{
    // Kept as it is left: formatting "7.0" again would give back the
    // character just deleted.
    m_display.chop(1);
    if (isError())
        setDisplay(QStringLiteral("0"));
}

void TCalculatorEngine::deleteKey()
{
    if (m_display.isEmpty() || m_display == CalculatorErrorText)
        setDisplay(QStringLiteral("0"));
}

} // namespace controls
