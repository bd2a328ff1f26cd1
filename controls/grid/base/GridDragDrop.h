#pragma once
// Drag and drop for the grids, apart from any widget: what a dropped data
// object offers and what it holds (read with no trust in its lengths), the
// drop target that turns a drop into one call of its hooks, the drop source
// that follows the drag, and the data a drag started here offers. The
// widgets hand their Qt drag events to these; everything runs on the
// interface thread.
#include <QByteArray>
#include <QMimeData>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace controls {

// The formats by their MIME types. Cells and columns use types of our own;
// their bytes keep the grid's framing (little-endian 32-bit numbers).
namespace mime {
inline const QString Text = QStringLiteral("text/plain");
inline const QString RichText = QStringLiteral("text/rtf");
// Files and web addresses alike, one URL a line.
inline const QString UriList = QStringLiteral("text/uri-list");
// One 32-bit column index.
inline const QString GridColumn = QStringLiteral("application/x-grid-column");
// The grid's own cells, by the clipboard and by drags alike: a 32-bit
// length n, 4 reserved bytes, then n bytes of the grid's cell stream.
inline const QString GridCells = QStringLiteral("application/x-texstringgrid-cells");
} // namespace mime

// Drop effects, as a source allows them and a target answers them.
constexpr int DROPEFFECT_NONE = 0;
constexpr int DROPEFFECT_COPY = 1;
constexpr int DROPEFFECT_MOVE = 2;
constexpr int DROPEFFECT_LINK = 4;

// Answers of the drag loop and of the drop source.
constexpr std::uint32_t S_OK = 0;
constexpr std::uint32_t DRAGDROP_S_DROP = 0x40100;
constexpr std::uint32_t DRAGDROP_S_CANCEL = 0x40101;
constexpr std::uint32_t DRAGDROP_S_USEDEFAULTCURSORS = 0x40102;

enum class TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };

class TDropFormats {
public:
    TDropFormats() = default;
    TDropFormats(std::initializer_list<TDropFormat> formats)
    {
        for (const TDropFormat f : formats)
            insert(f);
    }
    bool contains(TDropFormat f) const { return m_bits & bit(f); }
    void insert(TDropFormat f) { m_bits |= bit(f); }
    bool empty() const { return m_bits == 0; }
    friend bool operator==(const TDropFormats &, const TDropFormats &) = default;

private:
    static unsigned bit(TDropFormat f) { return 1u << static_cast<unsigned>(f); }
    unsigned m_bits = 0;
};

// Whether rich text is offered by drags and taken by drops, for every grid
// of the program; off until the grid's rich-text setting turns it on.
void AllowRTFDragDrop(bool allow);
bool rtfDragDropAllowed();

// Reads what a dropped data object offers. Every reader is bounded by the
// bytes it was given: a length or an index that the payload cannot hold
// makes that format a lie, and a data object with a lie in it is refused
// as a whole (Trustworthy).
class TEnumFormats {
public:
    explicit TEnumFormats(const QMimeData &data);

    bool HasText() const { return m_data.hasFormat(mime::Text); }
    bool HasFile() const { return !m_files.isEmpty(); }
    bool HasRTF() const { return m_data.hasFormat(mime::RichText); }
    bool HasCol() const { return m_data.hasFormat(mime::GridColumn); }
    bool HasURL() const { return m_hasUrl; }
    bool HasGridCells() const { return m_data.hasFormat(mime::GridCells); }
    TDropFormats Formats() const;

    // The offered text; empty when there is none.
    QString Text() const;
    // The rich text as 8-bit characters, up to its terminating zero or the
    // end of the payload; empty when there is none.
    QString RTF() const;
    // The column index; -1 when there is none or it is cut short.
    int Col() const;
    // The bytes of the cell block; nullopt when there is none or its length
    // does not fit the payload.
    std::optional<QByteArray> Stream() const;
    // The local files named by the URL list.
    const QStringList &Files() const { return m_files; }

    // No offered format claims more than its payload holds.
    bool Trustworthy() const;

private:
    const QMimeData &m_data;
    QStringList m_files;
    bool m_hasUrl = false;
};

// The pieces of a URL list (RFC 2483): blank lines and comments skipped,
// every other line a URL; lines that are no absolute URL are left out.
struct TUriList {
    QStringList files; // local files, as paths
    bool hasWebAddress = false;
};
TUriList readUriList(const QByteArray &bytes);

// The effect a target answers: a copy with Ctrl held, else a move when the
// source allows one, else a copy.
int chooseDropEffect(bool ctrlHeld, int allowedEffects);

// A drop target with accept flags; a drop becomes calls of the hooks, the
// point in screen coordinates. The hooks do nothing here.
class TESGDropTarget {
public:
    virtual ~TESGDropTarget() = default;

    bool AcceptText = true;
    bool AcceptFiles = true;
    bool AcceptCols = false;
    bool AcceptURLs = true;
    // The formats of the current drag, set when it enters.
    TDropFormats DropFormats() const { return m_dropFormats; }
    // The current drag may drop here.
    bool Ok() const { return m_ok; }

    // effect comes in as the effects the source allows and goes out as the
    // answer.
    void DragEnter(const QMimeData &data, bool ctrlHeld, QPoint pt, int &effect);
    void DragOver(bool ctrlHeld, QPoint pt, int &effect);
    void DragLeave();
    void Drop(const QMimeData &data, bool ctrlHeld, QPoint pt, int &effect);

protected:
    virtual void DropText(QPoint pt, const QString &text) {}
    virtual void DropStream(QPoint pt, const QByteArray &stream) {}
    virtual void DropCol(QPoint pt, int col) {}
    virtual void DropRTF(QPoint pt, const QString &rtf) {}
    virtual void DropFiles(QPoint pt, const QStringList &files) {}
    virtual void DropURL(QPoint pt, const QString &text) {}
    // Clearing allow refuses the drop at this point.
    virtual void DragMouseMove(QPoint pt, bool &allow, TDropFormats formats) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

private:
    bool accepts(const TEnumFormats &formats) const;

    bool m_ok = false;
    TDropFormats m_dropFormats;
};

// Follows a drag started here. The hooks do nothing here.
class TESGDropSource {
public:
    virtual ~TESGDropSource() = default;

    // S_OK to go on, DRAGDROP_S_CANCEL after Escape, DRAGDROP_S_DROP once
    // the left button is up.
    std::uint32_t QueryContinueDrag(bool escapePressed, bool leftButtonDown);
    std::uint32_t GiveFeedback(int effect);
    // The last feedback showed no drop effect: the drag ends in nothing.
    bool NoAccept() const { return m_noAccept; }

protected:
    virtual void DragEnded() {}
    virtual void CurrentEffect(int effect) {}
    virtual void QueryDrag() {}

private:
    bool m_noAccept = false;
};

// What a drag started here offers: the text (with the rich text while rich
// text may be dragged), a column, or a cell block. It lists exactly the
// formats it can deliver.
class TSourceDataObject {
public:
    TSourceDataObject(const QString &text, const QString &rtf, int column, std::optional<QByteArray> cells);

    QStringList formats() const;
    bool QueryGetData(const QString &format) const;
    std::optional<QByteArray> GetData(const QString &format) const;

private:
    bool hasText() const { return m_column < 0; }

    QString m_text;
    QString m_rtf;
    int m_column;
    std::optional<QByteArray> m_cells;
};

// The framing of the two formats of our own.
QByteArray frameGridCells(const QByteArray &stream);
QByteArray frameGridColumn(int column);

} // namespace controls
