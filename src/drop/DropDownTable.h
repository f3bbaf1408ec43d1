// The control's drop-down table: the 1-based array of tDropDownItemInfo records, the 16-bit
// drop-down count, and the image-list slot of each drop-down in an array parallel to it.
// Arrays keep element 0 unused, as the records' readers expect; reading beyond an array
// raises the runtime's subscript error (9).
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/ImageListSlot.h"
#include "drop/DropRecords.h"

class DropDownTable {
 public:
  std::int16_t Count() const { return m_Count; }

  // Drop-down n (1..Count); error 9 beyond the array.
  tDropDownItemInfo& DropDown(int n);
  const tDropDownItemInfo& DropDown(int n) const;
  // Icon t of drop-down n; error 9 beyond the arrays.
  tDropToolItemInfo& Tool(int n, int t);
  const tDropToolItemInfo& Tool(int n, int t) const;
  // The image list of drop-down n; error 9 beyond the array.
  tImageListSlot& ImageList(int n);
  const tImageListSlot& ImageList(int n) const;

  // Number of the first drop-down (1..Count) whose key equals sKey exactly, or 0.
  int FindDropDown(std::string_view sKey) const;
  // Number of the first icon of drop-down n whose key equals sKey exactly, or 0.
  int FindTool(int n, std::string_view sKey) const;

  // The cleared image-list slot the next drop-down (Count + 1) will take; it is made before
  // the list is accepted, so a refused list leaves only an empty slot behind.
  tImageListSlot& NextImageList();
  // Appends a drop-down (its icon array reset) with the slot NextImageList prepared; returns
  // its number. Overflow (6) when full.
  std::int16_t AddDropDown(tDropDownItemInfo record);
  // Removes drop-down n (1..Count) and its image-list slot; later drop-downs move down one
  // number with their slots.
  void RemoveDropDown(int n);
  // Erases every drop-down and slot; the count becomes 0.
  void Clear();

  // Appends an icon to drop-down n; returns its number. Overflow (6) when full.
  std::int16_t AddTool(int n, tDropToolItemInfo record);
  // Removes icon t of drop-down n, moving later icons down one number.
  void RemoveTool(int n, int t);
  // Erases the icons of drop-down n.
  void ClearTools(int n);

 private:
  std::vector<tDropDownItemInfo> m_DropDowns;
  std::vector<tImageListSlot> m_ImageLists;
  std::int16_t m_Count = 0;
};
