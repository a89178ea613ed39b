#include "platform/imagelib/SeparateDecoding.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/imagelib/PictureFile.h"
#include "platform/imagelib/VipsSupport.h"

extern char** environ;

namespace velvara::imagelib::detail {
namespace {

constexpr const char* kFailed = "the JPEG 2000 decoder failed on this file";

class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { reset(); }

  int get() const { return fd_; }
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

// Our helper process, waited for once; killed and waited for when it is let
// go unwaited, so it never outlives the call or is left a zombie.
class ChildProcess {
 public:
  explicit ChildProcess(pid_t pid) : pid_(pid) {}
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    wait();
  }

  // The wait status; -1 when it cannot be had.
  int wait() {
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0) {
      if (errno != EINTR) {
        status = -1;
        break;
      }
    }
    pid_ = -1;
    return status;
  }

 private:
  pid_t pid_;
};

class SpawnAttributes {
 public:
  SpawnAttributes() { posix_spawnattr_init(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }

  posix_spawnattr_t* get() { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

class FileActions {
 public:
  FileActions() { posix_spawn_file_actions_init(&actions_); }
  FileActions(const FileActions&) = delete;
  FileActions& operator=(const FileActions&) = delete;
  ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }

  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

std::vector<std::string> argumentsFor(const std::string& helper, const DecodeRequest& request) {
  std::vector<std::string> arguments = {helper, taskName(request.task), request.path};
  if (request.task == DecodeTask::Resized) {
    arguments.push_back(std::to_string(request.width));
    arguments.push_back(std::to_string(request.height));
  }
  return arguments;
}

// Starts the helper with its standard output on a new pipe, whose reading
// end is returned; errno's text when it cannot start.
pid_t startHelper(const std::string& helper, const DecodeRequest& request, UniqueFd& output, std::string& problem) {
  std::array<int, 2> ends{};
  if (::pipe2(ends.data(), O_CLOEXEC) != 0) {
    problem = std::strerror(errno);
    return -1;
  }
  output.reset(ends[0]);
  UniqueFd writeEnd(ends[1]);
  FileActions actions;
  // Both pipe ends close on exec; dup2 gives the child its own standard
  // output without that flag.
  if (posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0) != 0 ||
      posix_spawn_file_actions_adddup2(actions.get(), writeEnd.get(), STDOUT_FILENO) != 0) {
    problem = "out of memory";
    return -1;
  }
  std::vector<std::string> arguments = argumentsFor(helper, request);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  // The helper starts with no signal blocked and SIGPIPE at its default,
  // whatever the calling thread has set: its own crash must end it.
  SpawnAttributes attributes;
  sigset_t none, pipe;
  sigemptyset(&none);
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  posix_spawnattr_setsigmask(attributes.get(), &none);
  posix_spawnattr_setsigdefault(attributes.get(), &pipe);
  posix_spawnattr_setflags(attributes.get(), POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  pid_t child = -1;
  int error = posix_spawn(&child, helper.c_str(), actions.get(), attributes.get(), argv.data(), environ);
  if (error != 0) {
    problem = std::strerror(error);
    return -1;
  }
  return child;
}

std::size_t readSome(int fd, std::uint8_t* data, std::size_t size) {
  for (;;) {
    ssize_t got = ::read(fd, data, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return 0;
  }
}

}  // namespace

bool decodedSeparately(const std::string& path) { return PictureFile(path).isJpeg2000(); }

std::string decoderHelperPath() {
  const char* configured = std::getenv("VELVARA_DECODE_HELPER");
  if (configured != nullptr && *configured != '\0') return configured;
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return (self.parent_path() / "velvara-decode").string();
}

Status decodeSeparately(const DecodeRequest& request, DecodeReply& reply) {
  if (!isReady()) return failureStatus(ErrorCode::NotInitialised, {});
  if (request.task == DecodeTask::Resized) {
    if (request.width <= 0 || request.height <= 0) return failureStatus(ErrorCode::BadParameters, "size");
    if (static_cast<std::int64_t>(request.width) * request.height > kMaxPixels) {
      return failureStatus(ErrorCode::TooLarge, std::to_string(request.width) + " x " + std::to_string(request.height));
    }
  }
  const std::string helper = decoderHelperPath();
  if (helper.empty()) return failureStatus(ErrorCode::ReadError, "the JPEG 2000 decoder could not be found");
  UniqueFd output;
  std::string problem;
  pid_t started = startHelper(helper, request, output, problem);
  if (started < 0) {
    return failureStatus(ErrorCode::ReadError, "the JPEG 2000 decoder " + helper + " could not be started: " + problem);
  }
  ChildProcess child(started);
  DecodeReply answer;
  const int fd = output.get();
  problem = readReply([fd](std::uint8_t* data, std::size_t size) { return readSome(fd, data, size); }, request, answer);
  // A helper still writing after a refused answer ends on the closed pipe.
  output.reset();
  int status = child.wait();
  if (status < 0) return failureStatus(ErrorCode::ReadError, std::string(kFailed) + " (it could not be waited for)");
  if (WIFSIGNALED(status) && (problem.empty() || WTERMSIG(status) != SIGPIPE)) {
    return failureStatus(ErrorCode::ReadError,
                         std::string(kFailed) + " (it ended by signal " + std::to_string(WTERMSIG(status)) + ")");
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
    return failureStatus(ErrorCode::ReadError, std::string(kFailed) + " (it ended with exit status " +
                                                   std::to_string(WEXITSTATUS(status)) + ")");
  }
  if (!problem.empty()) return failureStatus(ErrorCode::ReadError, std::string(kFailed) + " (" + problem + ")");
  reply = std::move(answer);
  return reply.status;
}

}  // namespace velvara::imagelib::detail
