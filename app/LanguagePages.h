#pragma once
// The language choice of the options dialog: the .lng files of the language
// folder, sorted without regard to case and shown six to a page, each with
// its flag bitmap (<name>.bmp, else DefaultFlag.bmp, else none).
#include <QString>
#include <QStringList>
#include <vector>

namespace app {

struct LanguageSlot {
    QString name;     // the file name without ".lng"
    QString flagPath; // the bitmap to show; empty: the image is hidden
};

struct LanguagePage {
    int page = 1;
    int pageCount = 0;
    bool previousVisible = false;
    bool nextVisible = false;
    std::vector<LanguageSlot> languages; // slot k (1 to 6) is languages[k - 1]; the others are hidden
};

class LanguagePages {
public:
    static constexpr int SlotsPerPage = 6;

    // Lists the folder's .lng files and goes back to page 1.
    void load(const QString &languageDir);

    int fileCount() const { return int(m_files.size()); }
    int pageCount() const { return (fileCount() + SlotsPerPage - 1) / SlotsPerPage; }
    int currentPage() const { return m_page; }

    // Prev/Next: move one page when there is one in that direction.
    void next();
    void previous();

    // What the dialog shows for the current page.
    LanguagePage page() const;

    // The language of slot 1 to 6 on the current page; empty when the slot is hidden.
    QString languageAt(int slot) const;

private:
    QString m_dir;
    QStringList m_files;
    int m_page = 1;
};

// The page counter: text 43 + page + text 44 + page count ("Page 1 / 2").
QString pageCounterText(const QString &pageWord, int page, const QString &separator, int pageCount);

} // namespace app
