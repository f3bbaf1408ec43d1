#include "container/Form.h"
#include "container/UserControl.h"

std::shared_ptr<StdFont> AmbientProperties::Font() const {
  return m_Control.m_Form ? m_Control.m_Form->Font() : nullptr;
}

bool AmbientProperties::UserMode() const { return !m_Control.m_Form || m_Control.m_Form->UserMode(); }

std::string AmbientProperties::DisplayName() const { return m_Control.m_Name; }

OLE_COLOR AmbientProperties::BackColor() const {
  return m_Control.m_Form ? m_Control.m_Form->BackColor() : m_Control.BackColor();
}
