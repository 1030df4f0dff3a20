#include "output/Deflate.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <queue>

namespace fw {

namespace {

constexpr int kHashBits = 15;
constexpr int32_t kWindow = 32768;
constexpr int32_t kMinMatch = 4;
constexpr int32_t kMaxMatch = 258;
constexpr size_t kBlockSymbols = 1 << 16;
constexpr int kLitLenCodes = 286;
constexpr int kDistCodes = 30;
constexpr int kEndOfBlock = 256;

struct Symbol {
    uint16_t litLen; // literal byte, or a match length when dist != 0
    uint16_t dist;
};

int bitWidth(uint32_t x) {
    int n = 0;
    while (x >> n) {
        ++n;
    }
    return n;
}

// Length 3..258 -> code 257..285, extra bits and their value.
void lengthCode(int length, int& code, int& extraBits, int& extra) {
    const int x = length - 3;
    if (length == kMaxMatch) {
        code = 285, extraBits = 0, extra = 0;
    } else if (x < 8) {
        code = 257 + x, extraBits = 0, extra = 0;
    } else {
        const int nb = bitWidth(static_cast<uint32_t>(x)) - 1;
        code = 257 + 4 * (nb - 1) + ((x >> (nb - 2)) & 3);
        extraBits = nb - 2;
        extra = x & ((1 << extraBits) - 1);
    }
}

// Distance 1..32768 -> code 0..29, extra bits and their value.
void distCode(int dist, int& code, int& extraBits, int& extra) {
    const int x = dist - 1;
    if (x < 4) {
        code = x, extraBits = 0, extra = 0;
        return;
    }
    const int nb = bitWidth(static_cast<uint32_t>(x)) - 1;
    code = 2 * nb + ((x >> (nb - 1)) & 1);
    extraBits = nb - 1;
    extra = x & ((1 << extraBits) - 1);
}

// Huffman code lengths of at most `limit` bits. Every code gets at least two
// symbols, so that decoders never meet an incomplete code.
std::vector<uint8_t> codeLengths(std::vector<uint32_t> freq, int limit) {
    const size_t n = freq.size();
    size_t used = static_cast<size_t>(
        std::count_if(freq.begin(), freq.end(), [](uint32_t f) { return f != 0; }));
    for (size_t i = 0; i < n && used < 2; ++i) {
        if (freq[i] == 0) {
            freq[i] = 1;
            ++used;
        }
    }
    std::vector<uint8_t> lengths(n);
    for (;;) {
        using Node = std::pair<uint64_t, int>;
        std::priority_queue<Node, std::vector<Node>, std::greater<Node>> heap;
        std::vector<int> parent(2 * n, -1);
        for (size_t i = 0; i < n; ++i) {
            if (freq[i] != 0) {
                heap.push({freq[i], static_cast<int>(i)});
            }
        }
        int next = static_cast<int>(n);
        while (heap.size() > 1) {
            const Node a = heap.top();
            heap.pop();
            const Node b = heap.top();
            heap.pop();
            parent[static_cast<size_t>(a.second)] = next;
            parent[static_cast<size_t>(b.second)] = next;
            heap.push({a.first + b.first, next++});
        }
        int longest = 0;
        for (size_t i = 0; i < n; ++i) {
            int depth = 0;
            for (int p = parent[i]; freq[i] != 0 && p != -1; p = parent[static_cast<size_t>(p)]) {
                ++depth;
            }
            lengths[i] = static_cast<uint8_t>(depth);
            longest = std::max(longest, depth);
        }
        if (longest <= limit) {
            return lengths;
        }
        // Flatter frequencies give a shallower tree; all ones give a balanced one.
        for (uint32_t& f : freq) {
            f = f == 0 ? 0 : (f >> 1) | 1;
        }
    }
}

// Canonical codes, bit-reversed because deflate sends Huffman codes from
// their most significant bit while everything else goes least significant first.
std::vector<uint16_t> canonicalCodes(const std::vector<uint8_t>& lengths) {
    std::array<uint16_t, 16> count{};
    for (uint8_t length : lengths) {
        ++count[length];
    }
    count[0] = 0;
    std::array<uint16_t, 16> next{};
    uint32_t code = 0;
    for (int bits = 1; bits < 16; ++bits) {
        code = (code + count[static_cast<size_t>(bits - 1)]) << 1;
        next[static_cast<size_t>(bits)] = static_cast<uint16_t>(code);
    }
    std::vector<uint16_t> codes(lengths.size());
    for (size_t i = 0; i < lengths.size(); ++i) {
        const int length = lengths[i];
        if (length == 0) {
            continue;
        }
        uint32_t value = next[static_cast<size_t>(length)]++;
        uint32_t reversed = 0;
        for (int b = 0; b < length; ++b) {
            reversed = (reversed << 1) | ((value >> b) & 1);
        }
        codes[i] = static_cast<uint16_t>(reversed);
    }
    return codes;
}

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void put(uint32_t value, int count) {
        buffer_ |= static_cast<uint64_t>(value) << filled_;
        filled_ += count;
        while (filled_ >= 8) {
            out_.push_back(static_cast<uint8_t>(buffer_));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    void flush() {
        if (filled_ > 0) {
            out_.push_back(static_cast<uint8_t>(buffer_));
        }
        buffer_ = 0;
        filled_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t buffer_ = 0;
    int filled_ = 0;
};

struct Code {
    std::vector<uint8_t> lengths;
    std::vector<uint16_t> codes;
    void put(BitWriter& bits, int symbol) const {
        bits.put(codes[static_cast<size_t>(symbol)], lengths[static_cast<size_t>(symbol)]);
    }
};

Code buildCode(const std::vector<uint32_t>& freq, int limit) {
    Code code;
    code.lengths = codeLengths(freq, limit);
    code.codes = canonicalCodes(code.lengths);
    return code;
}

// Run-length form of the code lengths with the repeat codes 16, 17 and 18:
// pairs of (symbol, extra value).
std::vector<std::pair<int, int>> lengthRuns(const std::vector<uint8_t>& lengths) {
    std::vector<std::pair<int, int>> runs;
    for (size_t i = 0; i < lengths.size();) {
        const uint8_t length = lengths[i];
        size_t run = 1;
        while (i + run < lengths.size() && lengths[i + run] == length) {
            ++run;
        }
        size_t left = run;
        if (length == 0) {
            while (left >= 11) {
                const size_t take = std::min<size_t>(left, 138);
                runs.push_back({18, static_cast<int>(take - 11)});
                left -= take;
            }
            if (left >= 3) {
                runs.push_back({17, static_cast<int>(left - 3)});
                left = 0;
            }
        } else {
            runs.push_back({length, 0});
            --left;
            while (left >= 3) {
                const size_t take = std::min<size_t>(left, 6);
                runs.push_back({16, static_cast<int>(take - 3)});
                left -= take;
            }
        }
        for (; left > 0; --left) {
            runs.push_back({length, 0});
        }
        i += run;
    }
    return runs;
}

void writeBlock(BitWriter& bits, const std::vector<Symbol>& symbols, bool last) {
    std::vector<uint32_t> litFreq(kLitLenCodes), distFreq(kDistCodes);
    int code = 0, extraBits = 0, extra = 0;
    for (const Symbol& s : symbols) {
        if (s.dist == 0) {
            ++litFreq[s.litLen];
            continue;
        }
        lengthCode(s.litLen, code, extraBits, extra);
        ++litFreq[static_cast<size_t>(code)];
        distCode(s.dist, code, extraBits, extra);
        ++distFreq[static_cast<size_t>(code)];
    }
    litFreq[kEndOfBlock] = 1;
    const Code lit = buildCode(litFreq, 15);
    const Code dist = buildCode(distFreq, 15);

    int litCount = kLitLenCodes;
    while (litCount > 257 && lit.lengths[static_cast<size_t>(litCount - 1)] == 0) {
        --litCount;
    }
    int distCount = kDistCodes;
    while (distCount > 1 && dist.lengths[static_cast<size_t>(distCount - 1)] == 0) {
        --distCount;
    }
    std::vector<uint8_t> all(lit.lengths.begin(), lit.lengths.begin() + litCount);
    all.insert(all.end(), dist.lengths.begin(), dist.lengths.begin() + distCount);
    const auto runs = lengthRuns(all);
    std::vector<uint32_t> runFreq(19);
    for (const auto& run : runs) {
        ++runFreq[static_cast<size_t>(run.first)];
    }
    const Code runCode = buildCode(runFreq, 7);
    static constexpr int kOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                       11, 4,  12, 3, 13, 2, 14, 1, 15};
    int orderCount = 19;
    while (orderCount > 4 && runCode.lengths[static_cast<size_t>(kOrder[orderCount - 1])] == 0) {
        --orderCount;
    }

    bits.put(last ? 1 : 0, 1);
    bits.put(2, 2);
    bits.put(static_cast<uint32_t>(litCount - 257), 5);
    bits.put(static_cast<uint32_t>(distCount - 1), 5);
    bits.put(static_cast<uint32_t>(orderCount - 4), 4);
    for (int i = 0; i < orderCount; ++i) {
        bits.put(runCode.lengths[static_cast<size_t>(kOrder[i])], 3);
    }
    static constexpr int kRunExtraBits[3] = {2, 3, 7};
    for (const auto& [symbol, value] : runs) {
        runCode.put(bits, symbol);
        if (symbol >= 16) {
            bits.put(static_cast<uint32_t>(value), kRunExtraBits[symbol - 16]);
        }
    }
    for (const Symbol& s : symbols) {
        if (s.dist == 0) {
            lit.put(bits, s.litLen);
            continue;
        }
        lengthCode(s.litLen, code, extraBits, extra);
        lit.put(bits, code);
        bits.put(static_cast<uint32_t>(extra), extraBits);
        distCode(s.dist, code, extraBits, extra);
        dist.put(bits, code);
        bits.put(static_cast<uint32_t>(extra), extraBits);
    }
    lit.put(bits, kEndOfBlock);
}

uint32_t hashAt(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return (v * 2654435761u) >> (32 - kHashBits);
}

int32_t matchLength(const uint8_t* a, const uint8_t* b, int32_t limit) {
    int32_t n = 0;
    while (n < limit && a[n] == b[n]) {
        ++n;
    }
    return n;
}

} // namespace

uint32_t adler32Of(const uint8_t* data, size_t size, uint32_t adler) {
    uint32_t a = adler & 0xFFFF;
    uint32_t b = adler >> 16;
    while (size > 0) {
        // 5552 bytes is the most that cannot overflow b before the reduction.
        const size_t chunk = std::min<size_t>(size, 5552);
        for (size_t i = 0; i < chunk; ++i) {
            a += data[i];
            b += a;
        }
        a %= 65521;
        b %= 65521;
        data += chunk;
        size -= chunk;
    }
    return (b << 16) | a;
}

struct DeflateStream::State {
    explicit State(std::vector<uint8_t>& output) : out(output), bits(output) {}

    const uint8_t* at(int64_t position) const {
        return window.data() + static_cast<size_t>(position - start);
    }
    // Positions before `end` are compressed; `total` bytes are known so far.
    void compress(int64_t end, int64_t total);
    // Drops what lies more than a window behind the next position.
    void slide();

    std::vector<uint8_t>& out;
    BitWriter bits;
    std::vector<int32_t> head = std::vector<int32_t>(size_t{1} << kHashBits, -1);
    std::vector<Symbol> symbols;
    std::vector<uint8_t> window; // the input from absolute position `start` on
    int64_t start = 0;
    int64_t pos = 0; // the next position to compress
    uint32_t adler = 1;
};

void DeflateStream::State::compress(int64_t end, int64_t total) {
    while (pos < end) {
        int32_t length = 0;
        int64_t candidate = -1;
        if (pos + kMinMatch <= total) {
            const uint32_t h = hashAt(at(pos));
            candidate = head[h];
            head[h] = static_cast<int32_t>(pos);
            if (candidate >= 0 && pos - candidate <= kWindow) {
                const int32_t limit =
                    static_cast<int32_t>(std::min<int64_t>(kMaxMatch, total - pos));
                length = matchLength(at(candidate), at(pos), limit);
            }
        }
        if (length >= kMinMatch) {
            symbols.push_back(
                {static_cast<uint16_t>(length), static_cast<uint16_t>(pos - candidate)});
            // One more entry inside the match keeps later repeats findable cheaply.
            const int64_t inside = pos + length - 1;
            if (inside + kMinMatch <= total) {
                head[hashAt(at(inside))] = static_cast<int32_t>(inside);
            }
            pos += length;
        } else {
            symbols.push_back({*at(pos), 0});
            ++pos;
        }
        if (symbols.size() == kBlockSymbols) {
            writeBlock(bits, symbols, false);
            symbols.clear();
        }
    }
}

void DeflateStream::State::slide() {
    // Seldom, so that moving the kept window costs little.
    constexpr int64_t kSlideAfter = 8 * kWindow;
    const int64_t keepFrom = pos - kWindow;
    if (keepFrom - start < kSlideAfter) {
        return;
    }
    window.erase(window.begin(), window.begin() + static_cast<ptrdiff_t>(keepFrom - start));
    start = keepFrom;
}

DeflateStream::DeflateStream(std::vector<uint8_t>& out) : state_(std::make_unique<State>(out)) {
    out.push_back(0x78);
    out.push_back(0x01);
    state_->symbols.reserve(kBlockSymbols);
}

DeflateStream::~DeflateStream() = default;

void DeflateStream::write(const uint8_t* data, size_t size) {
    State& s = *state_;
    s.adler = adler32Of(data, size, s.adler);
    s.window.insert(s.window.end(), data, data + size);
    // A position is compressed once a longest match from it could be seen.
    const int64_t total = s.start + static_cast<int64_t>(s.window.size());
    s.compress(total - kMaxMatch, total);
    s.slide();
}

void DeflateStream::finish() {
    State& s = *state_;
    const int64_t total = s.start + static_cast<int64_t>(s.window.size());
    s.compress(total, total);
    writeBlock(s.bits, s.symbols, true);
    s.bits.flush();
    for (int shift = 24; shift >= 0; shift -= 8) {
        s.out.push_back(static_cast<uint8_t>(s.adler >> shift));
    }
}

} // namespace fw
