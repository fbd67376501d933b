#include "Artwork.h"

#include "PageDialog.h"

#include <memory>

namespace qv::setup::win {
namespace {

struct GdiDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) DeleteObject(object);
    }
};
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, GdiDeleter>;

// Selects an object into a device context for one scope.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

constexpr COLORREF kDeepBlue = RGB(16, 44, 96);
constexpr COLORREF kTeal = RGB(24, 128, 140);
constexpr COLORREF kGold = RGB(236, 176, 48);
constexpr COLORREF kPaper = RGB(250, 250, 246);

void fill(HDC dc, const RECT& area, COLORREF colour) {
    UniqueGdi brush(CreateSolidBrush(colour));
    FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

void frameRect(HDC dc, const RECT& area, COLORREF colour) {
    UniqueGdi brush(CreateSolidBrush(colour));
    FrameRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

void horizontalGradient(HDC dc, const RECT& area, COLORREF from, COLORREF to) {
    const auto corner = [](LONG x, LONG y, COLORREF colour) {
        return TRIVERTEX{x,
                         y,
                         static_cast<COLOR16>(GetRValue(colour) << 8),
                         static_cast<COLOR16>(GetGValue(colour) << 8),
                         static_cast<COLOR16>(GetBValue(colour) << 8),
                         0};
    };
    TRIVERTEX corners[] = {corner(area.left, area.top, from), corner(area.right, area.bottom, to)};
    GRADIENT_RECT rectangle{0, 1};
    GradientFill(dc, corners, 2, &rectangle, 1, GRADIENT_FILL_RECT_H);
}

void text(HDC dc, RECT area, const wchar_t* words, HFONT font, COLORREF colour, UINT format) {
    Selected selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, words, -1, &area, format | DT_NOPREFIX);
}

int scaled(const RECT& area, int percent, bool vertical) {
    const int size = vertical ? area.bottom - area.top : area.right - area.left;
    return (vertical ? area.top : area.left) + size * percent / 100;
}

void drawBanner(HDC dc, const RECT& area) {
    horizontalGradient(dc, area, kDeepBlue, kTeal);
    const int height = area.bottom - area.top;
    // A rising line of a chart across the right part, clear of the words on the left.
    UniqueGdi pen(CreatePen(PS_SOLID, 3, kGold));
    Selected selectedPen(dc, pen.get());
    const int width = area.right - area.left;
    const int start = area.left + width * 11 / 20, span = area.right - 12 - start;
    const int bottom = area.bottom;
    const POINT line[] = {{start, bottom - height / 5},
                          {start + span / 4, bottom - height * 2 / 5},
                          {start + span / 2, bottom - height / 3},
                          {start + span * 3 / 4, bottom - height * 3 / 5},
                          {start + span, bottom - height * 4 / 5}};
    Polyline(dc, line, 5);
    // Every paint draws the pictures again: their fonts are made once, for the program's life.
    static const UniqueFont largeTitle = createFont(L"Verdana", 20, true);
    static const UniqueFont smallTitle = createFont(L"Verdana", 14, true);
    static const UniqueFont subtitle = createFont(L"Verdana", 8, false);
    const UniqueFont& title = height > 50 ? largeTitle : smallTitle;
    RECT titleArea{area.left + 14, area.top, area.right, area.top + height * 2 / 3};
    text(dc, titleArea, L"Quorvane", title.get(), RGB(255, 255, 255),
         DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
    RECT subtitleArea{area.left + 16, area.top + height * 2 / 3, area.right, area.bottom};
    text(dc, subtitleArea, L"Function 11 for Microsoft Excel", subtitle.get(), RGB(220, 236, 240),
         DT_LEFT | DT_TOP | DT_SINGLELINE);
}

// A framed card with a caption under its drawing.
RECT drawCard(HDC dc, const RECT& area, const wchar_t* caption) {
    fill(dc, area, kPaper);
    frameRect(dc, area, RGB(160, 170, 180));
    static const UniqueFont font = createFont(L"Verdana", 7, false);
    RECT captionArea{area.left, area.bottom - 16, area.right, area.bottom - 2};
    text(dc, captionArea, caption, font.get(), kDeepBlue, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    return RECT{area.left + 6, area.top + 6, area.right - 6, area.bottom - 18};
}

void drawFunctions(HDC dc, const RECT& area) {
    const RECT inner = drawCard(dc, area, L"Functions");
    static const UniqueFont font = createFont(L"Times New Roman", 22, true);
    text(dc, inner, L"fx", font.get(), kTeal, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void drawChart(HDC dc, const RECT& area) {
    const RECT inner = drawCard(dc, area, L"Charts");
    const int bars = 4, gap = 4;
    const int width = (inner.right - inner.left - gap * (bars + 1)) / bars;
    const int heights[bars] = {35, 60, 45, 85};
    for (int bar = 0; bar < bars; ++bar) {
        const int left = inner.left + gap + bar * (width + gap);
        const RECT column{left, scaled(inner, 100 - heights[bar], true), left + width,
                          inner.bottom};
        fill(dc, column, bar == bars - 1 ? kGold : kTeal);
    }
}

void drawToolbar(HDC dc, const RECT& area) {
    const RECT inner = drawCard(dc, area, L"Toolbar");
    const int rows = 2, columns = 3;
    const int cellWidth = (inner.right - inner.left) / columns;
    const int cellHeight = (inner.bottom - inner.top) / rows;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const RECT button{inner.left + column * cellWidth + 2, inner.top + row * cellHeight + 2,
                              inner.left + (column + 1) * cellWidth - 2,
                              inner.top + (row + 1) * cellHeight - 2};
            fill(dc, button, (row + column) % 2 ? kDeepBlue : kTeal);
        }
}

// A link: its symbol at the left, its words underlined beside it.
void drawLink(HDC dc, const RECT& area, bool mail) {
    fill(dc, area, GetSysColor(COLOR_BTNFACE));
    const int size = area.bottom - area.top - 4;
    const RECT symbol{area.left + 2, area.top + 2, area.left + 2 + size, area.top + 2 + size};
    UniqueGdi pen(CreatePen(PS_SOLID, 1, kDeepBlue));
    Selected selectedPen(dc, pen.get());
    Selected selectedBrush(dc, GetStockObject(NULL_BRUSH));
    if (mail) {
        Rectangle(dc, symbol.left, symbol.top + size / 5, symbol.right, symbol.bottom - size / 5);
        const POINT flap[] = {{symbol.left, symbol.top + size / 5},
                              {(symbol.left + symbol.right) / 2, symbol.top + size / 2},
                              {symbol.right - 1, symbol.top + size / 5}};
        Polyline(dc, flap, 3);
    } else {
        Ellipse(dc, symbol.left, symbol.top, symbol.right, symbol.bottom);
        Ellipse(dc, symbol.left + size / 4, symbol.top, symbol.right - size / 4, symbol.bottom);
        MoveToEx(dc, symbol.left, (symbol.top + symbol.bottom) / 2, nullptr);
        LineTo(dc, symbol.right, (symbol.top + symbol.bottom) / 2);
    }
    static const UniqueFont linkFont = [] {
        const UniqueFont plain = createFont(L"Verdana", 7, false);
        LOGFONTW underlined{};
        GetObjectW(plain.get(), sizeof(underlined), &underlined);
        underlined.lfUnderline = TRUE;
        return UniqueFont(CreateFontIndirectW(&underlined));
    }();
    RECT words{symbol.right + 4, area.top, area.right, area.bottom};
    text(dc, words, mail ? L"Mail" : L"Web site", linkFont.get(), RGB(0, 0, 200),
         DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void drawPageIcon(HDC dc, const RECT& area) {
    fill(dc, area, GetSysColor(COLOR_BTNFACE));
    const int size = (area.bottom - area.top < area.right - area.left ? area.bottom - area.top
                                                                      : area.right - area.left);
    const RECT box{area.left + 1, area.top + size / 4, area.left + size - 1, area.top + size - 1};
    fill(dc, box, kTeal);
    const RECT lid{area.left + 1, area.top + 1, area.left + size - 1, area.top + size / 4 + 1};
    fill(dc, lid, kDeepBlue);
    const RECT band{area.left + size / 2 - 2, area.top + 1, area.left + size / 2 + 2,
                    area.top + size - 1};
    fill(dc, band, kGold);
}

}  // namespace

void drawPicture(Picture picture, const DRAWITEMSTRUCT& item) {
    const RECT& area = item.rcItem;
    switch (picture) {
        case Picture::Banner:
            drawBanner(item.hDC, area);
            break;
        case Picture::Functions:
            drawFunctions(item.hDC, area);
            break;
        case Picture::Chart:
            drawChart(item.hDC, area);
            break;
        case Picture::Toolbar:
            drawToolbar(item.hDC, area);
            break;
        case Picture::WebLink:
            drawLink(item.hDC, area, false);
            break;
        case Picture::MailLink:
            drawLink(item.hDC, area, true);
            break;
        case Picture::PageIcon:
            drawPageIcon(item.hDC, area);
            break;
    }
}

}  // namespace qv::setup::win
