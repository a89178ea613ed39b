#pragma once
// The language-support object of the language runtime. Every window, control
// and class owns one; an announcement made through any of them reaches every
// live one, synchronously, on the user-interface thread.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velvara::mlruntime {

class LanguageSupport {
 public:
  // The language-change event: the language id and its English display name.
  using Handler = std::function<void(int langId, const std::string& langName)>;

  explicit LanguageSupport(Handler onLanguageChanged = {});
  ~LanguageSupport();
  // An instance is registered by identity: it neither copies nor moves.
  LanguageSupport(const LanguageSupport&) = delete;
  LanguageSupport& operator=(const LanguageSupport&) = delete;

  // Replaces the handler; also safe from inside a running handler.
  void setHandler(Handler onLanguageChanged);

  // Every instance alive when the call starts, this one included, receives
  // (langId, langName) before the call returns, in the order the instances
  // were created. An instance released during
  // the broadcast receives nothing more; one created during it is not
  // announced to. A handler may create or release instances, itself too.
  void raiseLanguageChanged(int langId, std::string_view langName);

  // Number of live instances in the program.
  static std::size_t liveCount();

 private:
  struct Slot;
  static std::vector<std::shared_ptr<Slot>>& registry();

  std::shared_ptr<Slot> slot_;
};

}  // namespace velvara::mlruntime
