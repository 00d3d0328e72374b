// The interception engine's record table, list rules and routing, without
// windows.
#include <gtest/gtest.h>

#include <string>

#include "host/controls/hook_route.h"
#include "host/controls/hook_table.h"

namespace vantrel::controls {
namespace {

TEST(HookTable, FreedRecordsAreReusedFromTheTopBeforeGrowing) {
  HookTable t;
  EXPECT_EQ(t.Claim(100), 0);
  EXPECT_EQ(t.Claim(200), 1);
  EXPECT_EQ(t.Claim(300), 2);
  EXPECT_EQ(t.FindHook(200, false), 1);
  EXPECT_EQ(t.FindHook(999, false), -1);
  EXPECT_EQ(t.FindHook(0, true), -1);
  t.Release(0);
  t.Release(1);
  EXPECT_EQ(t.FindHook(0, true), 1);  // highest free index first
  EXPECT_EQ(t.Claim(400), 1);
  EXPECT_EQ(t.Claim(500), 0);
  EXPECT_EQ(t.Size(), 3);
  EXPECT_EQ(t.Claim(600), 3);
}

TEST(HookTable, ListsIgnoreDuplicatesAndMinusOneTakesEverything) {
  HookTable t;
  const int i = t.Claim(1);
  t.AddMessage(i, 0x2A3, kHookAfter);
  t.AddMessage(i, 0x2A3, kHookAfter);
  t.AddMessage(i, 0x6, kHookAfter | kHookBefore);
  const HookRecord* r = t.Record(i);
  EXPECT_EQ(r->afterCount, 2);
  EXPECT_EQ(r->beforeCount, 1);
  EXPECT_TRUE(t.Wants(i, 0x2A3, false));
  EXPECT_FALSE(t.Wants(i, 0x2A3, true));
  EXPECT_FALSE(t.Wants(i, 0x7, false));
  t.AddMessage(i, kAllMessages, kHookBefore);
  t.AddMessage(i, 0x10, kHookBefore);  // stays "every message"
  EXPECT_EQ(r->beforeCount, -1);
  EXPECT_TRUE(t.Wants(i, 0x12345, true));
  t.Release(i);
  EXPECT_FALSE(t.Wants(i, 0x2A3, false));
  EXPECT_EQ(r->afterCount, 0);
  EXPECT_TRUE(r->afterList.empty());
  t.AddMessage(i, 5, kHookAfter);  // freed record: nothing added
  t.AddMessage(42, 5, kHookAfter);  // no such record
  EXPECT_EQ(r->afterCount, 0);
}

TEST(HookTable, ZeroEntryIsAFreeSlot) {
  std::vector<std::uint32_t> list{7, 0};
  int count = 2;
  AddToHookList(list, count, 9);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(list[1], 9u);
}

struct Trace {
  std::string log;
  HookTable table;
  int index = 0;
};

std::intptr_t Route(Trace& t, std::uint32_t msg, bool handleBefore = false,
                    bool unhookInBefore = false) {
  HookMessageArgs args{1, msg, 2, 3};
  return RouteMessage(
      args, [&]() -> const HookRecord* { const HookRecord* r = t.table.Record(t.index); return r && r->window == 1 ? r : nullptr; },
      [&](bool before, bool& handled, std::intptr_t& result, HookMessageArgs& a) {
        t.log += before ? "B" : "A";
        if (before && handleBefore) { handled = true; result = 77; }
        if (before && unhookInBefore) t.table.Release(t.index);
        if (!before) result += 1000;
        a.wParam = 20;
      },
      [&](HookMessageArgs& a) -> std::intptr_t {
        t.log += "F";
        return static_cast<std::intptr_t>(a.wParam);
      });
}

TEST(HookRoute, BeforeForwardAfterAndHandling) {
  Trace t;
  t.index = t.table.Claim(1);
  EXPECT_EQ(Route(t, 5), 2);  // in neither list: unchanged
  EXPECT_EQ(t.log, "F");
  t.table.AddMessage(t.index, 5, kHookAfter);
  t.log.clear();
  EXPECT_EQ(Route(t, 5), 1002);  // after sees and replaces the result
  EXPECT_EQ(t.log, "FA");
  t.table.AddMessage(t.index, 5, kHookBefore);
  t.log.clear();
  EXPECT_EQ(Route(t, 5), 1020);  // before changed wParam for the window
  EXPECT_EQ(t.log, "BFA");
  t.log.clear();
  EXPECT_EQ(Route(t, 5, true), 77);  // answered: no forwarding, no after
  EXPECT_EQ(t.log, "B");
  t.log.clear();
  EXPECT_EQ(Route(t, 5, false, true), 20);  // unhooked in before: still forwarded, no after
  EXPECT_EQ(t.log, "BF");
}

}  // namespace
}  // namespace vantrel::controls
