#include "win32/objcount.h"

namespace win32 {
namespace {
LiveObjectCounts g_live;
}

void CountCreated(ObjectKind kind) { ++g_live.counts[static_cast<std::size_t>(kind)]; }
void CountDestroyed(ObjectKind kind) { --g_live.counts[static_cast<std::size_t>(kind)]; }
long LiveObjects(ObjectKind kind) { return g_live.counts[static_cast<std::size_t>(kind)]; }
LiveObjectCounts SnapshotLiveObjects() { return g_live; }

}  // namespace win32
