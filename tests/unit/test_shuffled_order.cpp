#include "data/ShuffledOrder.h"

#include <QSet>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Plays back a fixed list of draws, then repeats its last one.
class Draws final : public RandomSource {
public:
    explicit Draws(std::vector<double> values) : values_(std::move(values)) {}
    void reseed() override { ++reseeds; }
    double next() override {
        const double v = values_[std::min(at_, values_.size() - 1)];
        ++at_;
        return v;
    }
    int reseeds = 0;

private:
    std::vector<double> values_;
    size_t at_ = 0;
};

} // namespace

TEST(ShuffledOrder, OneItemIsTheListOfOne) {
    Draws draws({0.5});
    ShuffledOrder order(draws);
    order.Shuffle(1);
    EXPECT_EQ(order.lstNumbers, QStringList{"1"});
    EXPECT_EQ(order.currentText(), "1");
}

TEST(ShuffledOrder, IsAPermutationWithTheFirstEntryCurrent) {
    auto random = makeClockSeededRandom();
    ShuffledOrder order(*random);
    order.Shuffle(495);
    ASSERT_EQ(order.lstNumbers.size(), 495);
    QSet<int> seen;
    for (const QString& s : order.lstNumbers) {
        seen.insert(s.toInt());
    }
    EXPECT_EQ(seen.size(), 495);
    EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), 1);
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 495);
    EXPECT_EQ(order.currentText(), order.lstNumbers.first());
    EXPECT_FALSE(order.currentText().isEmpty());
}

TEST(ShuffledOrder, ForwardFisherYatesWithTheGivenDraws) {
    // i = 1: j = int(4 * 0.0 + 1) = 1; i = 2: j = int(3 * 0.99 + 2) = 4;
    // i = 3: j = int(2 * 0.5 + 3) = 4.
    Draws draws({0.0, 0.99, 0.5});
    ShuffledOrder order(draws);
    order.Shuffle(4);
    EXPECT_EQ(order.lstNumbers, (QStringList{"1", "4", "2", "3"}));
    EXPECT_EQ(draws.reseeds, 1);
}

TEST(ShuffledOrder, ADrawJustBelowOneStaysInsideTheList) {
    Draws draws({std::nextafter(1.0, 0.0)});
    ShuffledOrder order(draws);
    order.Shuffle(ShuffledOrder::kMaxItems);
    EXPECT_EQ(order.lstNumbers.size(), ShuffledOrder::kMaxItems);
}

TEST(ShuffledOrder, ACountOutsideTheRangeGivesAnEmptyList) {
    Draws draws({0.5});
    ShuffledOrder order(draws);
    for (int16_t n : {int16_t(0), int16_t(-3), int16_t(32767)}) {
        order.Shuffle(n);
        EXPECT_TRUE(order.lstNumbers.isEmpty()) << n;
        EXPECT_EQ(order.currentText(), "") << n;
    }
    EXPECT_EQ(CountFromText("abc"), 0);
    EXPECT_EQ(CountFromText(""), 0);
    EXPECT_EQ(CountFromText("40000"), 0);
    EXPECT_EQ(CountFromText("60"), 60);
}

TEST(ShuffledOrder, ASecondRunReplacesTheList) {
    Draws draws({0.0});
    ShuffledOrder order(draws);
    order.Shuffle(5);
    order.selectText("3");
    order.Shuffle(2);
    EXPECT_EQ(order.lstNumbers.size(), 2);
    EXPECT_EQ(order.currentText(), order.lstNumbers.first());
    EXPECT_FALSE(order.selectText("3"));
}
