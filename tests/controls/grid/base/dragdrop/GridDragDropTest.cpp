#include "controls/grid/base/GridDragDrop.h"

#include "support/RecordingDropTarget.h"

#include <QMimeData>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace controls;

namespace {

using RecordingTarget = testsupport::RecordingDropTarget;

class RecordingSource : public TESGDropSource {
public:
    std::vector<std::string> calls;
    int lastEffect = -1;

protected:
    void DragEnded() override { calls.push_back("ended"); }
    void CurrentEffect(int effect) override { lastEffect = effect; }
    void QueryDrag() override { calls.push_back("query"); }
};

// Rich text is a program-wide switch: each test sets it and puts it back.
struct RtfSwitch {
    explicit RtfSwitch(bool on) { AllowRTFDragDrop(on); }
    ~RtfSwitch() { AllowRTFDragDrop(false); }
};

QByteArray le32(std::int32_t v) { return frameGridColumn(v); }

QByteArray cellBlock(std::int32_t claimed, const QByteArray &payload)
{
    return le32(claimed) + QByteArray(4, '\0') + payload;
}

std::unique_ptr<QMimeData> offer(std::initializer_list<std::pair<QString, QByteArray>> formats)
{
    auto data = std::make_unique<QMimeData>();
    for (const auto &[format, bytes] : formats)
        data->setData(format, bytes);
    return data;
}

const QByteArray webAndFile = "http://example.invalid/a\r\nfile:///tmp/x.csv\r\n";

} // namespace

TEST(DropReader, CellBlockLengthMustFitThePayload)
{
    const struct {
        QByteArray bytes;
        std::optional<QByteArray> stream;
    } cases[] = {
        {cellBlock(3, "abc"), QByteArray("abc")},
        {cellBlock(0, ""), QByteArray()},
        {cellBlock(2, "abc"), QByteArray("ab")}, // trailing bytes are not read
        {cellBlock(4, "abc"), std::nullopt},
        {cellBlock(-1, "abc"), std::nullopt},
        {cellBlock(0x7FFFFFFF, "abc"), std::nullopt},
        {le32(0) + QByteArray(3, '\0'), std::nullopt}, // header cut short
        {QByteArray("\x01\x00", 2), std::nullopt},
        {QByteArray(), std::nullopt},
    };
    for (const auto &c : cases) {
        const auto data = offer({{mime::GridCells, c.bytes}});
        const TEnumFormats formats(*data);
        EXPECT_TRUE(formats.HasGridCells());
        EXPECT_EQ(formats.Stream(), c.stream) << c.bytes.toHex().toStdString();
        EXPECT_EQ(formats.Trustworthy(), c.stream.has_value()) << c.bytes.toHex().toStdString();
    }
}

TEST(DropReader, ColumnNeedsFourBytesAndRichTextStopsAtItsTerminatorOrTheEnd)
{
    const struct {
        QByteArray bytes;
        int column;
        bool trustworthy;
    } columns[] = {
        {le32(7), 7, true}, {le32(7) + "junk", 7, true}, {QByteArray("\x07\x00\x00", 3), -1, false}, {{}, -1, false}};
    for (const auto &c : columns) {
        const auto data = offer({{mime::GridColumn, c.bytes}});
        EXPECT_EQ(TEnumFormats(*data).Col(), c.column);
        EXPECT_EQ(TEnumFormats(*data).Trustworthy(), c.trustworthy);
    }

    const struct {
        QByteArray bytes;
        QString rtf;
    } rich[] = {{QByteArray("{\\rtf1 a}\0garbage", 17), "{\\rtf1 a}"}, {"{\\rtf1 open", "{\\rtf1 open"}, {{}, {}}};
    for (const auto &c : rich)
        EXPECT_EQ(TEnumFormats(*offer({{mime::RichText, c.bytes}})).RTF(), c.rtf);
}

TEST(DropReader, UriListSplitsFilesFromWebAddresses)
{
    const TUriList list = readUriList("# comment\r\nfile:///tmp/a%20b.txt\r\n\r\nhttps://example.invalid/\r\n"
                                      "not a url\r\nrelative/path\nfile:///tmp/c\n");
    EXPECT_EQ(list.files, QStringList({"/tmp/a b.txt", "/tmp/c"}));
    EXPECT_TRUE(list.hasWebAddress);
    EXPECT_FALSE(readUriList("file:///only").hasWebAddress);
}

TEST(DropTarget, AcceptFlagsDecideAndACellBlockIsAlwaysTaken)
{
    RtfSwitch rtf(true);
    const struct {
        const char *name;
        std::initializer_list<std::pair<QString, QByteArray>> formats;
        bool acceptText, acceptFiles, acceptCols, acceptURLs;
        bool ok;
    } cases[] = {
        {"text", {{mime::Text, "a"}}, true, false, false, false, true},
        {"text refused", {{mime::Text, "a"}}, false, true, true, true, false},
        {"rtf under the text flag", {{mime::RichText, "x"}}, true, false, false, false, true},
        {"rtf refused", {{mime::RichText, "x"}}, false, true, true, true, false},
        {"files", {{mime::UriList, "file:///a"}}, false, true, false, false, true},
        {"files refused", {{mime::UriList, "file:///a"}}, true, false, true, true, false},
        {"column off by default", {{mime::GridColumn, le32(1)}}, true, true, false, true, false},
        {"column", {{mime::GridColumn, le32(1)}}, false, false, true, false, true},
        {"url", {{mime::UriList, "http://h/"}}, false, false, false, true, true},
        {"cells whatever the flags", {{mime::GridCells, cellBlock(0, "")}}, false, false, false, false, true},
        {"cells that lie", {{mime::GridCells, cellBlock(9, "")}}, true, true, true, true, false},
        {"a lying column sinks good text", {{mime::Text, "a"}, {mime::GridColumn, "\x01"}}, true, true, true, true,
         false},
        {"nothing known", {{"image/png", "x"}}, true, true, true, true, false},
    };
    for (const auto &c : cases) {
        RecordingTarget target;
        target.AcceptText = c.acceptText;
        target.AcceptFiles = c.acceptFiles;
        target.AcceptCols = c.acceptCols;
        target.AcceptURLs = c.acceptURLs;
        const auto data = offer(c.formats);
        int effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.DragEnter(*data, false, {}, effect);
        EXPECT_EQ(target.Ok(), c.ok) << c.name;
        EXPECT_EQ(effect, c.ok ? DROPEFFECT_MOVE : DROPEFFECT_NONE) << c.name;

        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target.Drop(*data, false, {}, effect);
        EXPECT_EQ(target.calls.empty(), !c.ok) << c.name;
    }
}

TEST(DropTarget, RichTextWaitsForTheProgramWideSwitch)
{
    RecordingTarget target;
    target.AcceptFiles = target.AcceptURLs = false;
    const auto data = offer({{mime::RichText, "{\\rtf1}"}, {mime::Text, "plain"}});
    for (const bool on : {false, true}) {
        RtfSwitch rtf(on);
        target.calls.clear();
        int effect = DROPEFFECT_COPY;
        target.DragEnter(*data, false, {}, effect);
        target.Drop(*data, false, {}, effect);
        EXPECT_EQ(target.calls, std::vector<std::string>{on ? "rtf" : "text"});
        EXPECT_EQ(target.text, on ? "{\\rtf1}" : "plain");
    }
}

TEST(DropTarget, DropsCallTheHooksInOrder)
{
    const struct {
        const char *name;
        std::initializer_list<std::pair<QString, QByteArray>> formats;
        std::vector<std::string> calls;
    } cases[] = {
        {"column wins alone", {{mime::GridColumn, le32(3)}, {mime::Text, "a"}, {mime::UriList, webAndFile}}, {"col"}},
        {"text, files, url", {{mime::Text, "a"}, {mime::UriList, webAndFile}}, {"text", "files", "url"}},
        {"cells before text", {{mime::GridCells, cellBlock(1, "z")}, {mime::Text, "a"}}, {"stream"}},
        {"files alone", {{mime::UriList, "file:///tmp/x"}}, {"files"}},
    };
    for (const auto &c : cases) {
        RecordingTarget target;
        target.AcceptCols = true;
        const auto data = offer(c.formats);
        int effect = DROPEFFECT_COPY;
        target.DragEnter(*data, false, {}, effect);
        effect = DROPEFFECT_COPY;
        target.Drop(*data, false, {5, 6}, effect);
        EXPECT_EQ(target.calls, c.calls) << c.name;
    }

    RecordingTarget target;
    const auto data = offer({{mime::GridCells, cellBlock(2, "xy")}, {mime::UriList, webAndFile}, {mime::Text, "u"}});
    int effect = DROPEFFECT_COPY;
    target.DragEnter(*data, false, {}, effect);
    target.Drop(*data, false, {}, effect);
    EXPECT_EQ(target.stream, "xy");
    EXPECT_EQ(target.files, QStringList{"/tmp/x.csv"});
    EXPECT_EQ(target.text, "u"); // the web address hook gets the offered text
}

TEST(DropTarget, DropWithoutAcceptedEnterOrWithALieCallsNothing)
{
    RecordingTarget target;
    target.AcceptText = false;
    const auto text = offer({{mime::Text, "a"}});
    int effect = DROPEFFECT_MOVE;
    target.DragEnter(*text, false, {}, effect);
    effect = DROPEFFECT_MOVE;
    target.Drop(*text, false, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_TRUE(target.calls.empty());

    // Entered with an honest block, dropped with a lying one.
    RecordingTarget other;
    const auto honest = offer({{mime::GridCells, cellBlock(1, "a")}});
    const auto lying = offer({{mime::GridCells, cellBlock(100, "a")}, {mime::Text, "a"}});
    effect = DROPEFFECT_COPY;
    other.DragEnter(*honest, false, {}, effect);
    effect = DROPEFFECT_COPY;
    other.Drop(*lying, false, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_TRUE(other.calls.empty());
}

TEST(DropTarget, CtrlCopiesAndTheMoveHookMayRefuse)
{
    const struct {
        bool ctrl;
        int allowed;
        int effect;
    } cases[] = {{true, DROPEFFECT_MOVE | DROPEFFECT_COPY, DROPEFFECT_COPY},
                 {false, DROPEFFECT_MOVE | DROPEFFECT_COPY, DROPEFFECT_MOVE},
                 {false, DROPEFFECT_COPY, DROPEFFECT_COPY},
                 {true, DROPEFFECT_MOVE, DROPEFFECT_COPY}};
    for (const auto &c : cases)
        EXPECT_EQ(chooseDropEffect(c.ctrl, c.allowed), c.effect);

    RecordingTarget target;
    const auto data = offer({{mime::Text, "a"}});
    int effect = DROPEFFECT_MOVE;
    target.DragEnter(*data, false, {}, effect);
    effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
    target.DragOver(true, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    target.refuseOnMove = true;
    effect = DROPEFFECT_MOVE;
    target.DragOver(false, {}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(target.DropFormats(), TDropFormats{TDropFormat::dfText});
}

TEST(DropSource, EscapeCancelsReleaseDropsAndNoEffectIsRemembered)
{
    const struct {
        bool escape, leftDown;
        std::uint32_t result;
        std::vector<std::string> calls;
    } cases[] = {{true, true, DRAGDROP_S_CANCEL, {"ended", "query"}},
                 {false, false, DRAGDROP_S_DROP, {"ended", "query"}},
                 {false, true, S_OK, {"query"}}};
    for (const auto &c : cases) {
        RecordingSource source;
        EXPECT_EQ(source.QueryContinueDrag(c.escape, c.leftDown), c.result);
        EXPECT_EQ(source.calls, c.calls);
    }
    RecordingSource source;
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.NoAccept());
    source.GiveFeedback(DROPEFFECT_COPY);
    EXPECT_FALSE(source.NoAccept());
    EXPECT_EQ(source.lastEffect, DROPEFFECT_COPY);
}

TEST(SourceData, OffersOnlyWhatItCanDeliver)
{
    {
        RtfSwitch rtf(true);
        const TSourceDataObject text(QStringLiteral(u"Gr\u00FC\u00DFe"), QString(), -1, QByteArray("cells"));
        EXPECT_EQ(text.formats(), QStringList({mime::Text, mime::RichText, mime::GridCells}));
        EXPECT_EQ(text.GetData(mime::Text), QStringLiteral(u"Gr\u00FC\u00DFe").toUtf8());
        EXPECT_EQ(text.GetData(mime::RichText), QByteArray(1, '\0')); // empty rich text is one zero byte
        EXPECT_EQ(text.GetData(mime::GridCells), cellBlock(5, "cells"));
        EXPECT_FALSE(text.QueryGetData(mime::GridColumn));
    }
    const TSourceDataObject text(QStringLiteral("t"), QStringLiteral("{\\rtf1}"), -1, std::nullopt);
    EXPECT_EQ(text.formats(), QStringList{mime::Text});
    EXPECT_EQ(text.GetData(mime::RichText), std::nullopt);

    const TSourceDataObject column(QString(), QString(), 4, std::nullopt);
    EXPECT_EQ(column.formats(), QStringList{mime::GridColumn});
    EXPECT_FALSE(column.QueryGetData(mime::Text));
    EXPECT_EQ(column.GetData(mime::Text), std::nullopt);
    EXPECT_EQ(column.GetData(mime::GridColumn), le32(4));
}

TEST(SourceData, WhatADragOffersReadsBackThroughTheDropReader)
{
    RtfSwitch rtf(true);
    const QByteArray stream("\x00\x01\x02\xff", 4);
    const TSourceDataObject source(QStringLiteral("text"), QStringLiteral("{\\rtf1 b}"), -1, stream);
    QMimeData data;
    for (const QString &format : source.formats())
        data.setData(format, *source.GetData(format));
    const TEnumFormats formats(data);
    EXPECT_EQ(formats.Stream(), stream);
    EXPECT_EQ(formats.RTF(), "{\\rtf1 b}");
    EXPECT_EQ(formats.Text(), "text");
}
