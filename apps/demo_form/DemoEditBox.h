// A small single-line edit box of the demo: the font-size field the formatting band hosts.
// It draws its text in a sunken white box and takes digits and Backspace from the keyboard.
#pragma once
#include <string>

#include "container/UserControl.h"

class DemoEditBox final : public UserControl {
 public:
  std::string TypeName() const override { return "TextBox"; }
  const std::string& Text() const { return m_sText; }
  void SetText(std::string sText);

 protected:
  void Paint() override;
  void KeyPress(std::int16_t keyAscii) override;

 private:
  std::string m_sText;
};
