#include "BoxAnswerer.h"

namespace qv::setup::testing {
namespace {

constexpr int kMessageTextControl = 0xFFFF;

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string printable(const std::wstring& text) {
    std::string bytes;
    for (wchar_t c : text) bytes += c == L'\r' ? '|' : (c < 128 ? static_cast<char>(c) : '?');
    return bytes;
}

}  // namespace

void PrintTo(const SeenBox& box, std::ostream* out) {
    *out << "[" << printable(box.title) << "] " << printable(box.text);
}

BoxAnswerer::BoxAnswerer(DWORD process) : process_(process), thread_([this] { watch(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stopping_ = true;
    thread_.join();
}

std::vector<SeenBox> BoxAnswerer::seen() {
    // One more sweep first, so that a box shown just before the call is counted.
    EnumWindows(visit, reinterpret_cast<LPARAM>(this));
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void BoxAnswerer::watch() {
    while (!stopping_) {
        EnumWindows(visit, reinterpret_cast<LPARAM>(this));
        Sleep(20);
    }
}

BOOL CALLBACK BoxAnswerer::visit(HWND window, LPARAM context) {
    auto& self = *reinterpret_cast<BoxAnswerer*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    // A box counts once it is visible: by then its text control holds the message.
    if (owner != self.process_ || std::string(className) != "#32770" || !IsWindowVisible(window))
        return TRUE;
    HWND textControl = GetDlgItem(window, kMessageTextControl);
    std::lock_guard<std::mutex> lock(self.mutex_);
    if (!self.answered_.insert(window).second) return TRUE;
    self.seen_.push_back({windowText(window), textControl ? windowText(textControl) : L""});
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
    return TRUE;
}

}  // namespace qv::setup::testing
