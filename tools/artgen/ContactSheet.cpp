#include "ContactSheet.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ArtCanvas.h"
#include "ArtPreview.h"
#include "ThemePalette.h"
#include "render/ResourceBitmaps.h"
#include "win32/gdi.h"

namespace artgen {
namespace {

constexpr int kZoom = 3;
constexpr int kPreviewZoom = 2;
constexpr int kSheetWidth = 1400;
constexpr int kMargin = 16;
constexpr int kGap = 14;
constexpr int kLabelHeight = 16;
constexpr int kHeadingHeight = 26;
constexpr LONG kLabelFontHeight = -11;
constexpr LONG kHeadingFontHeight = -15;
constexpr COLORREF kPaper = RGB(250, 250, 250);
constexpr COLORREF kInk = RGB(40, 40, 40);
constexpr COLORREF kRule = RGB(200, 200, 200);
constexpr COLORREF kImageFrame = RGB(160, 160, 160);
constexpr COLORREF kCheckerLight = RGB(255, 255, 255);
constexpr COLORREF kCheckerDark = RGB(226, 226, 226);
constexpr int kCheckerCell = 4;
constexpr const char* kSectionNames[] = {"Shared", "XPBlue (0)", "XPSilver (1)", "XPOlive (2)"};

HFONT MakeFont(LONG height, LONG weight) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, "Tahoma", LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

class SheetWriter {
 public:
  SheetWriter(win32::Surface& sheet, bool measureOnly)
      : m_sheet(sheet), m_measureOnly(measureOnly),
        m_hdc(win32::CreateSurfaceDC(&sheet, {0, 0}, {0, 0, sheet.width, sheet.height})),
        m_label(MakeFont(kLabelFontHeight, FW_NORMAL)), m_heading(MakeFont(kHeadingFontHeight, FW_BOLD)) {
    m_previousFont = SelectObject(m_hdc, m_label);
    SetBkMode(m_hdc, TRANSPARENT);
    SetTextColor(m_hdc, kInk);
  }
  ~SheetWriter() {
    SelectObject(m_hdc, m_previousFont);
    DeleteObject(m_label);
    DeleteObject(m_heading);
    DeleteDC(m_hdc);
  }
  SheetWriter(const SheetWriter&) = delete;
  SheetWriter& operator=(const SheetWriter&) = delete;

  void Section(const char* title) {
    if (m_x > kMargin) NewRow();
    if (!m_measureOnly) Fill(m_sheet, {kMargin, m_y, m_sheet.width - kMargin, m_y + 1}, kRule);
    SelectObject(m_hdc, m_heading);
    Text(title, kMargin, m_y + 4);
    SelectObject(m_hdc, m_label);
    m_y += kHeadingHeight + kGap / 2;
  }

  void Piece(const ArtPiece& piece, int zoom) {
    const int w = piece.image.width * zoom;
    const int h = piece.image.height * zoom;
    const std::string label = piece.name + "  " + std::to_string(piece.image.width) + "x" + std::to_string(piece.image.height);
    SIZE text{};
    GetTextExtentPoint32A(m_hdc, label.c_str(), static_cast<int>(label.size()), &text);
    const int cellWidth = std::max<int>(w + 2, text.cx);
    if (m_x > kMargin && m_x + cellWidth > m_sheet.width - kMargin) NewRow();
    Text(label, m_x, m_y);
    if (!m_measureOnly) {
      Frame(m_sheet, {m_x, m_y + kLabelHeight, m_x + w + 2, m_y + kLabelHeight + h + 2}, kImageFrame);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) Put(m_sheet, m_x + 1 + x, m_y + kLabelHeight + 1 + y, Shown(piece.image.At(x / zoom, y / zoom), x, y));
    }
    m_x += cellWidth + kGap;
    m_rowHeight = std::max(m_rowHeight, kLabelHeight + h + 2);
  }

  int Finish() {
    NewRow();
    return m_y + kMargin;
  }

 private:
  // The key colour of glyph pictures shows as a checkerboard, the usual sign of "transparent".
  static COLORREF Shown(COLORREF c, int x, int y) {
    if (c != artwork::kArtworkKeyColor) return c;
    return (x / kCheckerCell + y / kCheckerCell) % 2 ? kCheckerDark : kCheckerLight;
  }
  void NewRow() {
    m_y += m_rowHeight + kGap;
    m_x = kMargin;
    m_rowHeight = 0;
  }
  void Text(const std::string& s, int x, int y) {
    if (m_measureOnly) return;
    RECT r = {x, y, m_sheet.width, y + kHeadingHeight};
    DrawTextA(m_hdc, s.c_str(), static_cast<int>(s.size()), &r, DT_SINGLELINE | DT_NOPREFIX);
  }

  win32::Surface& m_sheet;
  bool m_measureOnly;
  HDC m_hdc;
  HFONT m_label;
  HFONT m_heading;
  HGDIOBJ m_previousFont = nullptr;
  int m_x = kMargin;
  int m_y = kMargin;
  int m_rowHeight = 0;
};

// Lays the sheet out once; with measureOnly nothing is drawn. Returns the height used.
int Lay(win32::Surface& sheet, const Artwork& art, bool measureOnly) {
  SheetWriter writer(sheet, measureOnly);
  for (int section = kSharedTheme; section < kThemes; ++section) {
    writer.Section(kSectionNames[section - kSharedTheme]);
    for (const ArtPiece& piece : art) {
      if (piece.theme == section) writer.Piece(piece, kZoom);
    }
    if (section != kSharedTheme) writer.Piece({"assembled", section, RenderPreview(art, section)}, kPreviewZoom);
  }
  return writer.Finish();
}

}  // namespace

win32::Surface RenderContactSheet(const Artwork& art) {
  constexpr int kMeasureHeight = 1;
  win32::Surface probe = Blank(kSheetWidth, kMeasureHeight, kPaper);
  const int height = Lay(probe, art, true);
  win32::Surface sheet = Blank(kSheetWidth, height, kPaper);
  Lay(sheet, art, false);
  return sheet;
}

}  // namespace artgen
