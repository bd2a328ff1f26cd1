#include "TreeDataFixture.h"

#include "controls/vtree/widget/TreeAccessibility.h"

#include <QAccessible>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace vtreetest {
namespace {

// Registers a provider for one test and takes it out again.
class ProviderScope {
public:
    explicit ProviderScope(std::shared_ptr<ILTAccessibleProvider> provider) : m_provider(std::move(provider))
    {
        GetAccessibilityFactory().RegisterAccessibleProvider(m_provider);
    }
    ~ProviderScope() { GetAccessibilityFactory().UnRegisterAccessibleProvider(m_provider); }

private:
    std::shared_ptr<ILTAccessibleProvider> m_provider;
};

struct Reported {
    QAccessible::Event type;
    int child;
};
std::vector<Reported> *g_reported = nullptr;
void recordEvent(QAccessibleEvent *event)
{
    if (g_reported)
        g_reported->push_back({event->type(), event->child()});
}

class TreeAccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        meter1 = tree.add(nullptr, {QStringLiteral("Meter 1")});
        tree.add(meter1, {QStringLiteral("Volume")});
        meter2 = tree.add(nullptr, {QStringLiteral("Meter 2")});
        tree.SetCheckType(meter2, TCheckType::ctCheckBox);
        tree.SetCheckState(meter2, TCheckState::csCheckedNormal);
    }

    TextTree tree;
    PLazyNode meter1 = nullptr;
    PLazyNode meter2 = nullptr;
};

TEST_F(TreeAccessibilityTest, TheRegistryKeepsEachProviderOnce)
{
    TLTAccessibilityFactory &factory = GetAccessibilityFactory();
    const std::size_t before = factory.ProviderCount();
    auto provider = std::make_shared<TLTTreeAccessibleProvider>();
    factory.RegisterAccessibleProvider(provider);
    factory.RegisterAccessibleProvider(provider);
    EXPECT_EQ(factory.ProviderCount(), before + 1);
    factory.UnRegisterAccessibleProvider(std::make_shared<TLTTreeAccessibleProvider>());
    EXPECT_EQ(factory.ProviderCount(), before + 1);
    factory.UnRegisterAccessibleProvider(provider);
    EXPECT_EQ(factory.ProviderCount(), before);
}

TEST_F(TreeAccessibilityTest, WithoutProvidersATreeMakesNoAccessibilityObjects)
{
    EXPECT_EQ(tree.AccessibleObject(), nullptr);
    EXPECT_EQ(tree.AccessibleItemObject(), nullptr);
    tree.SetFocusedNode(meter2); // reports nothing and fails nothing
}

TEST_F(TreeAccessibilityTest, TheTreeAndItsRowsHaveRolesNamesAndStates)
{
    ProviderScope scope(std::make_shared<TLTTreeAccessibleProvider>());
    tree.SetAccessibleName(QStringLiteral("Meters"));
    tree.SetSelected(meter1, true);
    tree.SetFocusedNode(meter1);
    QAccessibleInterface *accessible = tree.AccessibleObject();
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&tree), accessible);
    EXPECT_EQ(accessible->role(), QAccessible::Tree);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Meters"));
    ASSERT_EQ(accessible->childCount(), 2); // Meter 1 is collapsed

    QAccessibleInterface *first = accessible->child(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->role(), QAccessible::TreeItem);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("Meter 1"));
    EXPECT_EQ(first->parent(), accessible);
    EXPECT_EQ(accessible->indexOfChild(first), 0);
    EXPECT_EQ(accessible->focusChild(), first);
    EXPECT_TRUE(first->state().selected);
    EXPECT_TRUE(first->state().expandable);
    EXPECT_TRUE(first->state().collapsed);
    EXPECT_FALSE(first->state().checkable);

    QAccessibleInterface *second = accessible->child(1);
    EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("Meter 2"));
    EXPECT_TRUE(second->state().checkable);
    EXPECT_TRUE(second->state().checked);
    EXPECT_FALSE(second->state().selected);

    // The item object follows the focus.
    QAccessibleInterface *focused = tree.AccessibleItemObject();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), QStringLiteral("Meter 1"));
    tree.SetFocusedNode(meter2);
    EXPECT_EQ(focused->text(QAccessible::Name), QStringLiteral("Meter 2"));
    tree.SetExpanded(meter1, true);
    EXPECT_EQ(accessible->childCount(), 3);
    EXPECT_EQ(accessible->child(1)->text(QAccessible::Name), QStringLiteral("Volume"));
}

TEST_F(TreeAccessibilityTest, FocusAndStateChangesAreReportedForTheFocusedRow)
{
    ProviderScope scope(std::make_shared<TLTTreeAccessibleProvider>());
    ASSERT_NE(tree.AccessibleObject(), nullptr);
    std::vector<Reported> reported;
    g_reported = &reported;
    const TAccessibleEventSink previous = SetAccessibleEventSink(recordEvent);
    tree.SetFocusedNode(meter2);
    tree.SetCheckState(meter2, TCheckState::csUncheckedNormal);
    SetAccessibleEventSink(previous);
    g_reported = nullptr;

    auto count = [&](QAccessible::Event type, int child) {
        return std::count_if(reported.begin(), reported.end(),
                             [&](const Reported &r) { return r.type == type && r.child == child; });
    };
    EXPECT_EQ(count(QAccessible::Focus, 1), 1);
    EXPECT_EQ(count(QAccessible::Selection, 1), 1);
    EXPECT_EQ(count(QAccessible::NameChanged, 1), 1);
    EXPECT_EQ(count(QAccessible::StateChanged, 1), 2); // the focus, then the check
}

} // namespace
} // namespace vtreetest
