// Live-object counters of the layer, so tests can prove that nothing leaks.
#pragma once
#include <array>
#include <cstddef>

namespace win32 {

enum class ObjectKind { Window, DC, Bitmap, Font, Brush, Pen, ImageList, Timer, Hook, Theme, Count };

void CountCreated(ObjectKind kind);
void CountDestroyed(ObjectKind kind);
long LiveObjects(ObjectKind kind);

// A snapshot of every counter; compare two snapshots with ==.
struct LiveObjectCounts {
  std::array<long, static_cast<std::size_t>(ObjectKind::Count)> counts{};
  bool operator==(const LiveObjectCounts&) const = default;
};
LiveObjectCounts SnapshotLiveObjects();

}  // namespace win32
