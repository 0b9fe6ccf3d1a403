#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// A uniform source of numbers in [0, 1). The program's own is seeded from
// the clock; tests put in a fixed sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;
};

std::unique_ptr<RandomSource> makeClockSeededRandom();

// The shared list of the numbers 1..N in random order used by the fortune
// grid, the poem of the day and the article reader. lstNumbers is the list
// as text; its current entry is the poem's or the reader's current number.
class ShuffledOrder {
public:
    explicit ShuffledOrder(RandomSource& random) : random_(random) {}

    static constexpr int16_t kMaxItems = 32766;

    int16_t NumItems = 0;
    std::vector<int16_t> NumArray; // NumArray[i - 1] is element i
    QStringList lstNumbers;
    int lstNumbersIndex = -1;
    QString txtNumItems = QStringLiteral("112");
    QString txtRnd = QStringLiteral("اتفاقي انتخاب");

    void FillNumbers();
    void ShuffleNumbers();
    void ShowNumbers();

    // Set NumItems, fill, shuffle, show and make entry 0 current. A count
    // outside 1..32766 leaves an empty list.
    void Shuffle(int16_t count);

    // Text of the current entry, "" when there is none.
    QString currentText() const;
    // Makes the entry with this text current; false when there is none.
    bool selectText(const QString& text);

private:
    RandomSource& random_;
};

// A count read from a data file as a 16-bit integer; 0 when the text is not
// a whole number in range.
int16_t CountFromText(const QString& text);
