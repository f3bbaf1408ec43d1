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

template <class T>
const T& ArrayElement(const std::vector<T>& array, int index) {
  return ArrayElement(const_cast<std::vector<T>&>(array), index);
}

// The first of the 1-based elements 1..count for which matches(element) holds, or 0.
template <class T, class Match>
int FindElement(const std::vector<T>& array, int count, Match matches) {
  for (int i = 1; i <= count; ++i) {
    if (matches(ArrayElement(array, i))) return i;
  }
  return 0;
}

// Removes element `index` so that later elements move down one place; error 9 outside.
template <class T>
void EraseElement(std::vector<T>& array, int index) {
  ArrayElement(array, index);
  array.erase(array.begin() + index);
}
