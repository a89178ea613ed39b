#pragma once
// Tests one web address with the browser: true when the browser reached that
// very address within the time limit. While it waits it lets the user
// interface process its events, so the window stays live and its Stop button
// works.
#include <functional>
#include <string>

#include "linkcheck/Clock.h"
#include "platform/browser/WebBrowser.h"

namespace velvara::linkcheck {

class UrlVerifier {
 public:
  // stopRequested is asked after every round of events; once it says true
  // the test ends at once.
  UrlVerifier(Clock& clock, std::function<bool()> stopRequested);

  bool verifyUrl(const std::string& urlToVerify, int timerLimitSeconds);

 private:
  enum class CheckStatus { Valid, NotValid, NavigationError };

  Clock& clock_;
  std::function<bool()> stopRequested_;
  browser::WebBrowser web_;
  bool navigationDone_ = false;
  bool navigationFailed_ = false;
  CheckStatus checkStatus_ = CheckStatus::Valid;
};

}  // namespace velvara::linkcheck
