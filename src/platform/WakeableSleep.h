#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

// A sleep that another thread can cut short, for a loop that wakes on a fixed
// period. A sleep is one futex call, as cheap as usleep; a condition
// variable's timed wait costs about half as much again, which a loop that
// wakes a hundred times a second pays all day.
//
// Take a ticket, check whatever should end the sleep, then sleep with the
// ticket: a wake() after the ticket was taken ends that sleep at once, so a
// wake between the check and the sleep is never lost.
class WakeableSleep {
 public:
  using Ticket = std::uint32_t;

  Ticket ticket() const { return wakes_.load(); }

  // Sleeps for up to `duration`; returns early once wake() has been called
  // since `ticket` was taken (and, rarely, when a signal interrupts it).
  void sleepFor(std::chrono::nanoseconds duration, Ticket ticket);

  // Ends every sleep whose ticket was taken before this call.
  void wake();

 private:
  std::atomic<std::uint32_t> wakes_{0};
  static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t));
};
