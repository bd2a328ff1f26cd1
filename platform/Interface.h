#pragma once
// Reference-counted interfaces, for user data that a control keeps alive
// while it holds it (a tree node's interface-typed data, for example).
// An object lives while references to it exist and deletes itself when the
// last one is released; InterfaceRef holds one reference.
#include <atomic>
#include <utility>

namespace platform {

class IInterface {
public:
    // Both return the new count.
    virtual int AddRef() noexcept = 0;
    virtual int Release() noexcept = 0;

protected:
    virtual ~IInterface() = default;
};

// The usual implementation: starts with no reference, so the first
// InterfaceRef that takes it owns it.
class TInterfacedObject : public IInterface {
public:
    int AddRef() noexcept override { return m_refCount.fetch_add(1, std::memory_order_relaxed) + 1; }
    int Release() noexcept override
    {
        const int left = m_refCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }
    int RefCount() const noexcept { return m_refCount.load(std::memory_order_relaxed); }

private:
    std::atomic<int> m_refCount{0};
};

template <class T>
class InterfaceRef {
public:
    InterfaceRef() = default;
    InterfaceRef(T *object) : m_object(object) // NOLINT: takes a reference, as assigning a pointer does
    {
        if (m_object)
            m_object->AddRef();
    }
    InterfaceRef(const InterfaceRef &other) : InterfaceRef(other.m_object) {}
    InterfaceRef(InterfaceRef &&other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    ~InterfaceRef() { reset(); }

    InterfaceRef &operator=(InterfaceRef other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }

    // Wraps a pointer whose reference the caller already holds.
    static InterfaceRef adopt(T *object)
    {
        InterfaceRef ref;
        ref.m_object = object;
        return ref;
    }

    void reset()
    {
        if (T *object = std::exchange(m_object, nullptr))
            object->Release();
    }

    T *get() const { return m_object; }
    T *operator->() const { return m_object; }
    T &operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T *m_object = nullptr;
};

} // namespace platform
