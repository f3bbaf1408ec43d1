// DrawText: prefix ("&") handling, line and word breaking, tabs, ellipses, alignment.
// Left out: DT_PATH_ELLIPSIS (drawn as an end ellipsis), DT_MODIFYSTRING (the caller's text
// is never rewritten), DT_EDITCONTROL, DT_RTLREADING.
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "win32/gdi/TextRun.h"

namespace {

using namespace win32::gdi;

constexpr char16_t kPrefix = u'&';
constexpr char16_t kTab = u'\t';
constexpr char16_t kSpace = u' ';
constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kLineFeed = u'\n';
constexpr std::u16string_view kEllipsis = u"...";
constexpr int kDefaultTabChars = 8;
constexpr UINT kEllipsisFlags = DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS;

// One line as shown: the prefix marks removed, and where the mnemonic underline goes.
struct Line {
  std::u16string text;
  int mnemonic = -1;  // index into text, -1 for none
  int width = 0;
};

struct Options {
  UINT format = 0;
  int tabWidth = 0;
  int leftMargin = 0;
  int rightMargin = 0;
};

int Measure(FontFace& face, std::u16string_view text, const Options& opt) {
  if (!(opt.format & DT_EXPANDTABS)) return face.MeasureWidth(text);
  int x = 0;
  size_t start = 0;
  while (true) {
    const size_t tab = text.find(kTab, start);
    x += face.MeasureWidth(text.substr(start, tab == std::u16string_view::npos ? std::u16string_view::npos : tab - start));
    if (tab == std::u16string_view::npos) return x;
    x = (x / opt.tabWidth + 1) * opt.tabWidth;
    start = tab + 1;
  }
}

// Removes the prefix marks of one raw line: "&x" marks x, "&&" shows one "&".
Line StripPrefixes(std::u16string_view raw, UINT format) {
  Line line;
  if (format & DT_NOPREFIX) {
    line.text = raw;
    return line;
  }
  line.text.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == kPrefix && i + 1 < raw.size()) {
      ++i;
      if (raw[i] != kPrefix) line.mnemonic = static_cast<int>(line.text.size());
    } else if (raw[i] == kPrefix) {
      continue;  // a trailing "&" shows nothing
    }
    line.text += raw[i];
  }
  return line;
}

// Calls `fn` with each line, split at explicit line ends (CR LF, LF or CR) unless single-line.
template <class Fn>
void ForEachRawLine(std::u16string_view text, UINT format, Fn fn) {
  if (format & DT_SINGLELINE) {
    fn(text);
    return;
  }
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != kCarriageReturn && text[i] != kLineFeed) continue;
    fn(text.substr(start, i - start));
    if (text[i] == kCarriageReturn && i + 1 < text.size() && text[i + 1] == kLineFeed) ++i;
    start = i + 1;
  }
  fn(text.substr(start));
}

// Breaks a shown line into lines no wider than `limit`, at spaces; a single word wider than
// the limit keeps its own line.
void WrapLine(FontFace& face, Line line, int limit, const Options& opt, std::vector<Line>& out) {
  while (true) {
    line.width = Measure(face, line.text, opt);
    if (line.width <= limit) break;
    size_t cut = std::u16string::npos;
    for (size_t i = 1; i < line.text.size(); ++i) {
      if (line.text[i] != kSpace) continue;
      if (Measure(face, std::u16string_view(line.text).substr(0, i), opt) > limit) break;
      cut = i;
    }
    if (cut == std::u16string::npos) {
      cut = line.text.find(kSpace, 1);
      if (cut == std::u16string::npos) break;
    }
    size_t next = cut;
    while (next < line.text.size() && line.text[next] == kSpace) ++next;
    if (next == line.text.size()) {
      line.text.erase(cut);
      continue;
    }
    Line head{line.text.substr(0, cut), line.mnemonic < static_cast<int>(cut) ? line.mnemonic : -1, 0};
    head.width = Measure(face, head.text, opt);
    out.push_back(std::move(head));
    line.mnemonic = line.mnemonic >= static_cast<int>(next) ? line.mnemonic - static_cast<int>(next) : -1;
    line.text.erase(0, next);
  }
  out.push_back(std::move(line));
}

// Keeps the longest start of the line that fits with "..." appended. The width grows with the
// length kept, so that length is found by halving, not by dropping one character at a time
// (which measures a long line once per character).
void Ellipsify(FontFace& face, Line& line, int limit, const Options& opt) {
  if (line.width <= limit) return;
  const auto fits = [&](std::size_t length) {
    return Measure(face, line.text.substr(0, length) + std::u16string(kEllipsis), opt) <= limit;
  };
  std::size_t kept = 0;  // fits, or nothing does
  std::size_t tooLong = line.text.size() + 1;
  while (tooLong - kept > 1) {
    const std::size_t middle = kept + (tooLong - kept) / 2;
    (fits(middle) ? kept : tooLong) = middle;
  }
  if (line.mnemonic >= static_cast<int>(kept)) line.mnemonic = -1;
  line.text = line.text.substr(0, kept) + std::u16string(kEllipsis);
  line.width = Measure(face, line.text, opt);
}

void DrawLine(const DeviceContext& dc, FontFace& face, const Line& line, int x, int top, const Options& opt) {
  if (opt.format & DT_EXPANDTABS) {
    size_t start = 0;
    std::u16string_view text = line.text;
    while (start <= text.size()) {
      const size_t tab = std::min(text.find(kTab, start), text.size());
      const std::u16string_view piece = text.substr(start, tab - start);
      DrawTextRun(dc, x + Measure(face, text.substr(0, start), opt), top, piece);
      start = tab + 1;
    }
  } else {
    DrawTextRun(dc, x, top, line.text);
  }
  if (line.mnemonic < 0) return;
  // The mnemonic underline runs one pixel below the baseline, one pixel short of the
  // character's advance, as a LineTo between the two would.
  const std::u16string_view text = line.text;
  const int from = x + Measure(face, text.substr(0, static_cast<size_t>(line.mnemonic)), opt);
  const int to = x + Measure(face, text.substr(0, static_cast<size_t>(line.mnemonic) + 1), opt) - 1;
  const int y = top + face.Metrics().ascent + 1;
  win32::Surface* target = TargetOf(dc);
  const COLORREF color = ToTargetColor(dc, dc.attr.textColor);
  ForEachVisible(dc, RECT{from, y, to, y + 1}, [&](const RECT& part) {
    for (int px = part.left; px < part.right; ++px) target->At(px, part.top) = color;
  });
}

int DrawTextImpl(HDC hdc, std::u16string_view text, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !rect) return 0;
  FontFace& face = FaceOf(*dc);
  const FontMetrics& m = face.Metrics();
  int tabChars = kDefaultTabChars;
  if (params && params->iTabLength > 0) tabChars = params->iTabLength;
  Options opt;
  opt.format = format;
  opt.tabWidth = std::max(1, m.aveCharWidth * (tabChars > 0 ? tabChars : kDefaultTabChars));
  if (params) {
    opt.leftMargin = params->iLeftMargin;
    opt.rightMargin = params->iRightMargin;
  }
  if (text.empty()) {
    // No text: nothing drawn and height 0; measuring gives an empty width and, for a
    // single line, one line's height.
    if (format & DT_CALCRECT) {
      rect->right = rect->left;
      rect->bottom = rect->top + ((format & DT_SINGLELINE) ? m.height : 0);
    }
    return 0;
  }
  const int left = rect->left + opt.leftMargin;
  const int limit = std::max(0, rect->right - opt.rightMargin - left);

  // Left-aligned text drawn without ellipses never needs its lines' widths.
  const bool widthsUsed = format & (DT_CALCRECT | DT_CENTER | DT_RIGHT | kEllipsisFlags);
  std::vector<Line> lines;
  ForEachRawLine(text, format, [&](std::u16string_view raw) {
    Line line = StripPrefixes(raw, format);
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
      WrapLine(face, std::move(line), limit, opt, lines);
    } else {
      if (widthsUsed) line.width = Measure(face, line.text, opt);
      lines.push_back(std::move(line));
    }
  });
  if (format & kEllipsisFlags) {
    for (Line& line : lines) Ellipsify(face, line, limit, opt);
  }

  const int lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
  const int total = lineHeight * static_cast<int>(lines.size());
  int top = rect->top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) {
      top = rect->top + (rect->bottom - rect->top - total) / 2;
    } else if (format & DT_BOTTOM) {
      top = rect->bottom - total;
    }
  }
  if (params) params->uiLengthDrawn = static_cast<UINT>(text.size());

  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, line.width);
    rect->right = left + widest + opt.rightMargin;
    rect->bottom = rect->top + total;
    return total;
  }

  const DcAttributes saved = dc->attr;
  if (!(format & DT_NOCLIP)) IntersectClipRect(hdc, rect->left, rect->top, rect->right, rect->bottom);
  int y = top;
  for (const Line& line : lines) {
    int x = left;
    if (format & DT_CENTER) {
      x = left + (limit - line.width) / 2;
    } else if (format & DT_RIGHT) {
      x = left + limit - line.width;
    }
    DrawLine(*dc, face, line, x, y, opt);
    y += lineHeight;
  }
  dc->attr = saved;
  return (format & (DT_VCENTER | DT_BOTTOM)) && (format & DT_SINGLELINE) ? top + total - rect->top : total;
}

std::u16string_view WideView(LPCWSTR text, int length) {
  if (!text) return {};
  return std::u16string_view(text, length < 0 ? std::char_traits<char16_t>::length(text) : static_cast<size_t>(length));
}

}  // namespace

int DrawTextExW(HDC hdc, LPWSTR text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawTextImpl(hdc, WideView(text, length), rect, format, params);
}

int DrawTextW(HDC hdc, LPCWSTR text, int length, RECT* rect, UINT format) {
  return DrawTextImpl(hdc, WideView(text, length), rect, format, nullptr);
}

int DrawTextExA(HDC hdc, LPSTR text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawTextImpl(hdc, win32::AnsiToWide(text, length), rect, format, params);
}

int DrawTextA(HDC hdc, LPCSTR text, int length, RECT* rect, UINT format) {
  return DrawTextImpl(hdc, win32::AnsiToWide(text, length), rect, format, nullptr);
}
