#include "platform/Interface.h"

#include <gtest/gtest.h>

using platform::InterfaceRef;
using platform::TInterfacedObject;

namespace {

class Probe final : public TInterfacedObject {
public:
    explicit Probe(bool &deleted) : m_deleted(deleted) {}
    ~Probe() override { m_deleted = true; }

private:
    bool &m_deleted;
};

TEST(Interface, TheLastReferenceDeletesTheObject)
{
    bool deleted = false;
    InterfaceRef<Probe> first(new Probe(deleted));
    EXPECT_EQ(first->RefCount(), 1);
    {
        InterfaceRef<Probe> copy = first;
        EXPECT_EQ(first->RefCount(), 2);
        InterfaceRef<Probe> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(first->RefCount(), 2);
    }
    EXPECT_EQ(first->RefCount(), 1);
    first = InterfaceRef<Probe>();
    EXPECT_TRUE(deleted);
}

TEST(Interface, AdoptTakesOverAReferenceAlreadyHeld)
{
    bool deleted = false;
    auto *probe = new Probe(deleted);
    probe->AddRef(); // held elsewhere, e.g. stored in a node's data
    {
        auto ref = InterfaceRef<Probe>::adopt(probe);
        EXPECT_EQ(probe->RefCount(), 1);
    }
    EXPECT_TRUE(deleted);
}

} // namespace
