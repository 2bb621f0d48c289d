// The move-only handle owner: a copy must not compile, a move must not free twice.
#include "toolkit/unique_handle.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

namespace {

static_assert(!std::is_copy_constructible_v<UniqueHbitmap>);
static_assert(!std::is_copy_assignable_v<UniqueHbitmap>);
static_assert(std::is_nothrow_move_constructible_v<UniqueHbitmap>);
static_assert(std::is_nothrow_move_assignable_v<UniqueHwnd>);

int releases = 0;
struct CountingDeleter : NullIsInvalid<int*> {
  void operator()(int*) const { ++releases; }
};
using CountedHandle = UniqueHandle<int*, CountingDeleter>;

TEST(UniqueHandle, MovesReleaseExactlyOnce) {
  int object = 0, other = 0;
  releases = 0;
  {
    CountedHandle first(&object);
    CountedHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), &object);
    CountedHandle third(&other);
    third = std::move(second);  // releases "other", takes "object"
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(third.get(), &object);
  }
  EXPECT_EQ(releases, 2);
}

}  // namespace
