#include "host/controls/hook_table.h"

namespace vantrel::controls {

void AddToHookList(std::vector<std::uint32_t>& list, int& count, std::int64_t message) {
  if (message == kAllMessages) {
    count = -1;
    return;
  }
  // Once the list takes every message, a single one adds nothing; growing the
  // count from -1 would silently turn the list off.
  if (count < 0) return;
  const auto m = static_cast<std::uint32_t>(message);
  for (int i = 0; i < count && i < static_cast<int>(list.size()); ++i) {
    if (list[static_cast<size_t>(i)] == 0) {
      list[static_cast<size_t>(i)] = m;
      return;
    }
    if (list[static_cast<size_t>(i)] == m) return;
  }
  ++count;
  list.resize(static_cast<size_t>(count));
  list.back() = m;
}

bool HookListWants(const std::vector<std::uint32_t>& list, int count, std::uint32_t message) {
  if (count < 0) return true;
  for (int i = 0; i < count && i < static_cast<int>(list.size()); ++i) {
    if (list[static_cast<size_t>(i)] == message) return true;
  }
  return false;
}

int HookTable::FindHook(std::uintptr_t window, bool forAdding) const {
  const std::uintptr_t wanted = forAdding ? 0 : window;
  if (!forAdding && window == 0) return -1;
  for (int i = Size() - 1; i >= 0; --i) {
    if (records_[static_cast<size_t>(i)]->window == wanted) return i;
  }
  return -1;
}

int HookTable::Claim(std::uintptr_t window) {
  int index = FindHook(window, true);
  if (index < 0) {
    records_.push_back(std::make_unique<HookRecord>());
    index = Size() - 1;
  }
  HookRecord& r = *records_[static_cast<size_t>(index)];
  r = HookRecord{};
  r.window = window;
  return index;
}

void HookTable::AddMessage(int index, std::int64_t message, int when) {
  HookRecord* r = Record(index);
  if (!r || r->window == 0) return;
  if (when & kHookBefore) AddToHookList(r->beforeList, r->beforeCount, message);
  if (when & kHookAfter) AddToHookList(r->afterList, r->afterCount, message);
}

void HookTable::Release(int index) {
  if (HookRecord* r = Record(index)) *r = HookRecord{};
}

bool HookTable::Wants(int index, std::uint32_t message, bool before) const {
  const HookRecord* r = Record(index);
  if (!r || r->window == 0) return false;
  return before ? HookListWants(r->beforeList, r->beforeCount, message)
                : HookListWants(r->afterList, r->afterCount, message);
}

HookRecord* HookTable::Record(int index) {
  if (index < 0 || index >= Size()) return nullptr;
  return records_[static_cast<size_t>(index)].get();
}

const HookRecord* HookTable::Record(int index) const {
  if (index < 0 || index >= Size()) return nullptr;
  return records_[static_cast<size_t>(index)].get();
}

}  // namespace vantrel::controls
