#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

extern char **environ;

namespace host {
namespace {

// How long one wait for the child lasts before the caller's events are served.
constexpr int kPollMilliseconds = 20;

class CUniqueFd {
  public:
    explicit CUniqueFd(int fd = -1) : m_fd(fd) {}
    ~CUniqueFd() { Reset(); }
    CUniqueFd(const CUniqueFd &) = delete;
    CUniqueFd &operator=(const CUniqueFd &) = delete;
    int Get() const { return m_fd; }
    void Reset() {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
    }

  private:
    int m_fd;
};

class CSpawnFileActions {
  public:
    CSpawnFileActions() { posix_spawn_file_actions_init(&m_actions); }
    ~CSpawnFileActions() { posix_spawn_file_actions_destroy(&m_actions); }
    CSpawnFileActions(const CSpawnFileActions &) = delete;
    CSpawnFileActions &operator=(const CSpawnFileActions &) = delete;
    posix_spawn_file_actions_t *Get() { return &m_actions; }

  private:
    posix_spawn_file_actions_t m_actions;
};

std::optional<pid_t> Spawn(const std::vector<std::string> &argv, int stdoutFd) {
    if (argv.empty())
        return std::nullopt;
    CSpawnFileActions actions;
    posix_spawn_file_actions_adddup2(actions.Get(), stdoutFd, STDOUT_FILENO);
    std::vector<char *> args;
    args.reserve(argv.size() + 1);
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0].c_str(), actions.Get(), nullptr, args.data(), environ) != 0)
        return std::nullopt;
    return pid;
}

// Reads what the pipe holds now; false once the child has closed its end.
bool ReadAvailable(int fd, std::string &output) {
    std::array<char, 4096> buffer;
    const ssize_t count = read(fd, buffer.data(), buffer.size());
    if (count == 0)
        return false;
    if (count < 0)
        return errno == EINTR || errno == EAGAIN;
    const size_t room = kMaxChildOutput - output.size();
    output.append(buffer.data(), std::min(static_cast<size_t>(count), room));
    return true;
}

void CollectOutput(int fd, std::string &output, const std::function<void()> &whileWaiting) {
    pollfd watched{fd, POLLIN, 0};
    for (;;) {
        const int ready = poll(&watched, 1, kPollMilliseconds);
        if (ready < 0 && errno != EINTR)
            return;
        if (ready > 0 && !ReadAvailable(fd, output))
            return;
        whileWaiting();
    }
}

int WaitForExit(pid_t pid, const std::function<void()> &whileWaiting) {
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR)
            return -1;
        whileWaiting();
        poll(nullptr, 0, kPollMilliseconds);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

std::optional<ChildOutcome> RunChildProcess(const std::vector<std::string> &argv,
                                            const std::function<void()> &whileWaiting) {
    std::array<int, 2> pipeFds{};
    if (pipe2(pipeFds.data(), O_CLOEXEC) != 0)
        return std::nullopt;
    CUniqueFd readEnd(pipeFds[0]);
    CUniqueFd writeEnd(pipeFds[1]);
    const auto pid = Spawn(argv, writeEnd.Get());
    writeEnd.Reset();
    if (!pid)
        return std::nullopt;
    ChildOutcome outcome{-1, {}};
    CollectOutput(readEnd.Get(), outcome.output, whileWaiting);
    outcome.exitStatus = WaitForExit(*pid, whileWaiting);
    return outcome;
}

} // namespace host
