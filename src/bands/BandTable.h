// The control's band table: the 1-based array of tBandInfo records ordered by band position
// and the 16-bit band count. Arrays keep element 0 unused, as the records' readers expect;
// reading beyond an array raises the runtime's subscript error (9).
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "bands/BandRecords.h"

class BandTable {
 public:
  std::int16_t Count() const { return m_Count; }

  // Band p (1..Count); error 9 beyond the array.
  tBandInfo& Band(int p);
  const tBandInfo& Band(int p) const;
  // Tool t of band p; error 9 beyond the arrays.
  tToolItemInfo& Tool(int p, int t);
  const tToolItemInfo& Tool(int p, int t) const;

  // Position of the first band (1..Count) whose key equals sKey exactly, or 0.
  int FindBand(std::string_view sKey) const;
  // Position of the band whose surface number is iIndex, or 0.
  int FindBandIndex(std::int16_t iIndex) const;
  // Position of the first tool of band p whose key equals sKey exactly, or 0.
  int FindTool(int p, std::string_view sKey) const;

  // The surface number for a new band: the new count, unless a surviving band already holds
  // that number after a removal; then the smallest number no band holds.
  std::int16_t FreeBandIndex() const;

  // Appends a band (its tool array reset); returns its position. Overflow (6) when full.
  std::int16_t AddBand(tBandInfo record);
  // Removes band r (1..Count). When another band shares r's line, the later bands of that
  // line move down one position; when r was alone, every later line moves up one line.
  void RemoveBand(int r);
  // Moves band r one line up (-1) or down (+1), to the end of that line. Lines stay
  // numbered 1.. without a gap: leaving a line empty closes it up; a band that shares its line
  // may open a new first or last line. False when the band stays where it is.
  bool MoveBandToLine(int r, int iStep);
  // Swaps band r with its neighbour one position left (-1) or right (+1) on its line.
  bool MoveBandOnLine(int r, int iStep);
  // Erases every band; the count becomes 0.
  void Clear();

  // Appends a tool to band p and marks the band's tools dirty; returns the tool's position.
  std::int16_t AddTool(int p, tToolItemInfo record);
  // Removes tool t of band p, moving later tools down one position.
  void RemoveTool(int p, int t);
  // Erases the tools of band p.
  void ClearTools(int p);

 private:
  bool LineShared(int r) const;
  int BandsOnLine(std::int16_t line) const;
  // Renumbers the others as if band r left its line.
  void CloseGapOf(int r);

  std::vector<tBandInfo> m_Bands;
  std::int16_t m_Count = 0;
};
