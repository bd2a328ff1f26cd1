#pragma once
// How the string grid writes HTML: the table's attributes, the file's
// framing and what the cells carry into it.
#include "controls/grid/base/IntList.h"

#include <QString>

namespace controls {

class THTMLSettings {
public:
    bool AutoPreview = false;
    bool ConvertSpecialChars = false;
    bool NonBreakingText = false;
    bool SaveColor = true;
    bool SaveFonts = true;
    QString FooterFile;
    QString HeaderFile;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    QString TableStyle;
    QString PrefixTag;
    QString SuffixTag;
    QString Summary;
    int Width = 100;
    bool XHTML = false;
    bool ExportImages = true;

    // Column widths for the WIDTH attributes.
    TIntList &ColWidths() { return m_colWidths; }
    const TIntList &ColWidths() const { return m_colWidths; }

    // Everything but ExportImages and ColWidths.
    void Assign(const THTMLSettings &Source);

private:
    TIntList m_colWidths;
};

} // namespace controls
