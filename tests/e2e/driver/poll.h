// Bounded waits: the program runs in another process, so every expectation
// about its windows is polled until it holds or a time limit passes.
#pragma once

#include <chrono>
#include <functional>

namespace numora::e2e {

// Long enough for a cold Wine start, short enough that a hung program fails fast.
inline constexpr std::chrono::milliseconds kUiTimeout{10000};
// How long a cross-process SendMessage may block before the program counts as hung.
inline constexpr unsigned kSendTimeoutMs = 10000;

// Calls `ready` every few milliseconds until it returns true or `timeout`
// has passed; returns its last answer.
bool PollUntil(const std::function<bool()>& ready, std::chrono::milliseconds timeout = kUiTimeout);

}  // namespace numora::e2e
