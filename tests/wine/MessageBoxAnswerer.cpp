// Answers the message boxes of every process for script tests, which cannot answer their
// own: it prints each box's title and text as it presses OK, and ends after the number of
// seconds given (or when it is killed).

#include "MessageBoxWatcher.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    qv::testing::MessageBoxWatcher watcher(qv::testing::MessageBoxWatcher::Scope::AnyProcess);
    std::size_t printed = 0;
    for (int tick = 0; tick < seconds * 10; ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto seen = watcher.seen();
        for (; printed < seen.size(); ++printed) {
            std::printf("message box: [%ls] [%ls]\n", seen[printed].title.c_str(),
                        seen[printed].text.c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}
