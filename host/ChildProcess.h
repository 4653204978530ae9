// Runs a helper program as a child process and collects its standard output,
// while the caller keeps its own window served.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct ChildOutcome {
    // The exit status, or -1 when the child was ended by a signal.
    int exitStatus;
    // Standard output, at most kMaxChildOutput bytes of it.
    std::string output;
};

inline constexpr size_t kMaxChildOutput = 64 * 1024;

// Starts argv[0] (a path; no shell is involved) with the arguments argv and
// calls whileWaiting repeatedly, every few milliseconds, until the child has
// ended. Empty when the program could not be started.
std::optional<ChildOutcome> RunChildProcess(const std::vector<std::string> &argv,
                                            const std::function<void()> &whileWaiting);

} // namespace host
