#pragma once
// The texts the wizard's windows show, each written once: captions, control texts,
// questions and messages, the terms of use and the maker's addresses.

namespace qv::setup {

extern const wchar_t kTermsCaption[];    // frmWizard4
extern const wchar_t kFolderCaption[];   // frmWizard1
extern const wchar_t kInstallCaption[];  // frmWizard2
extern const wchar_t kFinishCaption[];   // frmEnd
extern const wchar_t kChooserCaption[];  // frmPath
extern const wchar_t kNamePromptTitle[];

extern const wchar_t kTermsHeading[];
extern const wchar_t kAgreementText[];
extern const wchar_t kTermsOfUse[];

extern const wchar_t kCancelQuestion[];
extern const wchar_t kEmptyNameMessage[];
extern const wchar_t kMailFailedMessage[];

extern const wchar_t kMakerSite[];  // handed to the shell unchanged
extern const wchar_t kMakerMail[];  // a plain address, without "mailto:"

}  // namespace qv::setup
