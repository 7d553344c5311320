#include "wjxmlinterfaceflowreader/CInterfaceObjectIterator.h"
#include "wjxmlinterfaceflowreader/CInterfaceObjectMapIterator.h"
#include "wjxmlinterfaceflowreader/CSTLIOMapIterator.h"
#include "wjxmlinterfaceflowreader/CSTLIOVectorIterator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

typedef CInterfaceObjectIterator<int*> SeqHandle;
typedef CInterfaceObjectMapIterator<std::string, int*> MapHandle;

// An iterator object that reports its destruction, to see when the last
// handle frees it.
template <class Iterator> class Counted : public Iterator {
public:
    template <class Items> Counted(const Items& items, int& destroyed) : Iterator(items), m_destroyed(destroyed) {}
    ~Counted() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

class IteratorTest : public ::testing::Test {
protected:
    IteratorTest() : items{&a, &b, &c} {}

    SeqHandle walk() { return SeqHandle(new CSTLIOVectorIterator<int*>(items)); }
    SeqHandle countedWalk() { return SeqHandle(new Counted<CSTLIOVectorIterator<int*>>(items, destroyed)); }

    int a = 1, b = 2, c = 3;
    std::vector<int*> items;
    int destroyed = 0;
};

// A handle on nothing or on an empty collection is invalid, and every form
// of increment on it returns the handle and changes nothing.
template <class Handle> void expectEmptyAndStill(Handle handle)
{
    EXPECT_FALSE(handle.isValid());
    EXPECT_FALSE(static_cast<bool>(handle));
    EXPECT_EQ(1, !handle);
    EXPECT_EQ(&handle, &handle++);
    EXPECT_EQ(&handle, &++handle);
    EXPECT_EQ(&handle, &handle.next());
    EXPECT_FALSE(handle.isValid());
}

} // namespace

TEST(EmptyIteratorTest, EmptyCollectionsAndEmptyHandlesAreInvalidAndStayPut)
{
    expectEmptyAndStill(SeqHandle());
    expectEmptyAndStill(SeqHandle(new CSTLIOVectorIterator<int*>(std::vector<int*>())));
    expectEmptyAndStill(MapHandle());
    expectEmptyAndStill(MapHandle(new CSTLIOMapIterator<std::string, int*>({})));
}

// The handle walks a copy of the sequence: later changes are not seen.
TEST_F(IteratorTest, WalksACopyOfTheSequenceInStoredOrder)
{
    const std::vector<int*> stored = items;
    SeqHandle all = walk();
    int d = 4;
    items.push_back(&d);
    items.erase(items.begin());
    std::vector<int*> seen;
    for (; all.isValid(); ++all)
        seen.push_back(all.value());
    EXPECT_EQ(stored, seen);

    items = stored;
    SeqHandle it = walk();
    EXPECT_TRUE(static_cast<bool>(it));
    EXPECT_EQ(0, !it);
    EXPECT_EQ(&a, *it);
    // Every form of increment returns the handle itself and moves one on.
    EXPECT_EQ(&it, &it++);
    EXPECT_EQ(&b, it.value());
    EXPECT_EQ(&it, &it.next());
    EXPECT_EQ(&c, it.value());
    EXPECT_EQ(&it, &++it);
    EXPECT_FALSE(it.isValid());
}

TEST_F(IteratorTest, CopiesShareOnePositionAndTheLastFreesTheIterator)
{
    {
        SeqHandle* first = new SeqHandle(countedWalk());
        SeqHandle second(*first);

        ++*first;
        EXPECT_EQ(&b, second.value());
        second++;
        EXPECT_EQ(&c, first->value());

        delete first;
        EXPECT_EQ(0, destroyed);
        ASSERT_TRUE(second.isValid());
        EXPECT_EQ(&c, second.value());

        {
            SeqHandle third(second);
        }
        EXPECT_EQ(0, destroyed);
    }
    EXPECT_EQ(1, destroyed);
}

TEST_F(IteratorTest, AssignmentBetweenCopiesChangesNothingAndAssigningReleases)
{
    SeqHandle it = countedWalk();
    SeqHandle copy(it);
    ++it;

    SeqHandle& self = it;
    it = self;
    copy = it;
    it = copy;
    EXPECT_EQ(0, destroyed);
    EXPECT_EQ(&b, it.value());
    EXPECT_EQ(&b, copy.value());

    // Were the count raised by those assignments, the iterator would outlive
    // both handles. Assigning releases the target's iterator.
    SeqHandle other = walk();
    EXPECT_EQ(&it, &(it = other));
    EXPECT_EQ(0, destroyed);
    copy = SeqHandle();
    EXPECT_EQ(1, destroyed);
    EXPECT_EQ(&a, it.value());
}

// Keys come in ascending byte order, from a copy of the source.
TEST(MapIteratorTest, WalksACopyByKeysInAscendingByteOrder)
{
    int one = 1, two = 2, three = 3;
    std::map<std::string, int*> source{{"a", &one}, {"B", &two}, {"A1", &three}};
    MapHandle it(new CSTLIOMapIterator<std::string, int*>(source));
    source.erase("B");

    std::vector<std::string> keys;
    std::vector<int*> values;
    for (; it; it++) {
        keys.push_back(it.key());
        values.push_back(*it);
    }
    EXPECT_EQ((std::vector<std::string>{"A1", "B", "a"}), keys);
    EXPECT_EQ((std::vector<int*>{&three, &two, &one}), values);
}

TEST(MapIteratorTest, CopiesShareOnePositionAndTheLastFreesTheIterator)
{
    int one = 1, two = 2, destroyed = 0;
    std::map<std::string, int*> source{{"A", &one}, {"B", &two}};
    MapHandle* first = new MapHandle(new Counted<CSTLIOMapIterator<std::string, int*>>(source, destroyed));
    MapHandle second;
    second = *first;
    MapHandle& alias = second;
    second = alias;

    ++second;
    EXPECT_EQ("B", first->key());
    delete first;
    EXPECT_EQ(0, destroyed);
    EXPECT_EQ(&two, second.value());

    second = MapHandle();
    EXPECT_EQ(1, destroyed);
    EXPECT_FALSE(second.isValid());
}
