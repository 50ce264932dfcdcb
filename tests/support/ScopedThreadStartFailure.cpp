#include "support/ScopedThreadStartFailure.h"

#include <cstddef>

namespace {

// More than a 64-bit process's user address space, with either depth of page tables.
constexpr size_t impossibleStackBytes = size_t(1) << 58;

} // namespace

ScopedThreadStartFailure::ScopedThreadStartFailure()
{
    m_haveSaved = ::pthread_getattr_default_np(&m_saved) == 0;
    if (!m_haveSaved)
        return;
    pthread_attr_t impossible;
    if (::pthread_attr_init(&impossible) != 0)
        return;
    m_active = ::pthread_attr_setstacksize(&impossible, impossibleStackBytes) == 0
               && ::pthread_setattr_default_np(&impossible) == 0;
    ::pthread_attr_destroy(&impossible);
}

ScopedThreadStartFailure::~ScopedThreadStartFailure()
{
    if (m_haveSaved) {
        ::pthread_setattr_default_np(&m_saved);
        ::pthread_attr_destroy(&m_saved);
    }
}
