#pragma once
// The fixed names, titles and messages of the setup, each written once.

namespace qv::setup {

extern const wchar_t kAddinName[];     // "Quorvane Function11"
extern const wchar_t kHelpFileName[];  // "Quorvane11.chm"
extern const wchar_t kTitle[];         // "Marrowick", the usual title
extern const wchar_t kProductTitle[];  // "Quorvane", for the default folder's error
extern const wchar_t kErrorTitle[];    // "Error", for a registration that cannot start
extern const wchar_t kSuccessTitle[];  // "Quorvane Function"
extern const wchar_t kRuntimeReportTitle[];
extern const wchar_t kFallbackFolder[];  // "C:\Quorvane"
extern const wchar_t kOldExcelMessage[];
extern const wchar_t kCloseWorkbooksMessage[];
extern const wchar_t kResetFailedMessage[];
extern const wchar_t kNotRegisteredPrefix[];
extern const wchar_t kSuccessMessage[];
extern const wchar_t kNoFolderMessage[];
extern const wchar_t kUnrecordableFolderMessage[];
extern const wchar_t kRegistrationTool[];  // "Regsvr32.exe "

}  // namespace qv::setup
