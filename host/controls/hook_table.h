#pragma once
// The interception engine's bookkeeping: one record per intercepted window,
// with the lists of messages wanted before and after the window's own
// procedure. Records are never freed while the table lives, so a pointer to
// one stays valid; a free record (window 0) is reused before the table grows.
#include <cstdint>
#include <memory>
#include <vector>

namespace vantrel::controls {

// A message number of -1 stands for every message.
constexpr std::int64_t kAllMessages = -1;
// Flags of HookMessage's `when`.
constexpr int kHookAfter = 1;
constexpr int kHookBefore = 2;

struct HookRecord {
  std::uintptr_t window = 0;  // 0: free
  int afterCount = 0;         // -1: every message
  int beforeCount = 0;        // -1: every message
  std::vector<std::uint32_t> afterList;
  std::vector<std::uint32_t> beforeList;
};

class HookTable {
 public:
  // Scans from the highest index down. Not for adding: the record of the
  // window; for adding: a free record. -1 when none.
  int FindHook(std::uintptr_t window, bool forAdding) const;
  // A free record (reused, else a new one at the end) now given to window.
  int Claim(std::uintptr_t window);
  // Adds message to the lists `when` selects, the before list first. A
  // duplicate is ignored, as is any message once a list takes every message.
  void AddMessage(int index, std::int64_t message, int when);
  // Frees the record: window 0, both lists empty.
  void Release(int index);
  // Whether the record's before (or after) list selects message.
  bool Wants(int index, std::uint32_t message, bool before) const;

  int Size() const { return static_cast<int>(records_.size()); }
  HookRecord* Record(int index);
  const HookRecord* Record(int index) const;

 private:
  std::vector<std::unique_ptr<HookRecord>> records_;
};

// List rule on its own: adds message to (list, count).
void AddToHookList(std::vector<std::uint32_t>& list, int& count, std::int64_t message);
bool HookListWants(const std::vector<std::uint32_t>& list, int count, std::uint32_t message);

}  // namespace vantrel::controls
