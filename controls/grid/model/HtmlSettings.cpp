#include "controls/grid/model/HtmlSettings.h"

namespace controls {

void THTMLSettings::Assign(const THTMLSettings &Source)
{
    BorderSize = Source.BorderSize;
    CellSpacing = Source.CellSpacing;
    CellPadding = Source.CellPadding;
    SaveColor = Source.SaveColor;
    SaveFonts = Source.SaveFonts;
    FooterFile = Source.FooterFile;
    HeaderFile = Source.HeaderFile;
    TableStyle = Source.TableStyle;
    PrefixTag = Source.PrefixTag;
    SuffixTag = Source.SuffixTag;
    Summary = Source.Summary;
    Width = Source.Width;
    XHTML = Source.XHTML;
    ConvertSpecialChars = Source.ConvertSpecialChars;
    AutoPreview = Source.AutoPreview;
    NonBreakingText = Source.NonBreakingText;
}

} // namespace controls
