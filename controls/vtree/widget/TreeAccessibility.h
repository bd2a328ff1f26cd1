#pragma once
// Accessibility of the tree through Qt's accessibility interface. Trees get
// their accessibility objects from one process-wide registry of providers;
// a process that registers none has trees that make none (Qt then describes
// the window as a plain scroll area). TLTTreeAccessibleProvider makes the
// tree's object (role Tree, one item per shown row) and the object of its
// focused item.
#include <QAccessibleInterface>
#include <memory>
#include <vector>

namespace vtree {

class TLazyStringTreeWidget;

class ILTAccessibleProvider {
public:
    virtual ~ILTAccessibleProvider() = default;
    // A new object for the tree (Qt's cache owns it), or nil.
    virtual QAccessibleInterface *CreateIAccessible(TLazyStringTreeWidget *Tree) = 0;
};

class TLTAccessibilityFactory {
public:
    // The tree's object first, later its focused item's: asked of the
    // providers in the order the registry keeps.
    QAccessibleInterface *CreateIAccessible(TLazyStringTreeWidget *Tree);
    void RegisterAccessibleProvider(const std::shared_ptr<ILTAccessibleProvider> &Provider);
    void UnRegisterAccessibleProvider(const std::shared_ptr<ILTAccessibleProvider> &Provider);
    std::size_t ProviderCount() const { return FAccessibleProviders.size(); }

private:
    std::vector<std::shared_ptr<ILTAccessibleProvider>> FAccessibleProviders;
};

// Where the trees' accessibility events go: Qt's accessibility, which passes
// them on only while an assistive tool listens; tests put their own here.
using TAccessibleEventSink = void (*)(QAccessibleEvent *);
TAccessibleEventSink SetAccessibleEventSink(TAccessibleEventSink Sink);

// The registry of the process (interface thread only).
TLTAccessibilityFactory &GetAccessibilityFactory();

class TLTTreeAccessibleProvider : public ILTAccessibleProvider {
public:
    QAccessibleInterface *CreateIAccessible(TLazyStringTreeWidget *Tree) override;
};

} // namespace vtree
