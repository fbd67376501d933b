// The page window itself, apart from the wizard: a probe page built from a template of this
// test program, created hidden on the thread of the test.

#include "PageDialog.h"
#include "PageDialogTestRes.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace qv::setup::testing {
namespace {

using win::FailureGate;
using win::PageDialog;

// A page whose label draws with a font of the page's own.
class ProbePage final : public PageDialog {
  public:
    ProbePage(FailureGate& gate, int templateId) : PageDialog(gate, templateId) {}
    HFONT labelFont = nullptr;

  private:
    SIZE clientTwips() const override { return {2400, 900}; }
    bool onInit() override {
        labelFont = windowFont(L"Arial", 9.75, false);
        SendMessageW(item(IDC_ProbeLabel), WM_SETFONT, reinterpret_cast<WPARAM>(labelFont), 0);
        return true;
    }
};

bool isFont(HFONT font) { return GetObjectType(font) == OBJ_FONT; }

// Whether the label's font was still there when the system began to destroy the page's
// window, seen by a hook on this thread.
struct DestructionWatch {
    HWND window = nullptr;
    HFONT font = nullptr;
    bool seen = false;
    bool fontAlive = false;
};
DestructionWatch* watch = nullptr;

LRESULT CALLBACK onWindowHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_DESTROYWND && watch && reinterpret_cast<HWND>(wParam) == watch->window) {
        watch->seen = true;
        watch->fontAlive = isFont(watch->font);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(PageDialog, WithoutItsTemplateRaisesTheSystemsFailureAndHasNoWindow) {
    FailureGate gate;
    ProbePage page(gate, IDD_Missing);
    try {
        page.create(nullptr);
        ADD_FAILURE() << "a page without its window was taken as made";
    } catch (const RuntimeError& error) {
        // The system's error code, as an automation error of the Win32 facility.
        EXPECT_EQ(static_cast<std::uint32_t>(error.number()) & 0xFFFF0000u, 0x80070000u)
            << error.number();
        EXPECT_NE(error.number() & 0xFFFF, 0);
        EXPECT_EQ(error.description(), L"Automation error");
    }
    EXPECT_EQ(page.window(), nullptr);
    EXPECT_EQ(page.labelFont, nullptr) << "no initialisation ran";
}

TEST(PageDialog, FontsLastAsLongAsTheWindowAndNoLonger) {
    // The two ways a page's window goes: closed while the page lives on (a page retired by
    // the wizard), and with the page itself (a chooser left by a failure).
    const struct {
        const char* way;
        std::function<void(std::unique_ptr<ProbePage>&)> close;
    } ways[] = {
        {"destroy()", [](std::unique_ptr<ProbePage>& page) { page->destroy(); }},
        {"the page's end", [](std::unique_ptr<ProbePage>& page) { page.reset(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        FailureGate gate;
        auto page = std::make_unique<ProbePage>(gate, IDD_Probe);
        page->create(nullptr);
        HWND window = page->window();
        ASSERT_NE(window, nullptr);
        const HFONT font = page->labelFont;
        ASSERT_TRUE(isFont(font));
        EXPECT_EQ(reinterpret_cast<HFONT>(
                      SendMessageW(GetDlgItem(window, IDC_ProbeLabel), WM_GETFONT, 0, 0)),
                  font);

        DestructionWatch seen{window, font};
        watch = &seen;
        HHOOK hook = SetWindowsHookExW(WH_CBT, onWindowHook, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        way.close(page);
        UnhookWindowsHookEx(hook);
        watch = nullptr;

        EXPECT_FALSE(IsWindow(window));
        EXPECT_TRUE(seen.seen) << "the window was destroyed through the system";
        EXPECT_TRUE(seen.fontAlive) << "the window went after its font";
        EXPECT_FALSE(isFont(font)) << "the font is released with the window";
    }
}

}  // namespace
}  // namespace qv::setup::testing
