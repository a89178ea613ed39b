#include "platform/mlruntime/LanguageSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velvara::mlruntime {
namespace {

struct Received {
  std::vector<std::pair<int, std::string>> calls;
  LanguageSupport::Handler handler() {
    return [this](int langId, const std::string& name) { calls.emplace_back(langId, name); };
  }
};

TEST(LanguageSupport, EveryLiveInstanceReceivesTheSameValuesBeforeTheCallReturns) {
  Received a, b, c;
  LanguageSupport first(a.handler());
  LanguageSupport second(b.handler());
  LanguageSupport third(c.handler());
  second.raiseLanguageChanged(1031, "German (Germany)");
  for (Received* received : {&a, &b, &c}) {
    ASSERT_EQ(received->calls.size(), 1u);
    EXPECT_EQ(received->calls[0], std::make_pair(1031, std::string("German (Germany)")));
  }
}

TEST(LanguageSupport, AnUnsupportedIdReachesEveryHandlerUnchanged) {
  Received a, b;
  LanguageSupport first(a.handler());
  LanguageSupport second(b.handler());
  first.raiseLanguageChanged(1033, "English (United States)");
  EXPECT_EQ(a.calls.at(0).first, 1033);
  EXPECT_EQ(b.calls.at(0).first, 1033);
}

TEST(LanguageSupport, AnInstanceReleasedBeforeTheAnnouncementReceivesNothing) {
  Received kept, released;
  LanguageSupport stays(kept.handler());
  auto gone = std::make_unique<LanguageSupport>(released.handler());
  const std::size_t live = LanguageSupport::liveCount();
  gone.reset();
  EXPECT_EQ(LanguageSupport::liveCount(), live - 1);
  stays.raiseLanguageChanged(2057, "English (United Kingdom)");
  EXPECT_EQ(kept.calls.size(), 1u);
  EXPECT_TRUE(released.calls.empty());
}

TEST(LanguageSupport, AHandlerMayReleaseItsOwnInstance) {
  auto self = std::make_unique<LanguageSupport>();
  int calls = 0;
  std::string seen;
  self->setHandler([&](int, const std::string& name) {
    self.reset();
    // The handler and its captures stay valid after its owner is gone.
    ++calls;
    seen = name;
  });
  Received other;
  LanguageSupport after(other.handler());
  LanguageSupport announcer;
  announcer.raiseLanguageChanged(1031, "German (Germany)");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen, "German (Germany)");
  EXPECT_EQ(self, nullptr);
  EXPECT_EQ(other.calls.size(), 1u);
}

TEST(LanguageSupport, InstancesAreReachedInTheOrderTheyWereCreated) {
  std::vector<int> order;
  LanguageSupport one([&](int, const std::string&) { order.push_back(1); });
  LanguageSupport two([&](int, const std::string&) { order.push_back(2); });
  LanguageSupport three([&](int, const std::string&) { order.push_back(3); });
  two.raiseLanguageChanged(1031, "German (Germany)");
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(LanguageSupport, AnInstanceReleasedDuringTheBroadcastByAnotherReceivesNothing) {
  Received victimCalls, lastCalls;
  std::unique_ptr<LanguageSupport> victim;
  LanguageSupport killer([&](int, const std::string&) { victim.reset(); });
  victim = std::make_unique<LanguageSupport>(victimCalls.handler());
  LanguageSupport last(lastCalls.handler());
  last.raiseLanguageChanged(1031, "German (Germany)");
  EXPECT_EQ(victim, nullptr);
  EXPECT_TRUE(victimCalls.calls.empty());
  EXPECT_EQ(lastCalls.calls.size(), 1u);
}

TEST(LanguageSupport, TheAnnouncerMayReleaseItselfAndTheNameItPassed) {
  auto announcer = std::make_unique<LanguageSupport>();
  auto name = std::make_unique<std::string>("German (Germany)");
  Received later;
  announcer->setHandler([&](int, const std::string&) {
    announcer.reset();
    name.reset();
  });
  LanguageSupport receiver(later.handler());
  LanguageSupport* raw = announcer.get();
  raw->raiseLanguageChanged(1031, *name);
  ASSERT_EQ(later.calls.size(), 1u);
  EXPECT_EQ(later.calls[0].second, "German (Germany)");
}

TEST(LanguageSupport, InstancesCreatedDuringTheBroadcastAreSafeAndLiveOn) {
  std::vector<std::unique_ptr<LanguageSupport>> created;
  Received lateCalls;
  LanguageSupport creator(
      [&](int, const std::string&) { created.push_back(std::make_unique<LanguageSupport>(lateCalls.handler())); });
  creator.raiseLanguageChanged(1031, "German (Germany)");
  ASSERT_EQ(created.size(), 1u);
  // The next announcement reaches the new instance (and creates another).
  creator.raiseLanguageChanged(2057, "English (United Kingdom)");
  ASSERT_FALSE(lateCalls.calls.empty());
  EXPECT_EQ(lateCalls.calls.back().first, 2057);
}

TEST(LanguageSupport, AHandlerMayReplaceItsOwnHandlerWhileRunning) {
  int firstCalls = 0, secondCalls = 0;
  LanguageSupport support;
  support.setHandler([&](int, const std::string&) {
    ++firstCalls;
    support.setHandler([&](int, const std::string&) { ++secondCalls; });
  });
  support.raiseLanguageChanged(1031, "German (Germany)");
  support.raiseLanguageChanged(1031, "German (Germany)");
  EXPECT_EQ(firstCalls, 1);
  EXPECT_EQ(secondCalls, 1);
}

}  // namespace
}  // namespace velvara::mlruntime
