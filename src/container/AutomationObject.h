// The base of every object an automation variant can hold (fonts, pictures, image lists,
// the control's collection proxies). Objects are shared by reference, never copied.
#pragma once
#include <memory>
#include <string>

class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
  // The class name the runtime's TypeName reports for a variant holding this object.
  virtual std::string TypeName() const = 0;

 protected:
  AutomationObject() = default;
  AutomationObject(const AutomationObject&) = default;
  AutomationObject& operator=(const AutomationObject&) = default;
};

using ObjectRef = std::shared_ptr<AutomationObject>;
