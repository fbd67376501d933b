#pragma once
// Answers the message boxes this process shows, from a thread of its own, and records their
// title and text: a test sees each box the library shows and none blocks the run.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace qv::testing {

struct SeenMessage {
    std::wstring title;
    std::wstring text;
    bool operator==(const SeenMessage& other) const {
        return title == other.title && text == other.text;
    }
};

class MessageBoxWatcher {
  public:
    enum class Scope { ThisProcess, AnyProcess };

    explicit MessageBoxWatcher(Scope scope = Scope::ThisProcess);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessage> seen();

  private:
    void watch();
    static BOOL CALLBACK visit(HWND window, LPARAM self);
    void answer(HWND dialog);

    const Scope scope_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<SeenMessage> seen_;
    std::set<HWND> answered_;
    std::thread thread_;
};

}  // namespace qv::testing
