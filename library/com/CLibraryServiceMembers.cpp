// The system services of CLibrary: clipboard pictures, printers, messages and links.

#include "CLibrary.h"

#include "ButtonSettings.h"
#include "ClipboardPicture.h"
#include "ComError.h"
#include "LibraryMessage.h"
#include "MemberArguments.h"
#include "PrinterNames.h"
#include "SystemCodePage.h"

#include <shellapi.h>

#include <new>

namespace qv::win {
namespace {

constexpr wchar_t kPrintersTitle[] = L"Quorvane";
constexpr std::size_t kDefaultPrinterSize = 255;

// Runs `body` with every error trapped: the error's description is shown afterwards. Running
// out of memory is trapped too, as error 7, since these members never fail towards the caller.
template <class Body>
void trapped(Body&& body, UINT style, const std::wstring& title) {
    try {
        body();
    } catch (const LibraryError& error) {
        showLibraryMessage(error.description(), style, title);
    } catch (const std::bad_alloc&) {
        showLibraryMessage(LibraryError::runtime(kOutOfMemory).description(), style, title);
    }
}

// Hands a text to the shell in the ANSI code page; the caller's variable gets the text back
// through the same conversion.
void openWithShell(BSTR* lpFile) {
    const SystemCodePage codePage;
    const std::string target = codePage.fromText(textArgument(lpFile));
    ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    const std::wstring returned = codePage.toText(target);
    if (lpFile && returned != textArgument(lpFile)) {
        SysReAllocStringLen(lpFile, returned.data(), static_cast<UINT>(returned.size()));
    }
}

}  // namespace

STDMETHODIMP CLibrary::Copy_picture(BSTR* lpFile) {
    return guardedMember([&] {
        trapped(
            [&] {
                ComPtr<IPicture> picture = clipboardPicture();
                savePicture(picture.get(),
                            SystemCodePage().fromText(trimBlanks(textArgument(lpFile))));
            },
            MB_ICONHAND | MB_OK, title_);
    });
}

STDMETHODIMP CLibrary::lpImage_cell(IPictureDisp** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] {
        trapped(
            [&] {
                ComPtr<IPicture> picture = clipboardPicture();
                if (FAILED(picture->QueryInterface(IID_IPictureDisp,
                                                   reinterpret_cast<void**>(result)))) {
                    throw LibraryError::runtime(kTypeMismatch);
                }
            },
            MB_ICONHAND | MB_OK, title_);
    });
}

STDMETHODIMP CLibrary::Limpia() {
    return guardedMember([] { emptyClipboard(); });
}

STDMETHODIMP CLibrary::Messagebox(BSTR* lpCadena) {
    return guardedMember(
        [&] { showLibraryMessage(textArgument(lpCadena), MB_ICONASTERISK | MB_OK, title_); });
}

STDMETHODIMP CLibrary::prcLink(BSTR* lpFile) {
    return guardedMember([&] { openWithShell(lpFile); });
}

STDMETHODIMP CLibrary::prcLink_About(BSTR* lpFile) {
    return guardedMember([&] { openWithShell(lpFile); });
}

STDMETHODIMP CLibrary::DefaultPrinterInfo(BSTR* result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    return guardedMember([&] {
        std::string entry(kDefaultPrinterSize, '\0');
        GetProfileStringA("Windows", "Device", "", entry.data(), kDefaultPrinterSize - 1);
        std::wstring text = SystemCodePage().toText(entry);
        text.resize(kDefaultPrinterSize, L'\0');  // exactly 255 characters, whatever the entry
        UniqueBstr value(text);
        if (!value.get()) throw LibraryError::runtime(kOutOfMemory);
        *result = value.release();
    });
}

STDMETHODIMP CLibrary::Get_Printers_local(VARIANT* result) {
    if (!result) return E_POINTER;
    VariantInit(result);
    V_VT(result) = VT_ARRAY | VT_BSTR;
    V_ARRAY(result) = nullptr;
    return guardedMember([&] {
        trapped(
            [&] {
                UniqueBstr key(kPrintersKey);
                SAFEARRAY* listed = nullptr;
                throwIfFailed(self()->EnumRegistryKeys(kLocalMachine, key.get(), &listed));
                UniqueSafeArray subkeys(listed);
                // A missing list has no bounds to walk.
                if (!subkeys.get()) throw LibraryError::runtime(kSubscriptOutOfRange);
                std::vector<std::wstring> names;
                const auto* entries = static_cast<BSTR*>(subkeys.get()->pvData);
                for (ULONG i = 0; i < subkeys.get()->rgsabound[0].cElements; ++i) {
                    names.push_back(textOf(entries[i]));
                }
                const std::vector<std::wstring> printers = printerNames(names);
                UniqueSafeArray array(
                    SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(printers.size())));
                if (!array.get()) throw LibraryError::runtime(kOutOfMemory);
                auto* out = static_cast<BSTR*>(array.get()->pvData);
                for (std::size_t i = 0; i < printers.size(); ++i) {
                    UniqueBstr name(printers[i]);
                    out[i] = name.release();
                }
                V_ARRAY(result) = array.release();
            },
            MB_ICONASTERISK | MB_OK, kPrintersTitle);
    });
}

}  // namespace qv::win
