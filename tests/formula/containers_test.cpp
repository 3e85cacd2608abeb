#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/chain.h"
#include "formula/dynarray.h"
#include "formula/ownptr.h"
#include "formula/slist.h"

namespace {
// An element that counts its deletions.
struct item : listnode {
    explicit item(int id, int* deaths = nullptr) : id(id), deaths(deaths) {}
    ~item() override
    {
        if (deaths)
            ++*deaths;
    }
    int id;
    int* deaths;
};

// A chain of items 1..n and a record of their deletions.
struct chainfixture : testing::Test {
    void fill(int n)
    {
        for (int i = 1; i <= n; i++)
            list.append(new item(i, &deaths));
    }
    std::string ids() const
    {
        std::string s;
        for (listnode* n = list.head; n; n = n->next)
            s += std::to_string(static_cast<item*>(n)->id);
        return s;
    }
    int deaths = 0;
    chainof<item> list;
};

char* heapcopy(const char* text)
{
    char* copy = new char[std::strlen(text) + 1];
    std::strcpy(copy, text);
    return copy;
}
}

TEST_F(chainfixture, InsertBeforeFollowsThePositionElement)
{
    item* loose = new item(9);
    EXPECT_EQ(list.insertbefore(loose, nullptr), 0) << "empty list, no position element";
    EXPECT_EQ(list.count, 0);
    delete loose;

    fill(3);
    EXPECT_EQ(list.insertbefore(new item(4, &deaths), nullptr), 4);
    EXPECT_EQ(list.insertbefore(new item(0, &deaths), list.at(1)), 5);
    EXPECT_EQ(list.insertbefore(new item(7, &deaths), list.at(3)), 6);
    EXPECT_EQ(ids(), "017234");

    item stranger(8);
    item* orphan = new item(5);
    EXPECT_EQ(list.insertbefore(orphan, &stranger), 0);
    EXPECT_EQ(list.position, 0);
    EXPECT_EQ(list.count, 6);
    delete orphan;
}

TEST_F(chainfixture, SearchesWritePosition)
{
    fill(3);
    item stranger(8);
    EXPECT_EQ(list.findprev(list.at(1)), nullptr);
    EXPECT_EQ(list.position, 1);
    EXPECT_EQ(list.findprev(list.at(3)), list.at(2));
    EXPECT_EQ(list.position, 3);
    EXPECT_EQ(list.findprev(nullptr), list.at(3)) << "none gives the last element";
    EXPECT_EQ(list.position, 3);
    EXPECT_EQ(list.findprev(&stranger), nullptr);
    EXPECT_EQ(list.position, 0);
    EXPECT_EQ(list.indexof(list.at(2)), 2);
    EXPECT_EQ(list.at(0), list.at(1));
    EXPECT_EQ(list.at(4), nullptr);

    list.setcursor(1);
    EXPECT_EQ(list.seek(&stranger), 0);
    EXPECT_EQ(list.cursor, 1) << "absent element leaves the cursor";
    EXPECT_EQ(list.seek(list.at(3)), 3);
    EXPECT_EQ(list.current()->id, 3);
}

TEST_F(chainfixture, CursorAndEraseCurrent)
{
    fill(3);
    list.setcursor(0);
    EXPECT_EQ(list.current()->id, 1) << "cursor 0 gives the first element";
    list.setcursor(4);
    EXPECT_EQ(list.cursor, 0) << "above count: unchanged";

    list.setcursor(2);
    list.erasecurrent();
    EXPECT_EQ(ids(), "13");
    EXPECT_EQ(list.cursor, 1);
    EXPECT_EQ(deaths, 1);

    list.erasecurrent();
    list.erasecurrent();
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.cursor, 0) << "the last element went";
    EXPECT_EQ(deaths, 3);
}

TEST_F(chainfixture, RemoveKeepsEraseAndClearDelete)
{
    fill(4);
    item* second = list.at(2);
    EXPECT_TRUE(list.remove(second));
    EXPECT_FALSE(list.remove(second));
    EXPECT_FALSE(list.erase(nullptr));
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(list.push(second), 4);
    EXPECT_EQ(ids(), "2134");

    EXPECT_TRUE(list.erase(list.at(4)));
    EXPECT_EQ(deaths, 1);
    list.clear();
    EXPECT_EQ(deaths, 4);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.head, nullptr);
}

TEST_F(chainfixture, DetachAllForgetsWithoutDeleting)
{
    fill(2);
    listnode* first = list.head;
    list.detachall();
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.append(new item(3, &deaths)), 1);
    EXPECT_EQ(deaths, 0);
    while (first) {
        listnode* next = first->next;
        delete first;
        first = next;
    }
    EXPECT_EQ(deaths, 2);
}

TEST(chain, DestructorDeletesElements)
{
    int deaths = 0;
    {
        chain list;
        list.append(new item(1, &deaths));
        list.push(new item(2, &deaths));
    }
    EXPECT_EQ(deaths, 2);
}

TEST(linkchain, LinksThroughTheSecondBase)
{
    struct first { int tag = 7; virtual ~first() = default; };
    struct element : first, listnode { explicit element(int v) : value(v) {} int value; };
    element a(1), b(2), c(3);
    linkchain<element> list;
    list.append(&a);
    list.append(&b);
    EXPECT_EQ(list.append(&c), 3);
    EXPECT_EQ(list.head, &a);
    EXPECT_EQ(linkchain<element>::following(&a)->value, 2);
    EXPECT_EQ(linkchain<element>::following(&b)->value, 3);
    EXPECT_EQ(linkchain<element>::following(&c), nullptr);
}

TEST(listhelpers, NthItemIsOneBased)
{
    item a(1), b(2);
    a.next = &b;
    listheader h{&a, &b, 2};
    EXPECT_EQ(nthitem(h.head, 1), &a);
    EXPECT_EQ(nthitem(h.head, 2), &b);
    EXPECT_EQ(nthitem(h.head, 3), nullptr);
    EXPECT_EQ(nthitem(h.head, 0), nullptr);
    listinit(h);
    EXPECT_EQ(h.head, nullptr);
    EXPECT_EQ(h.tail, nullptr);
    EXPECT_EQ(h.count, 0);
}

TEST(dynarray, FreshArrayHoldsOneElement)
{
    dynarray<int*> a;
    int x = 0;
    a.at(0) = &x;
    EXPECT_EQ(a.count, 1u);
    EXPECT_EQ(a.capacity, 1u);
    EXPECT_EQ(a.at(5), &x) << "out of range gives element 0";
}

TEST(dynarray, GrowthIsTheLargestOfRequestEighthAndTen)
{
    struct row { uint32_t capacity, want, expected; };
    const row rows[] = {
        {40, 41, 50},     // +1: growth 10
        {100, 101, 112},  // +1: capacity / 8 = 12
        {200, 201, 225},  // +1: 25
        {40, 70, 70},     // +30: the request
        {1, 2, 11},
    };
    for (const row& r : rows) {
        dynarray<void*> a;
        ASSERT_TRUE(a.reserve(r.capacity));
        ASSERT_EQ(a.capacity, r.capacity);
        ASSERT_TRUE(a.reserve(r.capacity)) << "no growth when there is room";
        ASSERT_EQ(a.capacity, r.capacity);
        EXPECT_TRUE(a.reserve(r.want));
        EXPECT_EQ(a.capacity, r.expected) << "from " << r.capacity << " to " << r.want;
        EXPECT_EQ(a.count, 1u);
    }
}

TEST(dynarray, AppendKeepsElementsAcrossGrowth)
{
    dynarray<intptr_t> a;
    a.resize(0);
    for (intptr_t i = 0; i < 100; i++)
        ASSERT_TRUE(a.append(i * i));
    EXPECT_EQ(a.count, 100u);
    for (uint32_t i = 0; i < 100; i++)
        ASSERT_EQ(a.at(i), intptr_t(i) * i);
}

TEST(dynarray, RecordsTransferOwnershipWhenMoved)
{
    struct record : listnode {
        unsigned char flags[3] = {};
        ownptr<item> owner;
    };
    int deaths = 0;
    {
        dynarray<record> a;
        a.at(0).owner.reset(new item(1, &deaths));
        a.at(0).flags[1] = 5;
        ASSERT_TRUE(a.reserve(30));
        EXPECT_EQ(deaths, 0) << "growth must not delete owned objects";
        EXPECT_EQ(a.at(0).owner.get()->id, 1);
        EXPECT_EQ(a.at(0).flags[1], 5);
    }
    EXPECT_EQ(deaths, 1);
}

TEST(dynarray, SortsTheInclusiveRange)
{
    dynarray<int> a;
    a.resize(0);
    const int values[] = {5, 4, 3, 2, 1};
    for (int v : values)
        a.append(v);
    auto less = [](const void* x, const void* y) { return *(const int*)x - *(const int*)y; };
    a.sort(1, 3, less);
    EXPECT_EQ(std::vector<int>(a.data, a.data + 5), (std::vector<int>{5, 2, 3, 4, 1}));
    a.sort(0, 5, less);   // b beyond the end: nothing
    a.sort(3, 3, less);
    EXPECT_EQ(a.at(0), 5);
}

TEST(ownptr, ResetReleaseAndTransfer)
{
    int deaths = 0;
    ownptr<item> p(new item(1, &deaths));
    p.reset(nullptr);
    EXPECT_EQ(deaths, 1);
    EXPECT_TRUE(p.owns) << "reset with none still owns";
    EXPECT_TRUE(p.isnull());

    item* kept = new item(2, &deaths);
    p.reset(kept);
    p.release();
    {
        ownptr<item> q(new item(3, &deaths));
        q = std::move(q);
        EXPECT_FALSE(q.isnull());
        ownptr<item> r(std::move(q));
        EXPECT_FALSE(q.owns);
        EXPECT_EQ(r.get()->id, 3);
        p = std::move(r);
    }
    EXPECT_EQ(deaths, 1) << "released and transferred objects live";
    EXPECT_EQ(p.get()->id, 3);
    delete kept;
    EXPECT_EQ(deaths, 2);
    ownptr<item> none(nullptr);
    EXPECT_FALSE(none.owns);
}

TEST(ownptr, ArrayFormDeletesEveryElement)
{
    static int deaths;
    deaths = 0;
    struct counted { ~counted() { deaths++; } };
    {
        ownarray<counted> a(new counted[3]);
    }
    EXPECT_EQ(deaths, 3);
}

TEST(slist, PayloadOrder)
{
    int a, b, c;
    ptrlist list;
    EXPECT_EQ(list.firstpayload(), nullptr);
    EXPECT_EQ(list.append(&a), 1);
    EXPECT_EQ(list.append(&b), 2);
    EXPECT_EQ(list.append(&c), 3);
    EXPECT_EQ(list.firstpayload(), &a);
    EXPECT_EQ(list.nextpayload(&a), &b);
    EXPECT_EQ(list.nextpayload(&c), nullptr) << "last";
    EXPECT_EQ(list.nextpayload(&list), nullptr) << "absent";
    EXPECT_EQ(list.clear(), 3);
    EXPECT_EQ(list.headnode(), nullptr);
    EXPECT_EQ(list.append(&b), 1) << "tail reset by clear";
    EXPECT_EQ(list.tail, list.head);
}

TEST(stringregistry, NumbersInOrderIgnoringCase)
{
    stringregistry names;
    EXPECT_EQ(names.add(heapcopy("DESKTOP.LIB")), 1);
    EXPECT_EQ(names.add(heapcopy("other.lib")), 2);
    char* twin = heapcopy("desktop.lib");
    EXPECT_EQ(names.add(twin), 0) << "differs only in case";
    delete[] twin;
    EXPECT_EQ(names.add(nullptr), 0);
    EXPECT_EQ(names.add(heapcopy("third")), 3) << "refusals use no number";

    EXPECT_EQ(names.find("Desktop.Lib"), 1);
    EXPECT_EQ(names.find("OTHER.LIB"), 2);
    EXPECT_EQ(names.find("other.li"), 0);
    EXPECT_EQ(names.find("other.libx"), 0);
    EXPECT_STREQ(names.stringof(2), "other.lib");
    EXPECT_EQ(names.stringof(0), nullptr);
    EXPECT_EQ(names.stringof(4), nullptr);
}
