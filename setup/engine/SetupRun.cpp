#include "SetupRun.h"

#include "LibraryError.h"
#include "RuntimeError.h"
#include "SetupTexts.h"

#include <new>

namespace qv::setup {

std::wstring runtimeErrorReport(std::int32_t number, const std::wstring& description) {
    return L"Run-time error '" + std::to_wstring(number) + L"':\r\n\r\n" + description;
}

int runSetup(SetupEngine& engine, MessageBoxes& messages) {
    std::int32_t number = 0;
    std::wstring description;
    try {
        engine.prcStartup();
        return 0;
    } catch (const EndOfProgram&) {
        return 0;
    } catch (const RuntimeError& error) {
        number = error.number();
        description = error.description();
    } catch (const LibraryError& error) {
        number = error.number();
        description = error.description();
    } catch (const std::bad_alloc&) {
        number = 7;
        description = L"Out of memory";
    } catch (const std::exception&) {
        number = 51;
        description = L"Internal error";
    }
    messages.show(runtimeErrorReport(number, description), MessageIcon::Critical,
                  kRuntimeReportTitle);
    return 1;
}

}  // namespace qv::setup
