#include "ClipboardPicture.h"

#include "LibraryError.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace qv::win {
namespace {

constexpr std::int32_t kCannotOpenClipboard = 521;
constexpr std::int32_t kInvalidPropertyValue = 380;
constexpr std::int32_t kPathNotFound = 76;
constexpr std::int32_t kFileAccessError = 75;

// The clipboard could not be opened, or not be changed once open.
LibraryError cannotOpenClipboard() {
    return LibraryError(kCannotOpenClipboard, L"Can't open Clipboard");
}

// Holds the clipboard open for one operation.
class OpenClipboardScope {
  public:
    OpenClipboardScope() {
        if (!OpenClipboard(nullptr)) throw cannotOpenClipboard();
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

// A picture the library cannot use: none on the clipboard, or one it cannot read or write.
LibraryError invalidPicture() {
    return LibraryError(kInvalidPropertyValue, L"Invalid property value");
}

// A copy of the clipboard's bitmap or metafile: deleted here unless a new picture object,
// which then owns it, takes it over.
template <class Handle, auto destroy>
class UniqueCopy {
  public:
    explicit UniqueCopy(Handle handle) : handle_(handle) {}
    ~UniqueCopy() {
        if (handle_) destroy(handle_);
    }
    UniqueCopy(const UniqueCopy&) = delete;
    UniqueCopy& operator=(const UniqueCopy&) = delete;
    Handle get() const { return handle_; }
    void release() { handle_ = nullptr; }

  private:
    Handle handle_;
};
using UniqueBitmapCopy = UniqueCopy<HBITMAP, &DeleteObject>;
using UniqueMetafileCopy = UniqueCopy<HENHMETAFILE, &DeleteEnhMetaFile>;

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
        throw invalidPicture();
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = properties.bmWidth;
    header.biHeight = properties.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    // GetDIBits writes bmHeight rows of this size: a size a bitmap file cannot state (over
    // 32 bits, which 32-bit arithmetic would wrap round) makes the picture unusable.
    constexpr std::uint64_t kOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const std::uint64_t rowSize =
        ((std::uint64_t{static_cast<DWORD>(properties.bmWidth)} * 3 + 3) / 4) * 4;
    const std::uint64_t imageSize = rowSize * static_cast<DWORD>(properties.bmHeight);
    if (imageSize > MAXDWORD - kOffBits) throw invalidPicture();
    header.biSizeImage = static_cast<DWORD>(imageSize);

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = static_cast<DWORD>(kOffBits);
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;

    std::vector<BYTE> file(fileHeader.bfSize);
    std::memcpy(file.data(), &fileHeader, sizeof(fileHeader));
    std::memcpy(file.data() + sizeof(fileHeader), &header, sizeof(header));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(properties.bmHeight),
                               file.data() + fileHeader.bfOffBits,
                               reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != properties.bmHeight) throw invalidPicture();
    return file;
}

// The picture's own file form, as the picture object writes it.
std::vector<BYTE> pictureFile(IPicture* picture) {
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put())))
        throw LibraryError::runtime(kOutOfMemory);
    LONG size = 0;
    if (FAILED(picture->SaveAsFile(stream.get(), TRUE, &size))) {
        throw invalidPicture();
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
        UniqueBitmapCopy copy(static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)));
        if (copy.get()) {
            description.picType = PICTYPE_BITMAP;
            description.bmp.hbitmap = copy.get();
            ComPtr<IPicture> picture = pictureOf(description);
            copy.release();
            return picture;
        }
    }
    if (HANDLE metafile = GetClipboardData(CF_ENHMETAFILE)) {
        UniqueMetafileCopy copy(CopyEnhMetaFile(static_cast<HENHMETAFILE>(metafile), nullptr));
        if (copy.get()) {
            description.picType = PICTYPE_ENHMETAFILE;
            description.emf.hemf = copy.get();
            ComPtr<IPicture> picture = pictureOf(description);
            copy.release();
            return picture;
        }
    }
    throw invalidPicture();
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
    if (!EmptyClipboard()) throw cannotOpenClipboard();
}

}  // namespace qv::win
