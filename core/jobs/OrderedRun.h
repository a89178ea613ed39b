#pragma once
// Work on a list of items, done by a pool of worker threads and handed to the
// calling thread in list order. The caller sees exactly what a loop over the
// list would give it, one item after the other; only the time differs. A
// pool of one worker is the same path with one thread.
//
// Workers take items in list order and run at most a few items ahead of the
// one the caller waits for, so finished results never pile up.
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace velvara::core {

// The number of workers when none is asked for: one per core, or as many
// as the environment variable VELVARA_WORKERS says (1 to 256).
int workersForThisMachine();

// work(i) runs in a worker thread and must not throw or touch anything the
// caller's thread uses meanwhile. deliver(i, outcome) runs in the calling
// thread for i = 0, 1, ... in order; when it returns false the run stops: no
// item after i is started any more, the workers finish what they hold, and
// discard(j, outcome) is called in the calling thread for every item j > i
// that was done all the same, so its effects can be undone.
template <typename Outcome>
void runInOrder(std::size_t count, int workers, const std::function<Outcome(std::size_t)>& work,
                const std::function<bool(std::size_t, Outcome&)>& deliver,
                const std::function<void(std::size_t, Outcome&)>& discard) {
  if (count == 0) return;
  if (workers < 1) workers = workersForThisMachine();
  const std::size_t ahead = 2 * static_cast<std::size_t>(workers);

  std::mutex mutex;
  std::condition_variable changed;
  std::size_t next = 0;
  std::size_t waitedFor = 0;
  bool stopped = false;
  std::map<std::size_t, Outcome> done;

  auto worker = [&] {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [&] { return stopped || next >= count || next < waitedFor + ahead; });
      if (stopped || next >= count) return;
      const std::size_t index = next++;
      lock.unlock();
      Outcome outcome = work(index);
      lock.lock();
      done.emplace(index, std::move(outcome));
      changed.notify_all();
    }
  };
  std::vector<std::jthread> threads;
  // Stops and joins the workers however the caller's loop ends.
  struct Join {
    std::mutex& mutex;
    std::condition_variable& changed;
    bool& stopped;
    std::vector<std::jthread>& threads;
    ~Join() {
      {
        std::lock_guard lock(mutex);
        stopped = true;
      }
      changed.notify_all();
      threads.clear();
    }
  } join{mutex, changed, stopped, threads};
  for (int i = 0; i < workers && static_cast<std::size_t>(i) < count; ++i) threads.emplace_back(worker);

  for (std::size_t index = 0; index < count; ++index) {
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return done.contains(index); });
    Outcome outcome = std::move(done.at(index));
    done.erase(index);
    waitedFor = index + 1;
    changed.notify_all();
    lock.unlock();
    if (deliver(index, outcome)) continue;

    lock.lock();
    stopped = true;
    lock.unlock();
    changed.notify_all();
    threads.clear();
    for (auto& [late, lateOutcome] : done) discard(late, lateOutcome);
    return;
  }
}

}  // namespace velvara::core
