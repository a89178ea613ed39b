#pragma once
// What the benchmarks of the main window share: each measure runs in a
// process of its own (so that its peak memory is its own) with the real main
// window offscreen and a private home, the user's answers given by the
// benchmark; the parent reads the child's figures by name.
#include <QApplication>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "app/ProgramData.h"
#include "core/host/Prompts.h"
#include "i18n/StringService.h"

namespace velvara::bench {

// The figures of one child, by name.
using Figures = std::map<std::string, double>;

// The user's answers: projectPath for a file dialog, folder for the folder
// browser, OK for anything else; every message counted.
class BenchPrompts : public core::Prompts {
 public:
  std::string projectPath;
  std::string folder;
  int messages = 0;
  core::MessageAnswer showMessage(const core::Message&) override;
  std::optional<std::string> askFileName(const core::FileDialogRequest&) override { return projectPath; }
  std::optional<std::vector<std::string>> askFileNames(const core::FileDialogRequest&) override { return {}; }
  std::optional<std::string> askText(const core::InputBoxRequest&) override { return {}; }
  std::optional<std::string> askFolder(const core::FolderDialogRequest&) override { return folder; }
  std::optional<std::uint32_t> askColor(std::uint32_t, const std::string&) override { return {}; }
  std::optional<core::FontChoice> askFont(const core::FontChoice&) override { return {}; }
  void beep() override {}
};

// The main window in a child process, in English, shown offscreen, with
// home as the user's home folder.
class BenchWindow {
 public:
  explicit BenchWindow(const std::filesystem::path& home);
  ~BenchWindow();
  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  app::Form1& window() { return *window_; }
  app::ProgramData& data() { return data_; }
  BenchPrompts& prompts() { return prompts_; }

 private:
  struct Environment {
    explicit Environment(const std::filesystem::path& home);
  } environment_;
  int argc_ = 1;
  char name_[16] = "bench";
  char* argv_[2] = {name_, nullptr};
  QApplication application_;
  i18n::StringService strings_;
  BenchPrompts prompts_;
  app::ProgramData data_;
  std::unique_ptr<app::Form1> window_;
};

// Runs action, a user's command that keeps the event loop turning, and
// gives its wall time (name_s), the processor time of all threads (name_cpu_s)
// and the longest time the event loop went without a turn (name_pause_ms).
void measureCommand(Figures& figures, const std::string& name, const std::function<void()>& action);

// The processor time of the whole process so far, all threads, user and
// system: unlike the wall time, hardly changed by other work on the machine.
double processorSeconds();

// A project file in folder that lists paths in their order, each titled by
// its file name; its path.
std::string writeProject(const std::filesystem::path& folder, const std::string& name,
                         const std::vector<std::filesystem::path>& paths);

// Runs this program again with arguments (each quoted) and reads the
// "name value" lines it prints.
Figures runChild(const char* self, const std::vector<std::string>& arguments);

// A figure, or a value that meets no target when the child gave none.
double figure(const Figures& figures, const std::string& name);

}  // namespace velvara::bench
