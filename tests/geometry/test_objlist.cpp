// Tests of the object list: ownership, lookup, hit search, the printer rule, the name index and the
// running bounds of the extents.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

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

namespace {
// The oldest element named name, found the slow way.
TPunkt* ScanForName(const TObjList& list, const std::string& name) {
    for (int i = 0; i < list.Count(); ++i)
        if (list.Item(i)->GetName() == name) return list.Item(i);
    return nullptr;
}
}  // namespace

TEST(ObjListIndex, NamesFollowEraseAndClearLabelAndTheOldestWins) {
    TObjList list;
    TPunkt* a1 = Append<TPunkt>(list, "a", 0, 0);
    TPunkt* b = Append<TPunkt>(list, "b", 0, 0);
    TPunkt* a2 = Append<TPunkt>(list, "a", 1, 1);
    TPunkt* a3 = Append<TPunkt>(list, "a", 2, 2);
    EXPECT_FALSE(list.Contains(""));
    a2->ClearLabel();  // a middle one of three leaves; the oldest still wins
    EXPECT_EQ(list.FindByName("a"), a1);
    EXPECT_TRUE(list.Contains(""));
    EXPECT_EQ(list.FindByName(""), a2);
    a1->Erase();
    EXPECT_EQ(list.FindByName("a"), a3);
    EXPECT_EQ(list.FindByName(""), a1);  // now the oldest nameless element
    a3->Erase();
    EXPECT_FALSE(list.Contains("a"));
    EXPECT_EQ(list.FindByName("b"), b);
    b->ClearLabel();
    b->ClearLabel();  // twice changes nothing
    EXPECT_FALSE(list.Contains("b"));
    TPunkt* a4 = Append<TPunkt>(list, "a", 3, 3);  // the name is free again
    EXPECT_EQ(list.FindByName("a"), a4);
    list.FreeAll();
    EXPECT_FALSE(list.Contains(""));
    EXPECT_EQ(list.FindByName("a"), nullptr);
}

TEST(ObjListIndex, AgreesWithAScanThroughManyAddsAndRemovals) {
    // Few distinct names make long chains of duplicates; many make the table grow and shift on removal.
    std::mt19937 random(7);
    TObjList list;
    std::vector<std::string> names = {""};
    for (int i = 0; i < 300; ++i)
        // Built by appending: "n" + string trips a false -Wrestrict of GCC 12 at -O3.
        names.push_back(std::string("n").append(std::to_string(i % 150)).append(i % 3 == 0 ? "x" : ""));
    auto pick = [&](std::size_t n) { return static_cast<int>(random() % n); };
    for (int step = 0; step < 3000; ++step) {
        const int action = pick(10);
        if (action < 6 || list.Count() == 0) {
            Append<TPunkt>(list, names[static_cast<std::size_t>(pick(names.size()))], 0, 0);
        } else {
            TPunkt* target = list.Item(pick(static_cast<std::size_t>(list.Count())));
            action < 8 ? target->Erase() : target->ClearLabel();
        }
        if (step % 100 != 99) continue;
        for (const std::string& name : names) {
            ASSERT_EQ(list.FindByName(name), ScanForName(list, name)) << "step " << step << " name " << name;
            ASSERT_EQ(list.Contains(name), ScanForName(list, name) != nullptr);
        }
    }
}

namespace {
// What a loop over the elements after the first finds, with the view fitting's comparisons.
ExtentBox ScanBounds(const TObjList& list) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    ExtentBox b{none, none, none, none};
    for (int i = 1; i < list.Count(); ++i) {
        const ExtentBox e = ExtentOf(*list.Item(i));
        if (std::isnan(b.xmin) || e.xmin <= b.xmin) b.xmin = e.xmin;
        if (std::isnan(b.ymin) || e.ymin <= b.ymin) b.ymin = e.ymin;
        if (std::isnan(b.xmax) || e.xmax >= b.xmax) b.xmax = e.xmax;
        if (std::isnan(b.ymax) || e.ymax >= b.ymax) b.ymax = e.ymax;
    }
    return b;
}

void ExpectSameBounds(const ExtentBox& actual, const ExtentBox& expected) {
    // NaN (no element) must be NaN; numbers must be exactly the same.
    const double a[] = {actual.xmin, actual.ymin, actual.xmax, actual.ymax};
    const double e[] = {expected.xmin, expected.ymin, expected.xmax, expected.ymax};
    for (int i = 0; i < 4; ++i) {
        if (std::isnan(e[i]))
            EXPECT_TRUE(std::isnan(a[i])) << i;
        else
            EXPECT_EQ(a[i], e[i]) << i;
    }
}
}  // namespace

TEST(ObjListBounds, LeaveOutTheFirstElementAndFollowEraseAndRotation) {
    TObjList list;
    TPunkt* first = Append<TPunkt>(list, "F", 100, 100);
    ExpectSameBounds(list.ExtentOfAllButFirst(), ScanBounds(list));  // nothing examined: all NaN
    EXPECT_TRUE(std::isnan(list.ExtentOfAllButFirst().xmax));
    TPunkt* a = Append<TPunkt>(list, "A", 3, 4);
    TPunkt* b = Append<TPunkt>(list, "B", -2, 1);
    Append<TKreis>(list, a, "k", 2);
    ExpectSameBounds(list.ExtentOfAllButFirst(), ExtentBox{-2, 1, 5, 6});
    first->Erase();  // the first element stays out
    ExpectSameBounds(list.ExtentOfAllButFirst(), ExtentBox{-2, 1, 5, 6});
    b->Erase();  // it gave xmin: an erased element's extent is all zero
    ExpectSameBounds(list.ExtentOfAllButFirst(), ExtentBox{0, 0, 5, 6});
    a->ClearLabel();  // a label changes no extent
    ExpectSameBounds(list.ExtentOfAllButFirst(), ExtentBox{0, 0, 5, 6});
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i)->Rotate(90);  // the circle moves with its centre, which is another element
    ExpectSameBounds(list.ExtentOfAllButFirst(), ScanBounds(list));
    EXPECT_NEAR(list.ExtentOfAllButFirst().xmin, -6, 1e-12);
}

TEST(ObjListBounds, AgreeWithAScanThroughRandomFigures) {
    std::mt19937 random(11);
    auto coordinate = [&] { return static_cast<double>(static_cast<int>(random() % 41) - 20) / 2; };
    TObjList list;
    std::vector<TPunkt*> points;
    for (int step = 0; step < 600; ++step) {
        const int action = static_cast<int>(random() % 12);
        if (action < 5 || points.size() < 2) {
            points.push_back(Append<TPunkt>(list, "", coordinate(), coordinate()));
        } else if (action < 7) {
            Append<TStrecke>(list, points[random() % points.size()], points[random() % points.size()], "");
        } else if (action < 8) {
            Append<TKreis>(list, points[random() % points.size()], "", coordinate());
        } else if (action < 11) {
            list.Item(static_cast<int>(random() % static_cast<unsigned>(list.Count())))->Erase();
        } else {
            for (int i = 0; i < list.Count(); ++i)
                list.Item(i)->Rotate(static_cast<double>(random() % 360));
        }
        ExpectSameBounds(list.ExtentOfAllButFirst(), ScanBounds(list));
        if (HasFailure()) FAIL() << "step " << step;
    }
}
