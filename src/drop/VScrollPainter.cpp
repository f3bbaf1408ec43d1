#include "drop/VScrollPainter.h"

#include <string>

#include "render/ResourceBitmaps.h"
#include "render/modDrawHelpers.h"
#include "render/styles/BandDrawing.h"

namespace {

// Behind pieces the artwork lacks.
constexpr OLE_COLOR kBackground = kOleSystemColorFlag | COLOR_BTNFACE;
// The grip shows only on a thumb with this much room around it.
constexpr int kGripMargin = 2;

struct tArrowArt {
  const char* normal;
  const char* hot;
  const char* pressed;
  const char* disabled;
  const char* glyph;
  const char* glyphDisabled;
  eVScrollPaint eHot;
  eVScrollPaint ePressed;
};

constexpr tArrowArt kUpArrow{"VS_UP(",    "VS_UPHOT(",        "VS_UPPRESS(", "VS_UPDISABLED",
                             "VS_UPARROW(", "VS_UPARROWDISABLED", eVScrollPaint::UpHot, eVScrollPaint::UpPressed};
constexpr tArrowArt kDownArrow{"VS_DOWN(",      "VS_DOWNHOT(",          "VS_DOWNPRESS(",
                               "VS_DOWNDISABLED", "VS_DOWNARROW(",      "VS_DOWNARROWDISABLED",
                               eVScrollPaint::DownHot, eVScrollPaint::DownPressed};

class Composer {
 public:
  Composer(HDC hdc, int iTheme, styles::ArtworkCache& artwork) : m_hDC(hdc), m_iTheme(iTheme), m_Artwork(artwork) {}

  // A themed piece ("VS_BAR(") or a fixed one ("VS_UPDISABLED").
  const cMemDC* Piece(const char* name) {
    const std::string sName(name);
    return m_Artwork.Find(sName.back() == '(' ? ThemedResourceName(sName, m_iTheme) : sName);
  }

  // The whole piece stretched over the rectangle.
  void Stretch(const char* name, int x, int y, int w, int h) {
    const cMemDC* art = Piece(name);
    if (art == nullptr || w <= 0 || h <= 0) return;
    StretchBlt(m_hDC, x, y, w, h, art->hdc(), 0, 0, art->Width(), art->Height(), SRCCOPY);
  }

  // The whole piece, keyed, centred in the rectangle.
  void Centred(const char* name, int x, int y, int w, int h) {
    const cMemDC* art = Piece(name);
    if (art == nullptr) return;
    styles::CopyKeyed(m_hDC, x + (w - art->Width()) / 2, y + (h - art->Height()) / 2, *art, 0, 0, art->Width(),
                      art->Height());
  }

  int PieceHeight(const char* name) {
    const cMemDC* art = Piece(name);
    return art == nullptr ? 0 : art->Height();
  }

 private:
  HDC m_hDC;
  int m_iTheme;
  styles::ArtworkCache& m_Artwork;
};

void DrawArrow(Composer& art, const tVScrollPicture& p, const tArrowArt& arrow, int y, int h) {
  const char* face = arrow.normal;
  if (!p.bEnabled) {
    face = arrow.disabled;
  } else if (p.ePaint == arrow.ePressed) {
    face = arrow.pressed;
  } else if (p.ePaint == arrow.eHot) {
    face = arrow.hot;
  }
  art.Stretch(face, 0, y, p.iWidth, h);
  art.Centred(p.bEnabled ? arrow.glyph : arrow.glyphDisabled, 0, y, p.iWidth, h);
}

void DrawThumb(Composer& art, const tVScrollPicture& p) {
  const bool bPressed = p.ePaint == eVScrollPaint::ThumbPressed;
  const bool bHot = p.ePaint == eVScrollPaint::ThumbHot;
  const char* top = bPressed ? "VS_TOPPRESS(" : bHot ? "VS_TOPHOT(" : "VS_TOP(";
  const char* body = bPressed ? "VS_BARPRESS(" : bHot ? "VS_BARHOT(" : "VS_BAR(";
  const char* bottom = bPressed ? "VS_BOTTOMPRESS(" : bHot ? "VS_BOTTOMHOT(" : "VS_BOTTOM(";
  const int cap = art.PieceHeight(top);
  const int end = art.PieceHeight(bottom);
  const int y = p.iThumbTop;
  const int length = p.iThumbLength;
  art.Stretch(body, 0, y + cap, p.iWidth, length - cap - end);
  art.Stretch(top, 0, y, p.iWidth, cap);
  art.Stretch(bottom, 0, y + length - end, p.iWidth, end);
  if (length - cap - end >= art.PieceHeight("VS_GRIPBAR(") + 2 * kGripMargin) {
    art.Centred("VS_GRIPBAR(", 0, y, p.iWidth, length);
  }
}

}  // namespace

void DrawVScroll(HDC hdc, const tVScrollPicture& p, int iTheme, styles::ArtworkCache& artwork) {
  DrawSolidRect(hdc, 0, 0, p.iWidth, p.iHeight, kBackground, kSolidRectFill);
  Composer art(hdc, iTheme, artwork);
  const int trackBottom = p.iHeight - p.iBottomArrowHeight;
  art.Stretch(p.bHot && p.bEnabled ? "VS_BACKHOT(" : "VS_BACK(", 0, p.iTopArrowHeight, p.iWidth,
              trackBottom - p.iTopArrowHeight);
  DrawArrow(art, p, kUpArrow, 0, p.iTopArrowHeight);
  DrawArrow(art, p, kDownArrow, trackBottom, p.iBottomArrowHeight);
  if (p.bEnabled && p.iThumbLength > 0) DrawThumb(art, p);
}
