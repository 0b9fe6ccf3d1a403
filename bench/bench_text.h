#pragma once

// Persian-like filler text for generated benchmark data: words of 2 to 7
// letters of the Persian alphabet (Arabic yeh, keheh), UTF-8, from a fixed
// seed so that every run reads the same bytes.

#include <cstdint>
#include <string>

namespace bench {

class PersianLikeText {
public:
    explicit PersianLikeText(uint64_t seed) : state_(seed) {}

    // One word, 2 to 7 letters.
    std::string word() {
        std::string out;
        const int letters = 2 + static_cast<int>(next() % 6);
        for (int i = 0; i < letters; ++i) {
            appendUtf8(out, kLetters[next() % (sizeof kLetters / sizeof kLetters[0])]);
        }
        return out;
    }

    // Words joined by spaces until the text holds at least `bytes` bytes;
    // `lineEvery` words (0: never) end with an Arabic comma or a full stop
    // and a line break.
    std::string text(size_t bytes, int lineEvery = 0) {
        std::string out;
        int words = 0;
        while (out.size() < bytes) {
            if (!out.empty()) {
                out += ' ';
            }
            out += word();
            ++words;
            if (lineEvery > 0 && words % lineEvery == 0) {
                if (next() % 2 == 0) {
                    appendUtf8(out, 0x060C); // Arabic comma
                } else {
                    out += '.';
                }
                out += '\n';
            }
        }
        return out;
    }

    // A number in [0, n).
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(next() % n); }

private:
    uint64_t next() {
        // SplitMix64: the same sequence on every platform.
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    static void appendUtf8(std::string& out, char32_t c) {
        // Every letter used lies in U+0600..U+07FF: two bytes.
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }

    static constexpr char32_t kLetters[] = {
        0x0627, 0x0628, 0x067E, 0x062A, 0x062B, 0x062C, 0x0686, 0x062D, 0x062E, 0x062F, 0x0630,
        0x0631, 0x0632, 0x0698, 0x0633, 0x0634, 0x0635, 0x0636, 0x0637, 0x0638, 0x0639, 0x063A,
        0x0641, 0x0642, 0x06A9, 0x06AF, 0x0644, 0x0645, 0x0646, 0x0648, 0x0647, 0x064A,
        // the frequent ones once more: alef, yeh, waw, noon, reh, meem
        0x0627, 0x064A, 0x0648, 0x0646, 0x0631, 0x0645};

    uint64_t state_;
};

} // namespace bench
