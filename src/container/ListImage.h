// One image of an image-list control, addressed by its 1-based Index (which follows
// removals) and its Key.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "container/AutomationObject.h"
#include "win32/types.h"

class ListImages;

class ListImage final : public AutomationObject {
 public:
  ListImage(std::weak_ptr<ListImages> owner, std::string key) : m_Owner(std::move(owner)), m_Key(std::move(key)) {}

  std::string TypeName() const override { return "ListImage"; }
  std::int32_t Index() const;
  const std::string& Key() const { return m_Key; }

  // Draws the image on `hDC` at (x, y) given in twips, converted with the screen's twips per
  // pixel. `style` holds ILD_* flags (1 transparent, 2 focus, 4 selected). A device context
  // the image cannot reach (such as 0) draws nothing and raises nothing.
  void Draw(HDC hDC, float x, float y, std::int16_t style = 0) const;

 private:
  std::weak_ptr<ListImages> m_Owner;
  std::string m_Key;
};
