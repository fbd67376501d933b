#include "SetupTexts.h"

namespace qv::setup {

const wchar_t kAddinName[] = L"Quorvane Function11";
const wchar_t kHelpFileName[] = L"Quorvane11.chm";
const wchar_t kTitle[] = L"Marrowick";
const wchar_t kProductTitle[] = L"Quorvane";
const wchar_t kErrorTitle[] = L"Error";
const wchar_t kSuccessTitle[] = L"Quorvane Function";
const wchar_t kRuntimeReportTitle[] = L"QV_Setup";
const wchar_t kFallbackFolder[] = L"C:\\Quorvane";
const wchar_t kOldExcelMessage[] =
    L"Quorvane works with Excel 2000 for Windows or later versions \r"
    L"It does not work with Excel 97 or earlier versions, and does not work with \r"
    L"Excel for Macintosh.";
const wchar_t kCloseWorkbooksMessage[] =
    L"Not can continue Install :\rPlese, Close all Workbooks of Microsoft Excel\r"
    L"to can Install this Add-inn.";
const wchar_t kResetFailedMessage[] = L"Can't register information in SO";
const wchar_t kNotRegisteredPrefix[] = L"Not register the file ";
const wchar_t kSuccessMessage[] = L"The Installation was succesfull";
const wchar_t kNoFolderMessage[] =
    L"Not can continue Install :\rPlease, write the folder of Installation\r"
    L"or choose it with Browse....";
const wchar_t kUnrecordableFolderMessage[] =
    L"Not can continue Install :\rThe name of the folder have letters that\r"
    L"Windows can not record.\rPlease, choose other folder of Installation.";
const wchar_t kRegistrationTool[] = L"Regsvr32.exe ";

}  // namespace qv::setup
