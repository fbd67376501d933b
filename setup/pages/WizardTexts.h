#pragma once
// The texts the wizard's code shows, each written once: questions and messages, the terms
// of use and the maker's addresses. Captions and control texts live in the dialog templates.

namespace qv::setup {

extern const wchar_t kNamePromptTitle[];

extern const wchar_t kTermsOfUse[];

extern const wchar_t kCancelQuestion[];
extern const wchar_t kEmptyNameMessage[];
extern const wchar_t kMailFailedMessage[];

extern const wchar_t kMakerSite[];  // handed to the shell unchanged
extern const wchar_t kMakerMail[];  // a plain address, without "mailto:"

}  // namespace qv::setup
