#include "ClipboardPicture.h"

#include "LibraryError.h"

#include <cstring>
#include <vector>

namespace qv::win {
namespace {

constexpr std::int32_t kCannotOpenClipboard = 521;
constexpr std::int32_t kInvalidPropertyValue = 380;
constexpr std::int32_t kPathNotFound = 76;
constexpr std::int32_t kFileAccessError = 75;

// Holds the clipboard open for one operation.
class OpenClipboardScope {
  public:
    OpenClipboardScope() {
        if (!OpenClipboard(nullptr)) {
            throw LibraryError(kCannotOpenClipboard, L"Can't open Clipboard");
        }
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

class UniqueFile {
  public:
    explicit UniqueFile(HANDLE file) : file_(file) {}
    ~UniqueFile() {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    }
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;
    HANDLE get() const { return file_; }

  private:
    HANDLE file_;
};

ComPtr<IPicture> pictureOf(PICTDESC& description) {
    ComPtr<IPicture> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPicture, TRUE, picture.putVoid()))) {
        throw LibraryError::runtime(kOutOfMemory);
    }
    return picture;
}

// A bitmap as a Windows bitmap file: 24 bits a pixel, rows bottom-up.
std::vector<BYTE> bitmapFile(HBITMAP bitmap) {
    BITMAP properties{};
    if (!GetObjectW(bitmap, sizeof(properties), &properties)) {
        throw LibraryError(kInvalidPropertyValue, L"Invalid property value");
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = properties.bmWidth;
    header.biHeight = properties.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD rowSize = ((static_cast<DWORD>(properties.bmWidth) * 3 + 3) / 4) * 4;
    header.biSizeImage = rowSize * static_cast<DWORD>(properties.bmHeight);

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;

    std::vector<BYTE> file(fileHeader.bfSize);
    std::memcpy(file.data(), &fileHeader, sizeof(fileHeader));
    std::memcpy(file.data() + sizeof(fileHeader), &header, sizeof(header));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(properties.bmHeight),
                               file.data() + fileHeader.bfOffBits,
                               reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != properties.bmHeight)
        throw LibraryError(kInvalidPropertyValue, L"Invalid property value");
    return file;
}

// The picture's own file form, as the picture object writes it.
std::vector<BYTE> pictureFile(IPicture* picture) {
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put())))
        throw LibraryError::runtime(kOutOfMemory);
    LONG size = 0;
    if (FAILED(picture->SaveAsFile(stream.get(), TRUE, &size))) {
        throw LibraryError(kInvalidPropertyValue, L"Invalid property value");
    }
    std::vector<BYTE> file(static_cast<std::size_t>(size));
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream->Read(file.data(), static_cast<ULONG>(file.size()), &read);
    file.resize(read);
    return file;
}

}  // namespace

ComPtr<IPicture> clipboardPicture() {
    OpenClipboardScope open;
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    if (HANDLE bitmap = GetClipboardData(CF_BITMAP)) {
        description.picType = PICTYPE_BITMAP;
        description.bmp.hbitmap = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
        if (description.bmp.hbitmap) return pictureOf(description);
    }
    if (HANDLE metafile = GetClipboardData(CF_ENHMETAFILE)) {
        description.picType = PICTYPE_ENHMETAFILE;
        description.emf.hemf = CopyEnhMetaFile(static_cast<HENHMETAFILE>(metafile), nullptr);
        if (description.emf.hemf) return pictureOf(description);
    }
    throw LibraryError(kInvalidPropertyValue, L"Invalid property value");
}

void savePicture(IPicture* picture, const std::string& path) {
    SHORT type = PICTYPE_NONE;
    picture->get_Type(&type);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    const std::vector<BYTE> file =
        type == PICTYPE_BITMAP
            ? bitmapFile(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)))
            : pictureFile(picture);
    UniqueFile output(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (output.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_PATH_NOT_FOUND) throw LibraryError(kPathNotFound, L"Path not found");
        throw LibraryError(kFileAccessError, L"Path/File access error");
    }
    DWORD written = 0;
    if (!WriteFile(output.get(), file.data(), static_cast<DWORD>(file.size()), &written, nullptr) ||
        written != file.size()) {
        throw LibraryError(kFileAccessError, L"Path/File access error");
    }
}

void emptyClipboard() {
    OpenClipboardScope open;
    EmptyClipboard();
}

}  // namespace qv::win
