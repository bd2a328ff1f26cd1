#pragma once
// The columns of the multi-column drop-down: header text, width, colour,
// alignment, font and wrapping of each. The grid drop-down has namesake
// classes of its own, so these live in a namespace of their own.
#include "controls/dropdown/core/MultiColumnTypes.h"
#include "platform/Color.h"
#include "platform/draw/GraphicsObjects.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace controls::multicol {


class TDropDownColumn {
public:
    TDropDownColumn() = default;
    TDropDownColumn(const TDropDownColumn &) = delete;
    TDropDownColumn &operator=(const TDropDownColumn &) = delete;

    int Width() const { return m_width; }
    void setWidth(int width) { m_width = width; }
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color) { m_color = color; }
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment) { m_alignment = alignment; }
    bool Ellipsis() const { return m_ellipsis; }
    void setEllipsis(bool ellipsis) { m_ellipsis = ellipsis; }
    platform::TFont &Font() { return m_font; }
    const platform::TFont &Font() const { return m_font; }
    void setFont(const platform::TFont &font) { m_font.Assign(font); }
    TColumnType ColumnType() const { return m_columnType; }
    void setColumnType(TColumnType type) { m_columnType = type; }
    QString Header() const { return m_header; }
    void setHeader(const QString &header) { m_header = header; }
    bool Wordwrap() const { return m_wordwrap; }
    void setWordwrap(bool wrap) { m_wordwrap = wrap; }
    // The width follows the widest text when the popup opens.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }

    void Assign(const TDropDownColumn &source);

private:
    int m_width = 80;
    platform::TColor m_color = platform::clWhite;
    TAlignment m_alignment = taLeftJustify;
    bool m_ellipsis = false;
    platform::TFont m_font;
    TColumnType m_columnType = ctText;
    QString m_header;
    bool m_wordwrap = false;
    bool m_autoSize = false;
};

class TDropDownColumns {
public:
    explicit TDropDownColumns(QObject *owner = nullptr) : m_owner(owner) {}
    TDropDownColumns(const TDropDownColumns &) = delete;
    TDropDownColumns &operator=(const TDropDownColumns &) = delete;

    QObject *GetOwner() const { return m_owner; }
    int Count() const { return int(m_columns.size()); }
    TDropDownColumn *Add();
    // Inserted before index (at the end for an index beyond the columns).
    TDropDownColumn *Insert(int index);
    void Delete(int index);
    void Clear() { m_columns.clear(); }
    TDropDownColumn *Items(int index) const { return m_columns.at(std::size_t(index)).get(); }
    TDropDownColumn &operator[](int index) const { return *Items(index); }
    void Assign(const TDropDownColumns &source);

private:
    QObject *m_owner;
    std::vector<std::unique_ptr<TDropDownColumn>> m_columns;
};

} // namespace controls::multicol
