// The control's side of its drop-downs: the drop-down table with each drop-down's image list,
// and the back-end operations the drop-down proxies and the drop panel call.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "common/ImageListSlot.h"
#include "container/Variant.h"
#include "drop/DropDownTable.h"

class ControlDropDowns {
 public:
  DropDownTable& Table() { return m_Table; }
  const DropDownTable& Table() const { return m_Table; }
  std::int16_t Count() const { return m_Table.Count(); }

  // Adds a drop-down keyed sKey (settled by the caller) showing oImageList: an image-list
  // object or a 32-bit image-list handle. Returns its number, or 0 with nothing added when
  // the list is refused or has no images.
  std::int16_t AddDropDown(std::string sKey, std::int16_t iRows, std::int16_t iColumns, const Variant& oImageList);
  // Erases every drop-down with its image list (the host keeps its lists).
  void Clear() { m_Table.Clear(); }

  // A copy of drop-down n's record, or of the drop-down keyed sKey; an empty record when
  // there is none.
  tDropDownItemInfo Record(int n) const;
  tDropDownItemInfo Record(std::string_view sKey) const;
  // Drop-down n's image list: its handle, and the host's "ImageList" object when it is one.
  const tImageListSlot& ImageList(int n) const { return m_Table.ImageList(n); }

  // Row and column lets: error 8 ("MirelMenuBar") when n is not a drop-down's number.
  void SetRows(int n, std::int16_t iRows);
  void SetColumns(int n, std::int16_t iColumns);

 private:
  tDropDownItemInfo& RecordForLet(int n);

  DropDownTable m_Table;
};
