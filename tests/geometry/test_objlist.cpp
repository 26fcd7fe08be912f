// Tests of the object list: ownership, lookup, hit search and the printer rule.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "geometry/tkreis.h"
#include "geometry/tobjlist.h"
#include "geometry/tstrecke.h"
#include "geometry/twinkel.h"
#include "tests/geometry/canvasfixture.h"

namespace {
// Appends and returns the new object.
template <class T, class... Args>
T* Append(TObjList& list, Args&&... args) {
    auto object = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = object.get();
    list.Add(std::move(object));
    return raw;
}
}  // namespace

TEST(ObjList, ItemOutsideRangeThrowsNamingTheIndex) {
    TObjList list;
    Append<TPunkt>(list, "A", 0, 0);
    EXPECT_EQ(list.Item(0)->GetName(), "A");
    try {
        list.Item(1);
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.Item(-1), std::out_of_range);
}

TEST(ObjList, FindByNameReturnsOldestAndRespectsCase) {
    TObjList list;
    EXPECT_EQ(list.FindByName("a"), nullptr);
    TPunkt* first = Append<TPunkt>(list, "a", 0, 0);
    TPunkt* second = Append<TPunkt>(list, "a", 1, 1);
    TPunkt* upper = Append<TPunkt>(list, "A", 2, 2);
    EXPECT_EQ(list.FindByName("a"), first);
    EXPECT_EQ(list.FindByName("A"), upper);
    EXPECT_FALSE(list.Contains(""));
    first->Erase();
    EXPECT_TRUE(list.Contains(""));
    EXPECT_EQ(list.FindByName("a"), second);
}

TEST(ObjList, FreeAllDestroysEveryElement) {
    struct CountedPoint : TPunkt {
        explicit CountedPoint(int& destroyed) : destroyed_(destroyed) {}
        ~CountedPoint() override { ++destroyed_; }
        int& destroyed_;
    };
    TObjList list;
    int destroyed = 0;
    for (int i = 0; i < 3; ++i)
        Append<CountedPoint>(list, destroyed);
    list.FreeAll();
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(list.Count(), 0);
}

using ObjListDrawing = CanvasTest;

TEST_F(ObjListDrawing, FindAtLetsTheNewestHitWinAmongPointsAndAngles) {
    TObjList list;
    EXPECT_EQ(list.FindAt(200, 200), nullptr);
    TPunkt* v = Append<TPunkt>(list, "V", 0, 0);  // device (200, 200) is the world origin
    TPunkt* f = Append<TPunkt>(list, "F", 3, 0);
    TStrecke* leg = Append<TStrecke>(list, v, f, "s");
    Append<TKreis>(list, f, "k", 3);
    EXPECT_EQ(list.FindAt(230, 200), nullptr);  // on the segment and the circle, away from points
    TPunkt* near = Append<TPunkt>(list, "B", 0.1, 0.1);
    EXPECT_EQ(list.FindAt(199, 201), near);
    EXPECT_EQ(list.FindAt(197, 203), v);  // (-0.15, -0.15) is 0.25 from B
    near->Erase();                        // an erased point still answers
    EXPECT_EQ(list.FindAt(200, 200), near);
    TWinkel* angle = Append<TWinkel>(list, leg, v, 45.0, "alpha");
    EXPECT_EQ(list.FindAt(200, 200), angle);
}

TEST_F(ObjListDrawing, DrawAllSkipsWhilePrinterBusyButPrintAllDraws) {
    TObjList list;
    Append<TPunkt>(list, "A", 0, 0);
    Append<TPunkt>(list, "B", 1, 1);
    list.DrawAll();
    ASSERT_EQ(canvas.Texts().size(), 2u);
    EXPECT_EQ(canvas.Texts()[0].text, "A");
    canvas.Clear();
    Drawing().PrinterBusy = true;
    list.DrawAll();
    EXPECT_TRUE(canvas.ops.empty());
    list.PrintAll();
    EXPECT_EQ(canvas.Texts().size(), 2u);
}
