#pragma once
// The peak resident memory of a piece of work, measured apart from the
// process that asks: the work runs in a child process, and the system's
// account of that child (ru_maxrss) is the answer. What the child shares with
// its parent at the start counts too, so compare runs of one process.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>

namespace verstak::testing {

// Under AddressSanitizer the peak is mostly the sanitizer's own: freed memory
// is held back in quarantine.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// In KiB; -1 when the work did not end normally.
template <class Work>
long PeakKiBOf(Work&& work) {
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    try {
      work();
    } catch (const std::exception&) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  int status = 0;
  struct rusage usage {};
  if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

}  // namespace verstak::testing
