#pragma once

#include <QtGlobal>

#include <cstdint>
#include <functional>

// A uniformly distributed integer in [0, n), drawn from the kernel's cryptographic random
// source 64 bits at a time. Shared by every random choice the user can see (break messages,
// break-screen and reminder picks), so none of them leans towards low indices.
// Callable from any thread. A bound of 0 or less has no valid answer: it gives 0 and logs
// an error rather than dividing by zero. Throws std::system_error only when getrandom,
// /dev/urandom and std::random_device all fail.
qsizetype randomIndex(qsizetype n);

// The same multiply-and-reject rule over any source of 64-bit draws. randomIndex() is this
// over the kernel source; the seam exists so the rejection step can be checked with
// scripted draws.
qsizetype randomIndexFrom(qsizetype n, const std::function<std::uint64_t()> &nextBits);
