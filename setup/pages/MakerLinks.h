#pragma once
// The terms page's ways to reach the maker: the web site through the shell, and a mail
// started by following a "mailto:" hyperlink in a throw-away Excel workbook, so that the
// mail program Excel sees receives it.

#include "ExcelAutomation.h"
#include "MessageBoxes.h"
#include "SystemServices.h"

#include <string>

namespace qv::setup {

// pLink1: the maker's web site with the shell's default action; nothing is reported.
void prcOpen_Site(SystemServices& system);

// pLink2 and pLink3: every step runs even after one has failed, the Excel instance is told
// to quit in any case, and one failure or more shows "Can't send mail." once.
void prcMail_To(ExcelAutomation& excel, MessageBoxes& messages, const std::wstring& address);

}  // namespace qv::setup
