#pragma once
// The wizard's own pictures, drawn with GDI into their owner-drawn frames: the banner, the
// product pictures, the link pictures and the page icon.

#include <windows.h>

namespace qv::setup::win {

enum class Picture { Banner, Functions, Chart, Toolbar, WebLink, MailLink, PageIcon };

void drawPicture(Picture picture, const DRAWITEMSTRUCT& item);

}  // namespace qv::setup::win
