#pragma once
// The tree's failures. Misuse by the caller fails an assertion that stays
// active in release builds and stops the operation before anything changes;
// the tree's own failures raise ELazyTreeError with a help context.
#include "platform/AssertionFailed.h"
#include "platform/Error.h"

#include <QString>

namespace vtree {

class ELazyTreeError : public platform::Error {
public:
    ELazyTreeError(const QString &message, int helpContext) : platform::Error(message), m_helpContext(helpContext) {}
    int HelpContext() const { return m_helpContext; }

private:
    int m_helpContext;
};

// The codes, each with its fixed message.
enum TreeErrorCode : int {
    errMoveToOwnChild = 2001,
    errStreamFormat = 2002,
    errStreamVersion = 2003,
    errStreamTooShort = 2004,
    errAnchorChunkMissing = 2005,
    errDataAfterNodeEnd = 2006,
    errClipboardFailed = 2007,
};

QString treeErrorMessage(TreeErrorCode code);
[[noreturn]] void RaiseTreeError(TreeErrorCode code);

// Source units named in assertion texts.
inline constexpr const char *unitLazyTrees = "LazyTrees";
inline constexpr const char *unitWorkerThread = "LazyTrees.WorkerThread";
inline constexpr const char *unitUtils = "LazyTrees.Utils";

[[noreturn]] void failAssertion(const QString &message, const char *unit, int line);

// The messages of the tree's assertions.
namespace assertions {
inline constexpr const char *nodeNil = "Node must not be nil.";
inline constexpr const char *nodeNilSelection = "Node must not be nil!";
inline constexpr const char *nodeIsRoot = "Node must not be the hidden root node.";
inline constexpr const char *nodeNilOrRoot = "Node must neither be nil nor the root node.";
inline constexpr const char *nodesNil = "Nodes must never be nil.";
inline constexpr const char *bothNodesAssigned = "Both nodes must be Assigned.";
inline constexpr const char *endNodeNil = "EndNode must not be nil!";
inline constexpr const char *invalidParameter = "Invalid parameter.";
inline constexpr const char *invalidParameterNoStop = "Invalid parameter";
inline constexpr const char *invalidParameters = "Invalid parameters.";
inline constexpr const char *nodeDataSizeNotInitialized = "NodeDataSize not initialized.";
inline constexpr const char *notEnoughUserData = ": Cannot set initial user data because there is not enough user data space allocated.";
inline constexpr const char *internalDataAfterNodes = "Internal data allocation must be done before any node is created.";
inline constexpr const char *deleteWhileIterating = "Deleting nodes during tree iteration leads to invalid pointers.";
inline constexpr const char *sourceNotInTree = "The source tree must contain the source node.";
inline constexpr const char *rootFromStream = "The root node cannot be loaded from stream.";
inline constexpr const char *endOperationWithoutBegin = "EndOperation must not be called when no operation in progress.";
inline constexpr const char *treeNil = "Tree must not be nil.";
inline constexpr const char *invalidEditColumn = "Column must be a valid column index (-1 if no header is shown).";
inline constexpr const char *pendingAndDirectClearance = "Pending and direct clearance are mutual exclusive!";
inline constexpr const char *selectionCountMismatch = "Selection count does not match the nodes added.";
inline constexpr const char *invalidPanningImage = "Invalid wheel panning image.";
inline constexpr const char *blendBitmapDepth = "Alpha blending error: bitmap must use 32 bpp.";
inline constexpr const char *blendNoBitmap = "Alpha blending DC error: no bitmap available.";
// Built around the tree's class name or a resource name.
QString uiThreadOnly(const QString &className);
QString removeFromSelectionThread(const QString &className);
QString internalImageMissing(const QString &name);
} // namespace assertions

} // namespace vtree

// Checks a precondition of the tree, in release builds too.
#define LT_ASSERT(condition, message)                                                                          \
    do {                                                                                                       \
        if (!(condition))                                                                                      \
            ::vtree::failAssertion(QString::fromUtf8(message), ::vtree::unitLazyTrees, __LINE__);              \
    } while (false)
#define LT_ASSERT_TEXT(condition, text)                                                                        \
    do {                                                                                                       \
        if (!(condition))                                                                                      \
            ::vtree::failAssertion((text), ::vtree::unitLazyTrees, __LINE__);                                  \
    } while (false)
