#include "WakeableSleep.h"

#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <ctime>

void WakeableSleep::sleepFor(std::chrono::nanoseconds duration, Ticket ticket) {
  if (duration <= std::chrono::nanoseconds::zero()) {
    return;
  }
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration);
  timespec relative{};
  relative.tv_sec = static_cast<time_t>(seconds.count());
  relative.tv_nsec = static_cast<long>((duration - seconds).count());
  // Returns at once when the count no longer equals the ticket (a wake came
  // first), at the timeout, or on a wake.
  syscall(SYS_futex, reinterpret_cast<std::uint32_t *>(&wakes_), FUTEX_WAIT_PRIVATE, ticket,
          &relative, nullptr, 0);
}

void WakeableSleep::wake() {
  wakes_.fetch_add(1);
  syscall(SYS_futex, reinterpret_cast<std::uint32_t *>(&wakes_), FUTEX_WAKE_PRIVATE, INT_MAX,
          nullptr, nullptr, 0);
}
