#include "data/ShuffledOrder.h"

#include <chrono>
#include <random>

namespace {

class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom() { reseed(); }
    void reseed() override {
        const auto now = std::chrono::system_clock::now().time_since_epoch().count();
        engine_.seed(static_cast<std::mt19937_64::result_type>(now) ^
                     (seq_++ * 0x9E3779B97F4A7C15ull));
    }
    double next() override { return std::generate_canonical<double, 53>(engine_); }

private:
    std::mt19937_64 engine_;
    unsigned long long seq_ = 0;
};

} // namespace

std::unique_ptr<RandomSource> makeClockSeededRandom() {
    return std::make_unique<ClockSeededRandom>();
}

void ShuffledOrder::FillNumbers() {
    NumArray.clear();
    if (NumItems < 1 || NumItems > kMaxItems) {
        return;
    }
    NumArray.resize(static_cast<size_t>(NumItems));
    for (int16_t i = 1; i <= NumItems; ++i) {
        NumArray[static_cast<size_t>(i - 1)] = i;
    }
}

void ShuffledOrder::ShuffleNumbers() {
    random_.reseed();
    const int n = static_cast<int>(NumArray.size());
    for (int i = 1; i <= n - 1; ++i) {
        const double r = random_.next();
        int j = static_cast<int>((n - i + 1) * r + i);
        // (n - i + 1) * r can round up to n - i + 1 for r just below 1.
        if (j > n) {
            j = n;
        }
        if (j < i) {
            j = i;
        }
        std::swap(NumArray[static_cast<size_t>(i - 1)], NumArray[static_cast<size_t>(j - 1)]);
    }
}

void ShuffledOrder::ShowNumbers() {
    lstNumbers.clear();
    lstNumbers.reserve(static_cast<qsizetype>(NumArray.size()));
    for (int16_t v : NumArray) {
        lstNumbers.append(QString::number(v));
    }
    lstNumbersIndex = -1;
}

void ShuffledOrder::Shuffle(int16_t count) {
    NumItems = count;
    FillNumbers();
    ShuffleNumbers();
    ShowNumbers();
    lstNumbersIndex = lstNumbers.isEmpty() ? -1 : 0;
}

QString ShuffledOrder::currentText() const {
    if (lstNumbersIndex < 0 || lstNumbersIndex >= lstNumbers.size()) {
        return {};
    }
    return lstNumbers.at(lstNumbersIndex);
}

bool ShuffledOrder::selectText(const QString& text) {
    const qsizetype at = lstNumbers.indexOf(text);
    if (at < 0) {
        return false;
    }
    lstNumbersIndex = static_cast<int>(at);
    return true;
}

int16_t CountFromText(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < -32768 || v > 32767) {
        return 0;
    }
    return static_cast<int16_t>(v);
}
