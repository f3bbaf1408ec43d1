// Element access the way the automation runtime indexes its arrays: an index outside the
// array raises the subscript error (9) instead of reading beyond it.
#pragma once
#include <cstddef>
#include <vector>

#include "container/AutomationError.h"

template <class T>
T& ArrayElement(std::vector<T>& array, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= array.size()) {
    RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange);
  }
  return array[static_cast<std::size_t>(index)];
}

// Removes element `index` so that later elements move down one place; error 9 outside.
template <class T>
void EraseElement(std::vector<T>& array, int index) {
  ArrayElement(array, index);
  array.erase(array.begin() + index);
}
