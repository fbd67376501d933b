#pragma once
// The picture on the system clipboard, as the standard OLE picture object, and its file.

#include "ComHandles.h"

#include <ocidl.h>
#include <olectl.h>

#include <string>

namespace qv::win {

// A new picture object holding a copy of the clipboard's bitmap or enhanced metafile.
// Raises 521 when the clipboard cannot be opened and 380 when it holds no picture.
ComPtr<IPicture> clipboardPicture();

// Writes the picture to `path` in its own format: a bitmap as a Windows bitmap file.
// Raises 76 when the folder does not exist and 75 when the file cannot be written.
void savePicture(IPicture* picture, const std::string& path);

// Empties the clipboard; raises 521 when it cannot be opened or emptied.
void emptyClipboard();

}  // namespace qv::win
