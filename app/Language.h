#pragma once
// The table of 800 user-interface texts looked up by fixed index: built-in
// English texts, overlaid by a .lng file of the chosen language.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace app {

struct AppState;

inline constexpr int Lang_Text_Count = 800;

// The built-in English text of an index (0..799); empty outside.
QString builtinText(int index);

class LanguageTable {
public:
    // Starts with the built-in texts, so lookups work before any load.
    LanguageTable();

    // The 800 built-in English texts, in index order.
    void Load_Default_Texts();

    // Overlays the table from one .lng file; a file that cannot be read
    // changes nothing. Never adds or removes slots.
    void Load_Lng_File(const QString &path);

    // Overlays the table from the decoded text of a .lng file.
    void applyLngText(const QString &text);

    // Text N; an index outside the table gives an empty text.
    const QString &text(int index) const;
    int count() const { return static_cast<int>(Lang_Texts.size()); }

private:
    QStringList Lang_Texts;
};

// The process-wide table.
LanguageTable &languageTable();

// Shorthand for languageTable().text(index).
const QString &text(int index);

// Built-in texts, then Language_Dir/<Language_Name>.lng; when that file is
// missing, Language_Name becomes "English" and English.lng is used if present.
void Load_Language(AppState &state);
void Load_Language(); // on app::state()

// One line of a .lng file: the index and the text it sets, or nothing when
// the line is ignored. Indexes must lie in 0..textCount-1.
std::optional<std::pair<int, QString>> parseLngLine(const QString &line, int textCount = Lang_Text_Count);

// The text of a .lng file: a UTF-8 or UTF-16 byte-order mark selects that
// encoding; bytes that are valid UTF-8 are read as UTF-8; anything else as
// Windows-1252, the code page such files were written in.
QString decodeLngBytes(const QByteArray &bytes);

} // namespace app
