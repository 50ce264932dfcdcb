#pragma once

// A long-lived service that a window or a pane uses: the one a test hands in, else the
// application's shared instance, fetched only when first asked for, so a window built on a
// test's own services never makes the shared ones.
template <typename T>
class ServiceRef
{
public:
    using SharedProvider = T &(*)();

    constexpr explicit ServiceRef(SharedProvider shared)
        : m_shared(shared)
    {
    }

    ServiceRef &operator=(T &instance)
    {
        m_instance = &instance;
        return *this;
    }

    T &get() const { return m_instance ? *m_instance : m_shared(); }
    T &operator*() const { return get(); }
    T *operator->() const { return &get(); }

private:
    SharedProvider m_shared;
    T *m_instance = nullptr;
};
