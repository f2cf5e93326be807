#include "JsonInternal.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// The eight characters written as two-character escapes; every other character stands as itself.
char EscapeLetter(char16_t c) {
    switch (c) {
    case u'"': return '"';
    case u'\\': return '\\';
    case u'/': return '/';
    case u'\b': return 'b';
    case u'\t': return 't';
    case u'\n': return 'n';
    case u'\f': return 'f';
    case u'\r': return 'r';
    default: return 0;
    }
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// Where the layout goes: straight into a text of the exact length, or through a buffer into a
// file. Every write first asks for room; a buffer that is full is flushed.
template <class Out>
class Sink {
public:
    // An exact-length text: room never runs out.
    Sink(Out* begin, Out* end) : o_(begin), end_(end) {}
    // A file, through `buffer`.
    Sink(QIODevice* device, std::vector<Out>& buffer)
        : o_(buffer.data()), end_(buffer.data() + buffer.size()), begin_(buffer.data()), device_(device) {}

    static constexpr std::size_t kPiece = 4096;  // the most ever asked for at once

    Out* Room(std::size_t n) {
        if (std::size_t(end_ - o_) < n) Flush();
        return o_;
    }
    void Wrote(Out* o) { o_ = o; }

    // Writes what the buffer holds; false when the device refused it.
    bool Flush() {
        if (device_ && o_ != begin_) {
            const qint64 bytes = qint64((o_ - begin_) * sizeof(Out));
            if (device_->write(reinterpret_cast<const char*>(begin_), bytes) != bytes) failed_ = true;
            o_ = begin_;
        }
        return !failed_;
    }

private:
    Out* o_;
    Out* end_;
    Out* begin_ = nullptr;
    QIODevice* device_ = nullptr;
    bool failed_ = false;
};

// Lays a tree out: Size gives the exact length, Write the characters. Out is char16_t for text,
// char for UTF-8 bytes.
template <class Out>
class Formatter {
public:
    static std::size_t Size(const JsonValue& value, std::size_t indent) {
        switch (value.Kind()) {
        case JsonKind::Null: return 4;
        case JsonKind::Boolean: return value.Bool() ? 4 : 5;
        case JsonKind::Number: return value.NumberText().size();
        case JsonKind::String: return StringSize(value.Text());
        case JsonKind::Array: {
            std::size_t size = ContainerSize(value.Elements().size(), indent);
            for (const JsonValue& element : value.Elements()) size += Size(element, indent + 4);
            return size;
        }
        case JsonKind::Object: {
            std::size_t size = ContainerSize(value.Members().size(), indent);
            for (const JsonMember& member : value.Members()) {
                size += StringSize(member.Name()) + 2 + Size(member.Value(), indent + 4);
            }
            return size;
        }
        }
        return 0;
    }

    static void Write(const JsonValue& value, std::size_t indent, Sink<Out>& sink) {
        switch (value.Kind()) {
        case JsonKind::Null: return Ascii(sink, "null");
        case JsonKind::Boolean: return Ascii(sink, value.Bool() ? "true" : "false");
        case JsonKind::Number: return Ascii(sink, value.NumberText());
        case JsonKind::String: return WriteString(value.Text(), sink);
        case JsonKind::Array: {
            Ascii(sink, "[\r\n");
            const auto elements = value.Elements();
            for (std::size_t i = 0; i < elements.size(); ++i) {
                Indent(sink, indent + 4);
                Write(elements[i], indent + 4, sink);
                Ascii(sink, i + 1 < elements.size() ? ",\r\n" : "\r\n");
            }
            Indent(sink, indent);
            return Ascii(sink, "]");
        }
        case JsonKind::Object: {
            Ascii(sink, "{\r\n");
            const auto members = value.Members();
            for (std::size_t i = 0; i < members.size(); ++i) {
                Indent(sink, indent + 4);
                WriteString(members[i].Name(), sink);
                Ascii(sink, ": ");
                Write(members[i].Value(), indent + 4, sink);
                Ascii(sink, i + 1 < members.size() ? ",\r\n" : "\r\n");
            }
            Indent(sink, indent);
            return Ascii(sink, "}");
        }
        }
    }

private:
    // Brackets, one line break after the opening one, and per child its indentation, a comma
    // (all but the last) and a line break; the closing bracket is indented like the opening line.
    static std::size_t ContainerSize(std::size_t children, std::size_t indent) {
        return 2 + 2 + indent + children * (indent + 4 + 1 + 2) - (children ? 1 : 0);
    }

    static std::size_t StringSize(QStringView text) {
        std::size_t size = 2 + std::size_t(text.size());
        const char16_t* chars = reinterpret_cast<const char16_t*>(text.utf16());
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = chars[i];
            if (c < 0x80) {
                if (EscapeLetter(c)) ++size;
            } else if constexpr (sizeof(Out) == 1) {
                if (c < 0x800) {
                    size += 1;
                } else if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(chars[i + 1])) {
                    size += 2;  // four bytes for the two code units
                    ++i;
                } else if (!IsHighSurrogate(c) && !IsLowSurrogate(c)) {
                    size += 2;  // three bytes
                }  // a lone surrogate is one "?", as QString::toUtf8 writes it
            }
        }
        return size;
    }

    static void WriteString(QStringView text, Sink<Out>& sink) {
        // Piece by piece, so that a long text (a structure image) needs no room of its own size;
        // a unit takes at most three bytes, a surrogate pair four.
        constexpr qsizetype kUnits = qsizetype(Sink<Out>::kPiece / 4);
        const char16_t* chars = reinterpret_cast<const char16_t*>(text.utf16());
        const qsizetype n = text.size();
        Out* o = sink.Room(1);
        *o++ = '"';
        sink.Wrote(o);
        for (qsizetype i = 0; i < n;) {
            o = sink.Room(Sink<Out>::kPiece);
            for (const qsizetype stop = std::min(n, i + kUnits); i < stop; ++i) {
                const char16_t c = chars[i];
                if (c < 0x80) {
                    if (const char letter = EscapeLetter(c)) {
                        *o++ = '\\';
                        *o++ = Out(letter);
                    } else {
                        *o++ = Out(c);
                    }
                } else if constexpr (sizeof(Out) == 1) {
                    unsigned code = c;
                    if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(chars[i + 1])) {
                        code = 0x10000 + ((unsigned(c) - 0xD800) << 10) + (unsigned(chars[++i]) - 0xDC00);
                    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
                        *o++ = '?';
                        continue;
                    }
                    if (code < 0x800) {
                        *o++ = Out(0xC0 | (code >> 6));
                    } else if (code < 0x10000) {
                        *o++ = Out(0xE0 | (code >> 12));
                        *o++ = Out(0x80 | ((code >> 6) & 0x3F));
                    } else {
                        *o++ = Out(0xF0 | (code >> 18));
                        *o++ = Out(0x80 | ((code >> 12) & 0x3F));
                        *o++ = Out(0x80 | ((code >> 6) & 0x3F));
                    }
                    *o++ = Out(0x80 | (code & 0x3F));
                } else {
                    *o++ = c;
                }
            }
            sink.Wrote(o);
        }
        o = sink.Room(1);
        *o++ = '"';
        sink.Wrote(o);
    }

    static void Ascii(Sink<Out>& sink, std::string_view text) {
        // Short texts only: punctuation, literals and number texts.
        Out* o = sink.Room(text.size());
        if constexpr (sizeof(Out) == 1) {
            std::memcpy(o, text.data(), text.size());
            sink.Wrote(o + text.size());
        } else {
            sink.Wrote(std::copy(text.begin(), text.end(), o));
        }
    }

    static void Indent(Sink<Out>& sink, std::size_t indent) {
        while (indent > 0) {
            const std::size_t piece = std::min(indent, Sink<Out>::kPiece);
            sink.Wrote(std::fill_n(sink.Room(piece), piece, Out(' ')));
            indent -= piece;
        }
    }
};

}  // namespace

QString FormatJSON(const JsonValue& value) {
    const std::size_t size = Formatter<char16_t>::Size(value, 0);
    QString text(qsizetype(size), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    Sink<char16_t> sink(out, out + size);
    Formatter<char16_t>::Write(value, 0, sink);
    return text;
}

QByteArray FormatJSONUtf8(const JsonValue& value) {
    const std::size_t size = Formatter<char>::Size(value, 0);
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    Sink<char> sink(bytes.data(), bytes.data() + size);
    Formatter<char>::Write(value, 0, sink);
    return bytes;
}

bool FormatJSONTo(QIODevice& device, const JsonValue& value) {
    std::vector<char> buffer(256 * 1024);
    Sink<char> sink(&device, buffer);
    Formatter<char>::Write(value, 0, sink);
    return sink.Flush();
}
