#include "platform/imagelib/SeparateDecoding.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "platform/imagelib/VipsSupport.h"

extern char** environ;

namespace velvara::imagelib::detail {
namespace {

// The JP2 file format's signature box, and the start of a bare codestream:
// its SOC marker followed by the SIZ marker.
constexpr std::string_view kJp2Signature("\x00\x00\x00\x0C\x6A\x50\x20\x20\x0D\x0A\x87\x0A", 12);
constexpr std::string_view kCodestreamStart("\xFF\x4F\xFF\x51", 4);

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
  pid_t child = -1;
  int error = posix_spawn(&child, helper.c_str(), actions.get(), nullptr, argv.data(), environ);
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

int waitFor(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return status;
}

}  // namespace

bool decodedSeparately(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string head(kJp2Signature.size(), '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(file.gcount()));
  return head.starts_with(kJp2Signature) || head.starts_with(kCodestreamStart);
}

std::string decoderHelperPath() {
  const char* configured = std::getenv("VELVARA_DECODE_HELPER");
  if (configured != nullptr && *configured != '\0') return configured;
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
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
  UniqueFd output;
  std::string problem;
  pid_t child = startHelper(helper, request, output, problem);
  if (child < 0) {
    return failureStatus(ErrorCode::ReadError, "the JPEG 2000 decoder " + helper + " could not be started: " + problem);
  }
  DecodeReply answer;
  const int fd = output.get();
  problem = readReply([fd](std::uint8_t* data, std::size_t size) { return readSome(fd, data, size); }, request, answer);
  // A helper still writing after a refused answer ends on the closed pipe.
  output.reset();
  int status = waitFor(child);
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
