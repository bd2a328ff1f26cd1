#pragma once
// Work that must run when a scope ends: closing an update bracket, leaving a
// state, undoing a half-done change. When the scope ends by an exception, a
// failure of the closing work is dropped so that the first one reaches the
// caller; otherwise it propagates.
#include <exception>
#include <utility>

namespace platform {

enum class TScopeExit { Always, OnFailure };

template <class Work, TScopeExit When = TScopeExit::Always>
class ScopeGuard {
public:
    explicit ScopeGuard(Work work) : m_work(std::move(work)), m_exceptions(std::uncaught_exceptions()) {}
    ScopeGuard(const ScopeGuard &) = delete;
    ScopeGuard &operator=(const ScopeGuard &) = delete;
    ~ScopeGuard() noexcept(false)
    {
        if (std::uncaught_exceptions() > m_exceptions) {
            try {
                m_work();
            } catch (...) {
            }
        } else if constexpr (When == TScopeExit::Always) {
            m_work();
        }
    }

private:
    Work m_work;
    int m_exceptions;
};

// Runs the work whichever way the scope ends.
template <class Work>
class Finally : public ScopeGuard<Work, TScopeExit::Always> {
public:
    using ScopeGuard<Work, TScopeExit::Always>::ScopeGuard;
};
template <class Work>
Finally(Work) -> Finally<Work>;

// Runs the work only when the scope is left by an exception.
template <class Work>
class OnFailure : public ScopeGuard<Work, TScopeExit::OnFailure> {
public:
    using ScopeGuard<Work, TScopeExit::OnFailure>::ScopeGuard;
};
template <class Work>
OnFailure(Work) -> OnFailure<Work>;

} // namespace platform
