#include "win32/gdi/Regions.h"

#include <algorithm>
#include <climits>

#include "win32/gdi/DeviceContext.h"
#include "win32/gdi/GdiObjects.h"

namespace win32::gdi {
namespace {

bool Covers(const RectSet& set, LONG x, LONG y) {
  const POINT p{x, y};
  return std::any_of(set.begin(), set.end(), [&](const RECT& r) { return PtInRect(&r, p); });
}

bool Pick(bool inA, bool inB, int mode) {
  switch (mode) {
    case RGN_AND: return inA && inB;
    case RGN_OR: return inA || inB;
    case RGN_XOR: return inA != inB;
    case RGN_DIFF: return inA && !inB;
    default: return inA;
  }
}

void AddEdges(const RectSet& set, std::vector<LONG>& xs, std::vector<LONG>& ys) {
  for (const RECT& r : set) {
    xs.push_back(r.left);
    xs.push_back(r.right);
    ys.push_back(r.top);
    ys.push_back(r.bottom);
  }
}

void SortUnique(std::vector<LONG>& v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

// Infinite clip used as the starting point when a DC has no clip region yet.
constexpr RECT kUnclipped{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};

int ClipWith(HDC hdc, const RECT& logical, int mode) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc) return ERROR;
  RECT device = logical;
  OffsetRect(&device, dc->attr.viewportOrigin.x, dc->attr.viewportOrigin.y);
  if (mode == RGN_AND && (!dc->attr.hasClip || dc->attr.clip.size() == 1)) {
    // The common narrowing of a rectangle by another (every partial repaint and every clipped
    // caption does it), in the clip's own storage.
    const RECT current = dc->attr.hasClip ? dc->attr.clip.front() : kUnclipped;
    RECT overlap{};
    if (IntersectRect(&overlap, &current, &device)) {
      dc->attr.clip.assign(1, overlap);
    } else {
      dc->attr.clip.clear();
    }
  } else {
    const RectSet current = dc->attr.hasClip ? dc->attr.clip : RectSet{kUnclipped};
    dc->attr.clip = CombineRectSets(current, RectSet{device}, mode);
  }
  dc->attr.hasClip = true;
  return RegionComplexity(dc->attr.clip);
}

}  // namespace

RectSet CombineRectSets(const RectSet& a, const RectSet& b, int mode) {
  // Split the plane along every edge; each cell is wholly in or out of each set.
  std::vector<LONG> xs;
  std::vector<LONG> ys;
  AddEdges(a, xs, ys);
  AddEdges(b, xs, ys);
  SortUnique(xs);
  SortUnique(ys);
  RectSet result;
  for (size_t yi = 0; yi + 1 < ys.size(); ++yi) {
    RectSet row;
    for (size_t xi = 0; xi + 1 < xs.size(); ++xi) {
      if (!Pick(Covers(a, xs[xi], ys[yi]), Covers(b, xs[xi], ys[yi]), mode)) continue;
      if (!row.empty() && row.back().right == xs[xi]) {
        row.back().right = xs[xi + 1];
      } else {
        row.push_back(RECT{xs[xi], ys[yi], xs[xi + 1], ys[yi + 1]});
      }
    }
    // Merge with the band above when it has exactly the same spans.
    size_t above = result.size();
    while (above > 0 && result[above - 1].bottom == ys[yi]) --above;
    const bool same = result.size() - above == row.size() &&
                      std::equal(row.begin(), row.end(), result.begin() + static_cast<long>(above),
                                 [](const RECT& r, const RECT& s) { return r.left == s.left && r.right == s.right; });
    if (same && !row.empty()) {
      for (size_t i = above; i < result.size(); ++i) result[i].bottom = ys[yi + 1];
    } else {
      result.insert(result.end(), row.begin(), row.end());
    }
  }
  return result;
}

int RegionComplexity(const RectSet& rects) {
  if (rects.empty()) return NULLREGION;
  return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT BoundingBox(const RectSet& rects) {
  RECT box{0, 0, 0, 0};
  for (const RECT& r : rects) UnionRect(&box, &box, &r);
  return box;
}

}  // namespace win32::gdi

using namespace win32::gdi;

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return ClipWith(hdc, RECT{left, top, right, bottom}, RGN_AND);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  return ClipWith(hdc, RECT{left, top, right, bottom}, RGN_DIFF);
}

// Whether any part of the logical rectangle lies inside the DC's clipping area.
BOOL RectVisible(HDC hdc, const RECT* rect) {
  DeviceContext* dc = FindDC(hdc);
  if (!dc || !rect) return FALSE;
  RECT box{};
  if (GetClipBox(hdc, &box) == ERROR || !IntersectRect(&box, &box, rect)) return FALSE;
  if (!dc->attr.hasClip) return TRUE;
  OffsetRect(&box, dc->attr.viewportOrigin.x, dc->attr.viewportOrigin.y);  // device coordinates, as the clip
  RECT overlap{};
  return std::any_of(dc->attr.clip.begin(), dc->attr.clip.end(),
                     [&](const RECT& part) { return IntersectRect(&overlap, &part, &box) != FALSE; });
}

int GetClipBox(HDC hdc, RECT* rect) {
  DeviceContext* dc = FindDC(hdc);
  const win32::Surface* target = dc ? TargetOf(*dc) : nullptr;
  if (!dc || !rect || !target) return ERROR;
  RECT box{-dc->origin.x, -dc->origin.y, target->width - dc->origin.x, target->height - dc->origin.y};
  if (dc->kind == DcKind::Surface) {
    RECT bounds = dc->bounds;
    OffsetRect(&bounds, -dc->origin.x, -dc->origin.y);
    IntersectRect(&box, &box, &bounds);
  }
  if (dc->attr.hasClip) {
    const RECT clip = BoundingBox(dc->attr.clip);
    IntersectRect(&box, &box, &clip);
  }
  OffsetRect(&box, -dc->attr.viewportOrigin.x, -dc->attr.viewportOrigin.y);
  *rect = box;
  return IsRectEmpty(&box) ? NULLREGION : (dc->attr.hasClip ? RegionComplexity(dc->attr.clip) : SIMPLEREGION);
}
