#include "JsonInternal.h"

#include <algorithm>
#include <cstring>

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

// Lays a tree out in two passes: the exact length first, so the text is allocated once, then the
// characters. Out is char16_t for text, char for UTF-8 bytes.
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

    static Out* Write(const JsonValue& value, std::size_t indent, Out* o) {
        switch (value.Kind()) {
        case JsonKind::Null: return Ascii(o, "null", 4);
        case JsonKind::Boolean: return value.Bool() ? Ascii(o, "true", 4) : Ascii(o, "false", 5);
        case JsonKind::Number: return Ascii(o, value.NumberText().data(), value.NumberText().size());
        case JsonKind::String: return WriteString(value.Text(), o);
        case JsonKind::Array: {
            *o++ = '[';
            o = LineBreak(o);
            const auto elements = value.Elements();
            for (std::size_t i = 0; i < elements.size(); ++i) {
                o = Indent(o, indent + 4);
                o = Write(elements[i], indent + 4, o);
                if (i + 1 < elements.size()) *o++ = ',';
                o = LineBreak(o);
            }
            o = Indent(o, indent);
            *o++ = ']';
            return o;
        }
        case JsonKind::Object: {
            *o++ = '{';
            o = LineBreak(o);
            const auto members = value.Members();
            for (std::size_t i = 0; i < members.size(); ++i) {
                o = Indent(o, indent + 4);
                o = WriteString(members[i].Name(), o);
                *o++ = ':';
                *o++ = ' ';
                o = Write(members[i].Value(), indent + 4, o);
                if (i + 1 < members.size()) *o++ = ',';
                o = LineBreak(o);
            }
            o = Indent(o, indent);
            *o++ = '}';
            return o;
        }
        }
        return o;
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

    static Out* WriteString(QStringView text, Out* o) {
        *o++ = '"';
        const char16_t* chars = reinterpret_cast<const char16_t*>(text.utf16());
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
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
        *o++ = '"';
        return o;
    }

    static Out* Ascii(Out* o, const char* text, std::size_t length) {
        if constexpr (sizeof(Out) == 1) {
            std::memcpy(o, text, length);
            return o + length;
        } else {
            return std::copy(text, text + length, o);
        }
    }

    static Out* LineBreak(Out* o) {
        *o++ = '\r';
        *o++ = '\n';
        return o;
    }

    static Out* Indent(Out* o, std::size_t indent) { return std::fill_n(o, indent, Out(' ')); }
};

}  // namespace

QString FormatJSON(const JsonValue& value) {
    const std::size_t size = Formatter<char16_t>::Size(value, 0);
    QString text(qsizetype(size), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    Formatter<char16_t>::Write(value, 0, out);
    return text;
}

QByteArray FormatJSONUtf8(const JsonValue& value) {
    const std::size_t size = Formatter<char>::Size(value, 0);
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    Formatter<char>::Write(value, 0, bytes.data());
    return bytes;
}
