#pragma once
// Work that must run when a scope ends, also on an exception: closing an
// update bracket, leaving a state. When the scope ends by an exception, a
// failure of the closing work is dropped so that the first one reaches the
// caller; otherwise it propagates.
#include <exception>
#include <utility>

namespace vtree {

template <class Work>
class Finally {
public:
    explicit Finally(Work work) : m_work(std::move(work)), m_exceptions(std::uncaught_exceptions()) {}
    Finally(const Finally &) = delete;
    Finally &operator=(const Finally &) = delete;
    ~Finally() noexcept(false)
    {
        if (std::uncaught_exceptions() > m_exceptions) {
            try {
                m_work();
            } catch (...) {
            }
        } else {
            m_work();
        }
    }

private:
    Work m_work;
    int m_exceptions;
};

} // namespace vtree
