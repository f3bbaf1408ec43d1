// The operating system's colour dialog as the panel drives it: a flags value, a cancelled
// flag, the chosen colour and 16 custom colours that the dialog shows.
#pragma once
#include <array>
#include <cstdint>

#include "container/Ole.h"
#include "win32/windows.h"

class CommonDialog {
 public:
  static constexpr int kCustomColors = 16;
  static constexpr OLE_COLOR kCustomStart = 0xFFFFFF;

  std::int32_t Flags() const { return m_lFlags; }
  void SetFlags(std::int32_t lFlags) { m_lFlags = lFlags; }
  bool Cancelled() const { return m_bCancelled; }
  void SetCancelled(bool bCancelled) { m_bCancelled = bCancelled; }
  OLE_COLOR Color() const { return m_lColor; }
  void SetColor(OLE_COLOR lColor) { m_lColor = lColor; }
  // Custom colour i (0..15); other indexes read 0 and ignore writes.
  OLE_COLOR CustomColors(int i) const;
  void SetCustomColors(int i, OLE_COLOR lColor);

  // Runs the modal dialog, owned by the active window, starting at lInitial; OK stores the
  // chosen colour and clears the cancelled flag, anything else sets it.
  void ShowColor(OLE_COLOR lInitial);

 private:
  std::int32_t m_lFlags = 0;
  bool m_bCancelled = false;
  OLE_COLOR m_lColor = 0;
  std::array<COLORREF, kCustomColors> m_Custom = MakeCustomStart();

  static std::array<COLORREF, kCustomColors> MakeCustomStart() {
    std::array<COLORREF, kCustomColors> custom{};
    custom.fill(kCustomStart);
    return custom;
  }
};
