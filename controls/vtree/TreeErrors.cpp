#include "controls/vtree/TreeErrors.h"

namespace vtree {

QString treeErrorMessage(TreeErrorCode code)
{
    switch (code) {
    case errMoveToOwnChild:
        return QStringLiteral("Target node cannot be a child node of the node to be moved.");
    case errStreamFormat:
        return QStringLiteral("Unable to load tree structure, the format is wrong.");
    case errStreamVersion:
        return QStringLiteral("Unable to load tree structure, the version is unknown.");
    case errStreamTooShort:
        return QStringLiteral("Unable to load tree structure, not enough data available.");
    case errAnchorChunkMissing:
        return QStringLiteral("Stream data corrupt. A node's anchor chunk is missing.");
    case errDataAfterNodeEnd:
        return QStringLiteral("Stream data corrupt. Unexpected data after node's end position.");
    case errClipboardFailed:
        return QStringLiteral("Clipboard operation failed.");
    }
    return {};
}

void RaiseTreeError(TreeErrorCode code) { throw ELazyTreeError(treeErrorMessage(code), code); }

void failAssertion(const QString &message, const char *unit, int line)
{
    throw platform::EAssertionFailed(message, QString::fromUtf8(unit), line);
}

namespace assertions {

QString uiThreadOnly(const QString &className)
{
    return QStringLiteral("UI controls like ") + className + QStringLiteral(" should only be manipulated through the main thread.");
}

QString removeFromSelectionThread(const QString &className)
{
    return className + QStringLiteral(".RemoveFromSelection() must only be called from UI thread.");
}

QString internalImageMissing(const QString &name)
{
    return QStringLiteral("Internal image \"") + name + QStringLiteral("\" is missing or corrupt.");
}

} // namespace assertions

} // namespace vtree
