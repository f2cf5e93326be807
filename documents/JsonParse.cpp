#include "JsonInternal.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace {

// Deeper nesting is invalid; the limit also bounds the parser's recursion, so no input can
// exhaust the stack.
constexpr int kMaxDepth = 512;

}  // namespace

// Recursive descent over UTF-16 code units (char16_t) or UTF-8 bytes (char), building the tree
// as it goes. Every function returns false at the first invalid character; for UTF-8 that
// includes a malformed sequence inside a string (outside strings only ASCII is valid anyway).
template <class Char>
class JsonParser {
public:
    // With `borrowNumbers` the number texts point into the input, which must outlive the tree.
    JsonParser(const Char* begin, const Char* end, JsonBuilder& builder, bool borrowNumbers)
        : p_(begin), end_(end), b_(builder), borrowNumbers_(borrowNumbers) {}

    bool Parse() {
        SkipSpace();
        if (p_ == end_ || !Value(0)) return false;
        SkipSpace();
        return p_ == end_;
    }

private:
    static unsigned Unit(Char c) {
        if constexpr (sizeof(Char) == 1) {
            return static_cast<unsigned char>(c);
        } else {
            return c;
        }
    }

    unsigned Peek() const { return p_ < end_ ? Unit(*p_) : 0xFFFFFFFFu; }

    static bool IsSpace(unsigned c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

    void SkipSpace() {
        // Indentation comes in long runs of spaces; take eight bytes of them at a time.
        constexpr std::uint64_t kSpaces = sizeof(Char) == 1 ? 0x2020202020202020ull : 0x0020002000200020ull;
        constexpr std::ptrdiff_t kStep = 8 / sizeof(Char);
        const Char* p = p_;
        for (;;) {
            while (end_ - p >= kStep) {
                std::uint64_t word;
                std::memcpy(&word, p, 8);
                if (word != kSpaces) break;
                p += kStep;
            }
            if (p < end_ && IsSpace(Unit(*p))) {
                ++p;
            } else {
                p_ = p;
                return;
            }
        }
    }

    bool Value(int depth) {
        switch (Peek()) {
        case '{':
            return Object(depth + 1);
        case '[':
            return Array(depth + 1);
        case '"': {
            const char16_t* chars;
            std::uint32_t size;
            if (!String(chars, size)) return false;
            b_.StringInArena(chars, size);
            return true;
        }
        case 't':
            if (!Word("true")) return false;
            b_.Bool(true);
            return true;
        case 'f':
            if (!Word("false")) return false;
            b_.Bool(false);
            return true;
        case 'n':
            if (!Word("null")) return false;
            b_.Null();
            return true;
        default:
            return Number();
        }
    }

    bool Object(int depth) {
        if (depth > kMaxDepth) return false;
        ++p_;
        b_.BeginObject();
        SkipSpace();
        if (Peek() == '}') {
            ++p_;
            b_.EndObject();
            return true;
        }
        for (;;) {
            if (Peek() != '"' || !String(b_.name_, b_.nameSize_)) return false;
            SkipSpace();
            if (Peek() != ':') return false;
            ++p_;
            SkipSpace();
            if (!Value(depth)) return false;
            SkipSpace();
            const unsigned c = Peek();
            ++p_;
            if (c == '}') break;
            if (c != ',') return false;
            SkipSpace();
        }
        b_.EndObject();
        return true;
    }

    bool Array(int depth) {
        if (depth > kMaxDepth) return false;
        ++p_;
        b_.BeginArray();
        SkipSpace();
        if (Peek() == ']') {
            ++p_;
            b_.EndArray();
            return true;
        }
        for (;;) {
            if (!Value(depth)) return false;
            SkipSpace();
            const unsigned c = Peek();
            ++p_;
            if (c == ']') break;
            if (c != ',') return false;
            SkipSpace();
        }
        b_.EndArray();
        return true;
    }

    bool Word(const char* word) {
        const std::size_t length = std::strlen(word);
        if (std::size_t(end_ - p_) < length) return false;
        for (std::size_t i = 0; i < length; ++i) {
            if (Unit(p_[i]) != unsigned(word[i])) return false;
        }
        p_ += length;
        return true;
    }

    static bool IsDigit(unsigned c) { return c >= '0' && c <= '9'; }

    bool Number() {
        const Char* start = p_;
        const Char* p = p_;
        auto digitAt = [&](const Char* q) { return q < end_ && IsDigit(Unit(*q)); };
        auto at = [&](const Char* q, char c) { return q < end_ && Unit(*q) == unsigned(c); };
        if (at(p, '-')) ++p;
        if (at(p, '0')) {
            ++p;
        } else if (digitAt(p)) {
            while (digitAt(p)) ++p;
        } else {
            return false;
        }
        if (at(p, '.')) {
            ++p;
            if (!digitAt(p)) return false;
            while (digitAt(p)) ++p;
        }
        if (at(p, 'e') || at(p, 'E')) {
            ++p;
            if (at(p, '+') || at(p, '-')) ++p;
            if (!digitAt(p)) return false;
            while (digitAt(p)) ++p;
        }
        p_ = p;
        const std::size_t length = std::size_t(p - start);
        if (length > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("JSON number too long");
        if constexpr (sizeof(Char) == 1) {
            if (borrowNumbers_) {
                b_.NumberInArena(start, std::uint32_t(length));
                return true;
            }
        }
        auto* digits = static_cast<char*>(b_.arena_->Allocate(length, 1));
        for (std::size_t i = 0; i < length; ++i) digits[i] = char(start[i]);
        b_.NumberInArena(digits, std::uint32_t(length));
        return true;
    }

    static int HexDigit(unsigned c) {
        if (c >= '0' && c <= '9') return int(c - '0');
        if (c >= 'a' && c <= 'f') return int(c - 'a' + 10);
        if (c >= 'A' && c <= 'F') return int(c - 'A' + 10);
        return -1;
    }

    // The string at p_ (its opening quote) decoded into the arena.
    bool String(const char16_t*& chars, std::uint32_t& size) {
        ++p_;
        // Find the closing quote first: the decoded text is never longer than the source.
        const Char* close = p_;
        while (close < end_ && Unit(*close) != '"') {
            if (Unit(*close) == '\\') {
                if (end_ - close < 2) return false;
                ++close;
            }
            ++close;
        }
        if (close == end_) return false;
        const std::size_t room = std::size_t(close - p_);
        if (room > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("JSON text too long");
        if (room == 0) {
            ++p_;
            chars = nullptr;
            size = 0;
            return true;
        }
        auto* out = static_cast<char16_t*>(b_.arena_->Allocate(room * sizeof(char16_t), alignof(char16_t)));
        char16_t* o = out;
        while (p_ < close) {
            const unsigned c = Unit(*p_);
            if (c == '\\') {
                if (!Escape(o)) return false;
            } else if (c < 0x80) {
                *o++ = char16_t(c);
                ++p_;
            } else if constexpr (sizeof(Char) == 1) {
                const auto* bytes = reinterpret_cast<const unsigned char*>(p_);
                if (Utf8SequenceLength(bytes, reinterpret_cast<const unsigned char*>(close)) == 0) return false;
                if (c < 0xE0) {
                    *o++ = char16_t(((c & 0x1F) << 6) | (Unit(p_[1]) & 0x3F));
                    p_ += 2;
                } else if (c < 0xF0) {
                    *o++ = char16_t(((c & 0x0F) << 12) | ((Unit(p_[1]) & 0x3F) << 6) | (Unit(p_[2]) & 0x3F));
                    p_ += 3;
                } else {
                    const unsigned code = ((c & 0x07) << 18) | ((Unit(p_[1]) & 0x3F) << 12) |
                                          ((Unit(p_[2]) & 0x3F) << 6) | (Unit(p_[3]) & 0x3F);
                    *o++ = char16_t(0xD800 + ((code - 0x10000) >> 10));
                    *o++ = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
                    p_ += 4;
                }
            } else {
                *o++ = char16_t(c);
                ++p_;
            }
        }
        ++p_;  // the closing quote
        size = std::uint32_t(o - out);
        b_.arena_->Shrink(out, room * sizeof(char16_t), size * sizeof(char16_t));
        chars = out;
        return true;
    }

    bool Escape(char16_t*& o) {
        // p_ is at the backslash; the character after it lies before the closing quote.
        const unsigned c = Unit(p_[1]);
        p_ += 2;
        switch (c) {
        case '"': *o++ = u'"'; return true;
        case '\\': *o++ = u'\\'; return true;
        case '/': *o++ = u'/'; return true;
        case 'b': *o++ = u'\b'; return true;
        case 'f': *o++ = u'\f'; return true;
        case 'n': *o++ = u'\n'; return true;
        case 'r': *o++ = u'\r'; return true;
        case 't': *o++ = u'\t'; return true;
        case 'u': {
            if (end_ - p_ < 4) return false;
            unsigned code = 0;
            for (int i = 0; i < 4; ++i) {
                const int digit = HexDigit(Unit(p_[i]));
                if (digit < 0) return false;
                code = code * 16 + unsigned(digit);
            }
            // A quote among the four would have ended the string; the digits check rejects it.
            p_ += 4;
            *o++ = char16_t(code);
            return true;
        }
        default:
            return false;
        }
    }

    const Char* p_;
    const Char* end_;
    JsonBuilder& b_;
    bool borrowNumbers_;
};

namespace {

template <class Char>
std::optional<JsonDocument> Parse(const Char* begin, const Char* end, JsonBuilder& builder, bool borrowNumbers) {
    try {
        if (!JsonParser<Char>(begin, end, builder, borrowNumbers).Parse()) return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
    return builder.Finish();
}

const char* SkipUtf8Mark(const char* begin, const char* end) {
    return end - begin >= 3 && std::memcmp(begin, "\xEF\xBB\xBF", 3) == 0 ? begin + 3 : begin;
}

}  // namespace

std::optional<JsonDocument> ParseJSON(QStringView text) {
    const auto* begin = reinterpret_cast<const char16_t*>(text.utf16());
    const auto* end = begin + text.size();
    if (begin != end && *begin == u'\uFEFF') ++begin;
    JsonBuilder builder;
    return Parse(begin, end, builder, false);
}

std::optional<JsonDocument> ParseJSONUtf8(QByteArrayView utf8) {
    // Only strings may hold bytes above 0x7F, and the string decoder checks them; so what
    // parses is well-formed UTF-8.
    const char* end = utf8.data() + utf8.size();
    JsonBuilder builder;
    return Parse(SkipUtf8Mark(utf8.data(), end), end, builder, false);
}

std::optional<JsonDocument> ParseUtf8Source(const QByteArray& source, qsizetype offset) {
    const char* end = source.constData() + source.size();
    JsonBuilder builder;
    builder.KeepSource(source);
    return Parse(SkipUtf8Mark(source.constData() + offset, end), end, builder, true);
}
