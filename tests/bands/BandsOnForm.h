// A run-time menu bar with bands, placed on a form the way a host places it, and the pieces
// band tests share: a plain hosted control, the surface behind a band, and a table row form
// of the band geometry.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "bands/MirelReBar.h"
#include "core/MirelMenuBar20Internals.h"
#include "support/BarOnForm.h"
#include "support/ImageLists.h"

// A host's own control (a text box, say) that a teControl tool hosts.
class HostedBox : public UserControl {
 public:
  std::string TypeName() const override { return "TextBox"; }
};

using mirel_test::ErrorFrom;
using mirel_test::ErrorOf;
using mirel_test::SameSequence;

class BandsOnForm : public mirel_test::BarOnForm {
 protected:
  void SetUp() override {
    BarOnForm::SetUp();
    MakeBar({.endUpdate = false});
  }
  void TearDown() override {
    BarOnForm::TearDown();
    if (m_hIcons) ImageList_Destroy(m_hIcons);
  }

  // Gives the bar a tool image list of size x size squares, one per colour.
  void SetToolIcons(int size, const std::vector<COLORREF>& colours) {
    m_hIcons = mirel_test::SolidImageList(size, colours);
    ctsMBImageListTypeConstants slot = imlToolItems;
    Variant handle = Variant::Long(HandleToLong(m_hIcons));  // a handle is a 32-bit integer
    m_Bar->SetImageList(slot, handle);
  }

  std::shared_ptr<cBands> Bands() { return m_Bar->Bands(); }
  // Adds a band on line 1 at `position` with `width`.
  std::shared_ptr<cBand> AddBand(std::int16_t line, std::int16_t position, std::int32_t width = 300) {
    return Bands()->Add({.lLineIndex = line, .lLinePosition = position, .lWidth = width});
  }
  MirelReBar& Surface(int p) { return Inside(*m_Bar).BandData().Surface(p); }
  // A hosted control of w x h pixels on the form.
  std::shared_ptr<HostedBox> AddHostedBox(int w, int h) {
    const float tx = Inside(*m_Bar).TwipsPerPixelX();
    const float ty = Inside(*m_Bar).TwipsPerPixelY();
    return m_Form->AddControl<HostedBox>({"Text1", 0, 0, static_cast<float>(w) * tx, static_cast<float>(h) * ty});
  }

  HIMAGELIST m_hIcons = nullptr;
};
