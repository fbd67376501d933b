#include "WizardTexts.h"

namespace qv::setup {

const wchar_t kNamePromptTitle[] = L"New Name Folder";

const wchar_t kTermsOfUse[] =
    L"CONDITIONS OF USE\r\n"
    L"\r\n"
    L"Quorvane Function is licensed to you for your personal use only. You may not copy, "
    L"distribute, rent or sell the product or any part of it. Depending on its version the "
    L"product may be extended or modified for your own work, but the extended or modified "
    L"product may not be distributed either.\r\n"
    L"\r\n"
    L"No screenshots of the product and no information about it may be passed on to others "
    L"without asking Marrowick first at quorvane@marrowick.example.\r\n"
    L"\r\n"
    L"The data that the functions work with is obtained from an outside investor web "
    L"service. The conditions of use of that service apply to the data as well, in addition "
    L"to these conditions.\r\n"
    L"\r\n"
    L"Disclaimer\r\n"
    L"Tessaline\r\n"
    L"\r\n"
    L"The functions and their calculations have not been audited. The product is provided "
    L"\"as is\", without warranty of any kind. Marrowick accepts no liability for the "
    L"accuracy of the calculations or of the assumptions they are based on, nor for any "
    L"damage arising from the use of the functions, including damage caused by computer "
    L"viruses.\r\n"
    L"\r\n"
    L"For problems and suggestions, write to quorvane@marrowick.example.\r\n"
    L"\r\n"
    L"Quorvane and Tessaline are trademarks of Marrowick.\r\n"
    L"Microsoft and Excel are registered trademarks of Microsoft Corporation.\r\n";

const wchar_t kCancelQuestion[] = L"Are you sure that you want to cancel the instalation?";
const wchar_t kEmptyNameMessage[] = L"Name is Empty..";
const wchar_t kMailFailedMessage[] = L"Can't send mail.";

const wchar_t kMakerSite[] = L"https://www.marrowick.example/quorvane/";
const wchar_t kMakerMail[] = L"quorvane@marrowick.example";

}  // namespace qv::setup
