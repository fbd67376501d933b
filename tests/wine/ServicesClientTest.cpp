// The system services from the C++ client under Xvfb: the real clipboard, printer keys of
// the registry, the profile's default printer, message boxes and the shell.

#include "ComClient.h"
#include "MessageBoxWatcher.h"

#include <olectl.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace qv::testing {
namespace {

constexpr int kWidth = 3;
constexpr int kHeight = 2;
constexpr COLORREF kPixels[kHeight][kWidth] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                               {RGB(10, 20, 30), RGB(255, 255, 255), RGB(0, 0, 0)}};

// Puts a small bitmap with known pixels on the clipboard.
void putBitmapOnClipboard() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) SetPixel(memory, x, y, kPixels[y][x]);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_BITMAP, bitmap), nullptr);  // the clipboard owns it now
    CloseClipboard();
}

void putTextOnClipboard() {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(text), "hello", 6);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
}

void emptyClipboard() {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

std::vector<char> fileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>());
}

bool fileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

class ServicesClientTest : public TitledLibraryTest {
  protected:
    HRESULT copyPicture(const wchar_t* file) {
        BSTR name = SysAllocString(file);
        const HRESULT result = library_->Copy_picture(&name);
        SysFreeString(name);
        return result;
    }
};

TEST_F(ServicesClientTest, TheClipboardBitmapIsSavedAsABitmapFileOfTheSamePixels) {
    MessageBoxWatcher watcher;
    putBitmapOnClipboard();
    DeleteFileA("C:\\picture.bmp");
    ASSERT_EQ(copyPicture(L"  C:\\picture.bmp  "), S_OK);
    EXPECT_TRUE(watcher.seen().empty());

    const std::vector<char> file = fileBytes("C:\\picture.bmp");
    ASSERT_GT(file.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER header;
    std::memcpy(&fileHeader, file.data(), sizeof(fileHeader));
    std::memcpy(&header, file.data() + sizeof(fileHeader), sizeof(header));
    EXPECT_EQ(fileHeader.bfType, 0x4D42);
    EXPECT_EQ(fileHeader.bfSize, file.size());
    ASSERT_EQ(header.biWidth, kWidth);
    ASSERT_EQ(header.biHeight, kHeight);
    ASSERT_EQ(header.biBitCount, 24);
    const int rowSize = ((kWidth * 3 + 3) / 4) * 4;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // Rows are stored bottom-up, each pixel blue, green, red.
            const auto* pixel = reinterpret_cast<const BYTE*>(file.data() + fileHeader.bfOffBits +
                                                              (kHeight - 1 - y) * rowSize + x * 3);
            EXPECT_EQ(RGB(pixel[2], pixel[1], pixel[0]), kPixels[y][x]) << x << "," << y;
        }
    }
}

TEST_F(ServicesClientTest, PicturesFromTheClipboardUntilItIsEmptied) {
    MessageBoxWatcher watcher;
    putBitmapOnClipboard();
    ComPtr<IPictureDisp> first, second;
    ASSERT_EQ(library_->lpImage_cell(first.put()), S_OK);
    ASSERT_EQ(library_->lpImage_cell(second.put()), S_OK);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    for (IPictureDisp* picture : {first.get(), second.get()}) {
        ComPtr<IPicture> pictureInterface;
        ASSERT_EQ(picture->QueryInterface(IID_IPicture, pictureInterface.putVoid()), S_OK);
        OLE_HANDLE handle = 0;
        pictureInterface->get_Handle(&handle);
        BITMAP properties{};
        ASSERT_TRUE(GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)),
                               sizeof(properties), &properties));
        EXPECT_EQ(properties.bmWidth, kWidth);
        EXPECT_EQ(properties.bmHeight, kHeight);
    }
    EXPECT_TRUE(watcher.seen().empty());

    ASSERT_EQ(library_->Limpia(), S_OK);
    ComPtr<IPictureDisp> none;
    ASSERT_EQ(library_->lpImage_cell(none.put()), S_OK);
    EXPECT_FALSE(none);
    EXPECT_EQ(watcher.seen(),
              (std::vector<SeenMessage>{{L"Quorvane Function", L"Invalid property value"}}));
}

TEST_F(ServicesClientTest, NoPictureOrNoFolderGivesOneMessageAndNoFile) {
    struct Case {
        const char* comment;
        void (*prepare)();
        const wchar_t* file;
        const char* checked;
        const wchar_t* description;
    };
    const Case cases[] = {
        {"empty clipboard", emptyClipboard, L"C:\\empty.bmp", "C:\\empty.bmp",
         L"Invalid property value"},
        {"text only", putTextOnClipboard, L"C:\\text.bmp", "C:\\text.bmp",
         L"Invalid property value"},
        {"missing folder", putBitmapOnClipboard, L"C:\\NoSuchFolder\\x.bmp",
         "C:\\NoSuchFolder\\x.bmp", L"Path not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comment);
        MessageBoxWatcher watcher;
        c.prepare();
        ASSERT_EQ(copyPicture(c.file), S_OK);
        EXPECT_FALSE(fileExists(c.checked));
        EXPECT_EQ(watcher.seen(),
                  (std::vector<SeenMessage>{{L"Quorvane Function", c.description}}));
    }
}

std::vector<std::wstring> printers(_CLibrary* library) {
    UniqueVariant result;
    EXPECT_EQ(library->Get_Printers_local(result.get()), S_OK);
    EXPECT_EQ(V_VT(result.get()), VT_ARRAY | VT_BSTR);
    std::vector<std::wstring> names;
    SAFEARRAY* array = V_ARRAY(result.get());
    if (!array) return {L"(no array)"};
    auto* entries = static_cast<BSTR*>(array->pvData);
    for (ULONG i = 0; i < array->rgsabound[0].cElements; ++i)
        names.push_back(win::textOf(entries[i]));
    return names;
}

TEST_F(ServicesClientTest, PrinterNamesComeFromThePrinterKey) {
    const wchar_t* printersKey = L"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";
    MessageBoxWatcher watcher;
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, printersKey);
    for (const wchar_t* name : {L"Zeta", L"Alpha", L".hidden", L"CLSID"}) {
        win::UniqueHKey key;
        ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE,
                                (std::wstring(printersKey) + L"\\" + name).c_str(), key.put()),
                  ERROR_SUCCESS);
    }
    EXPECT_EQ(printers(library_.get()), (std::vector<std::wstring>{L"Alpha", L"Zeta"}));
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (std::wstring(printersKey) + L"\\CLSID").c_str());
    win::UniqueHKey lower;
    RegCreateKeyW(HKEY_LOCAL_MACHINE, (std::wstring(printersKey) + L"\\clsid").c_str(),
                  lower.put());
    EXPECT_EQ(printers(library_.get()), (std::vector<std::wstring>{L"Alpha", L"clsid", L"Zeta"}));
    EXPECT_TRUE(watcher.seen().empty());

    RegDeleteTreeW(HKEY_LOCAL_MACHINE, printersKey);
    EXPECT_EQ(printers(library_.get()), std::vector<std::wstring>{L"(no array)"});
    EXPECT_EQ(watcher.seen(), (std::vector<SeenMessage>{{L"Quorvane", L"Subscript out of range"}}));
}

TEST_F(ServicesClientTest, TheDefaultPrinterEntryIsAlways255Characters) {
    UniqueBstr entry;
    ASSERT_EQ(library_->DefaultPrinterInfo(entry.put()), S_OK);
    EXPECT_EQ(win::textOf(entry.get()), std::wstring(255, L'\0'));
    ASSERT_TRUE(WriteProfileStringA("Windows", "Device", "PDF,winspool,Ne00:"));
    ASSERT_EQ(library_->DefaultPrinterInfo(entry.put()), S_OK);
    const std::wstring expected = L"PDF,winspool,Ne00:";
    EXPECT_EQ(win::textOf(entry.get()), expected + std::wstring(255 - expected.size(), L'\0'));
    ASSERT_TRUE(WriteProfileStringA("Windows", "Device", std::string(300, 'p').c_str()));
    ASSERT_EQ(library_->DefaultPrinterInfo(entry.put()), S_OK);
    EXPECT_EQ(SysStringLen(entry.get()), 255u);
}

TEST_F(ServicesClientTest, MessagesCarryTheObjectsTitleAndLinksShowNothing) {
    MessageBoxWatcher watcher;
    for (const wchar_t* text : {L"Hola", L""}) {
        BSTR message = SysAllocString(text);
        ASSERT_EQ(library_->Messagebox(&message), S_OK);
        SysFreeString(message);
    }
    BSTR missing = SysAllocString(L"C:\\no\\such\\document.pdf");
    EXPECT_EQ(library_->prcLink(&missing), S_OK);
    EXPECT_EQ(library_->prcLink_About(&missing), S_OK);
    EXPECT_EQ(win::textOf(missing), L"C:\\no\\such\\document.pdf");
    SysFreeString(missing);
    EXPECT_EQ(watcher.seen(), (std::vector<SeenMessage>{{L"Quorvane Function", L"Hola"},
                                                        {L"Quorvane Function", L""}}));
}

}  // namespace
}  // namespace qv::testing
