#pragma once
// The text layer of the lazy tree: every cell shows a text the tree never
// keeps but asks the application for (OnGetCellText, else OnGetText), with
// "Node" when nobody answers. Each node reserves a slot for the measured
// width of its main-column text, which painting fills and every change that
// may alter the text empties.
#include "controls/vtree/BaseLazyTree.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vtree {

enum class TLTStringOption : std::uint8_t { toSaveCaptions, toShowStaticText, toAutoAcceptEditChange };
using TLTStringOptions = TEnumSet<TLTStringOption, std::uint8_t>;

class TCustomStringTreeOptions : public TCustomLazyTreeOptions {
public:
    using TCustomLazyTreeOptions::TCustomLazyTreeOptions;
    TLTStringOptions StringOptions() const { return FStringOptions; }
    void SetStringOptions(TLTStringOptions value);
    void AssignTo(TCustomLazyTreeOptions &Dest) const override;

private:
    TLTStringOptions FStringOptions{TLTStringOption::toSaveCaptions, TLTStringOption::toAutoAcceptEditChange};
};

class TStringTreeOptions : public TCustomStringTreeOptions {
public:
    using TCustomStringTreeOptions::TCustomStringTreeOptions;
};

using TLSTGetTextEvent =
    std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, TLSTTextType TextType, QString &CellText)>;
using TLSTGetCellTextEvent = std::function<void(TreeSender, TLSTGetCellTextEventArgs &E)>;
using TLSTNewTextEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column, const QString &NewText)>;
using TLSTGetHintEvent = std::function<void(TreeSender, PLazyNode Node, TColumnIndex Column,
                                            TLTTooltipLineBreakStyle &LineBreakStyle, QString &HintText)>;
// Painting and measuring the texts (raised by the tree's window).
using TLSTPaintTextEvent =
    std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, TColumnIndex Column, TLSTTextType TextType)>;
using TLSTShortenStringEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, TColumnIndex Column,
                                                  const QString &S, int TextSpace, QString &Result, bool &Done)>;
using TLSTMeasureTextEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, TColumnIndex Column,
                                                const QString &Text, int &Extent)>;
using TLSTDrawTextEvent = std::function<void(TreeSender, TCanvasPtr TargetCanvas, PLazyNode Node, TColumnIndex Column,
                                             const QString &Text, QRect CellRect, bool &DefaultDraw)>;

class TCustomLazyStringTree : public TBaseLazyTree {
public:
    TCustomLazyStringTree();
    ~TCustomLazyStringTree() override;

    QString ClassName() const override { return QStringLiteral("TCustomLazyStringTree"); }

    QString GetText(PLazyNode Node, TColumnIndex Column);
    QString GetStaticText(PLazyNode Node, TColumnIndex Column);
    // The tree keeps nothing: OnNewText hands the text to the application.
    void SetText(PLazyNode Node, TColumnIndex Column, const QString &Value);
    QString GetImageText(PLazyNode Node, TLTImageKind Kind, TColumnIndex Column);
    // The texts from the top level down to Node, each followed by Delimiter.
    QString Path(PLazyNode Node, TColumnIndex Column, QChar Delimiter);
    QString DefaultText() const { return FDefaultText; }
    void SetDefaultText(const QString &Value);

    TCustomStringTreeOptions &StringTreeOptions() { return static_cast<TCustomStringTreeOptions &>(TreeOptions()); }
    const TCustomStringTreeOptions &StringTreeOptions() const
    {
        return static_cast<const TCustomStringTreeOptions &>(TreeOptions());
    }

    // The measured width of the main-column text, 0 while not measured.
    std::uint32_t CachedTextWidth(PLazyNode Node) const;
    void SetCachedTextWidth(PLazyNode Node, std::uint32_t Width);
    // Every node's measured width is forgotten (font or main column changed).
    void ClearCachedTextWidths();

    PLazyNode AddChild(PLazyNode Parent, void *UserData = nullptr) override;
    using TBaseLazyTree::AddChild;
    void AddToSelection(PLazyNode Node) override;
    void RemoveFromSelection(PLazyNode Node) override;
    void SetChildCount(PLazyNode Node, std::uint32_t NewChildCount) override;
    void ReinitNode(PLazyNode Node, bool Recursive) override;
    void InvalidateNode(PLazyNode Node) override;
    bool IsCellEmpty(PLazyNode Node, TColumnIndex Column) override;

    TLSTGetTextEvent OnGetText;
    TLSTGetCellTextEvent OnGetCellText;
    TLSTNewTextEvent OnNewText;
    TLSTGetHintEvent OnGetHint;
    TLSTPaintTextEvent OnPaintText;
    TLSTShortenStringEvent OnShortenString;
    TLSTMeasureTextEvent OnMeasureTextWidth;
    TLSTMeasureTextEvent OnMeasureTextHeight;
    TLSTDrawTextEvent OnDrawText;

protected:
    explicit TCustomLazyStringTree(const OptionsFactory &createOptions);

    virtual void QueryCellText(TLSTGetCellTextEventArgs &E);
    virtual void NotifyNewText(PLazyNode Node, TColumnIndex Column, const QString &NewText);
    QString QueryNodeHint(PLazyNode Node, TColumnIndex Column, TLTTooltipLineBreakStyle &LineBreakStyle) override;
    QString QueryNodeTooltip(PLazyNode Node, TColumnIndex Column, TLTTooltipLineBreakStyle &LineBreakStyle) override;
    int QueryIncrementalSearch(PLazyNode Node, const QString &SearchText) override;
    bool CaptionForStream(PLazyNode Node, QString &Caption) override;
    void CaptionFromStream(PLazyNode Node, const QString &Caption) override;

    std::size_t FInternalDataOffset = 0;

private:
    QString restoreText(PLazyNode Node);

    QString FDefaultText = QStringLiteral("Node");
    // Texts of selected nodes, kept to select nodes with those texts again:
    // sorted, case-insensitive, without duplicates.
    std::unique_ptr<QStringList> FPreviouslySelected;
};

class TLazyStringTree : public TCustomLazyStringTree {
public:
    TLazyStringTree();
    QString ClassName() const override { return QStringLiteral("TLazyStringTree"); }
};

} // namespace vtree
