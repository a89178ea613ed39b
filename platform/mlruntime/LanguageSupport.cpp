#include "platform/mlruntime/LanguageSupport.h"

#include <algorithm>

namespace velvara::mlruntime {

// What the broadcast holds on to: it outlives its instance for as long as a
// running broadcast still lists it, so a handler that releases its own owner
// keeps running on valid memory.
struct LanguageSupport::Slot {
  std::shared_ptr<const Handler> handler;
  bool alive = true;
};

// The live instances, in the order they were created. Everything runs on the
// user-interface thread, so no lock guards it.
std::vector<std::shared_ptr<LanguageSupport::Slot>>& LanguageSupport::registry() {
  static std::vector<std::shared_ptr<Slot>> slots;
  return slots;
}

LanguageSupport::LanguageSupport(Handler onLanguageChanged) : slot_(std::make_shared<Slot>()) {
  slot_->handler = std::make_shared<const Handler>(std::move(onLanguageChanged));
  registry().push_back(slot_);
}

LanguageSupport::~LanguageSupport() {
  slot_->alive = false;
  auto& slots = registry();
  slots.erase(std::remove(slots.begin(), slots.end(), slot_), slots.end());
}

void LanguageSupport::setHandler(Handler onLanguageChanged) {
  slot_->handler = std::make_shared<const Handler>(std::move(onLanguageChanged));
}

void LanguageSupport::raiseLanguageChanged(int langId, std::string_view langName) {
  // Copies, because a handler may release the instance that owns the name
  // passed in, and may add or remove instances while the loop runs.
  const std::string name(langName);
  const auto receivers = registry();
  for (const auto& slot : receivers) {
    if (!slot->alive) continue;
    const std::shared_ptr<const Handler> handler = slot->handler;
    if (*handler) (*handler)(langId, name);
  }
}

std::size_t LanguageSupport::liveCount() { return registry().size(); }

}  // namespace velvara::mlruntime
