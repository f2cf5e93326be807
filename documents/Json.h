#pragma once

// The JSON layer every document goes through: a value tree, the writer layout, the parser, the
// file bytes with their encodings, and the readers of object members.
//
// A tree lives in one JsonDocument, which owns all of its values, names and texts in a few large
// blocks; a JsonValue is a small view into them. A 100 MB database becomes a tree without a heap
// allocation per value, and a document is released in one go.

#include "records/Failure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

enum class JsonKind : std::uint8_t { Null, Boolean, Number, String, Array, Object };

struct JsonMember;

// One value of a tree. Numbers keep their number text (ASCII) as written or found; strings are
// UTF-16 texts. Objects keep their members in order, repeated names included.
class JsonValue {
public:
    JsonKind Kind() const { return kind_; }
    bool IsObject() const { return kind_ == JsonKind::Object; }
    bool IsArray() const { return kind_ == JsonKind::Array; }
    bool IsString() const { return kind_ == JsonKind::String; }
    bool IsNumber() const { return kind_ == JsonKind::Number; }
    bool IsBoolean() const { return kind_ == JsonKind::Boolean; }
    bool IsNull() const { return kind_ == JsonKind::Null; }

    // Booleans.
    bool Bool() const { return bool_; }
    // Numbers: the number text.
    std::string_view NumberText() const { return {digits_, size_}; }
    // Strings: the text, escapes decoded.
    QStringView Text() const { return QStringView(chars_, qsizetype(size_)); }
    // Arrays.
    std::span<const JsonValue> Elements() const { return {elements_, size_}; }
    // Objects.
    std::span<const JsonMember> Members() const;
    // The first member of that name (compared exactly), or nullptr.
    const JsonValue* Find(QStringView name) const;

private:
    friend class JsonBuilder;
    union {
        const char16_t* chars_;
        const char* digits_;
        const JsonValue* elements_;
        const JsonMember* members_ = nullptr;
    };
    std::uint32_t size_ = 0;
    JsonKind kind_ = JsonKind::Null;
    bool bool_ = false;
};

struct JsonMember {
    QStringView Name() const { return QStringView(name_, qsizetype(nameSize_)); }
    const JsonValue& Value() const { return value_; }

private:
    friend class JsonBuilder;
    friend class JsonValue;
    const char16_t* name_ = nullptr;
    std::uint32_t nameSize_ = 0;
    JsonValue value_;
};

inline std::span<const JsonMember> JsonValue::Members() const { return {members_, size_}; }

inline const JsonValue* JsonValue::Find(QStringView name) const {
    // Member lookups run for every number of a document; compare the sizes first, inline.
    const std::size_t size = std::size_t(name.size());
    const char16_t* chars = reinterpret_cast<const char16_t*>(name.utf16());
    for (const JsonMember& member : Members()) {
        if (member.nameSize_ != size) continue;
        std::size_t i = 0;
        while (i < size && member.name_[i] == chars[i]) ++i;
        if (i == size) return &member.value_;
    }
    return nullptr;
}

// Bump allocation in large blocks; everything is freed with the arena.
class JsonArena {
public:
    void* Allocate(std::size_t bytes, std::size_t alignment) {
        const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(cursor_) + alignment - 1) & ~(alignment - 1);
        if (cursor_ && start + bytes <= reinterpret_cast<std::uintptr_t>(end_)) {
            cursor_ = reinterpret_cast<std::byte*>(start + bytes);
            return reinterpret_cast<void*>(start);
        }
        return AllocateBlock(bytes, alignment);
    }
    // Gives back the unused end of the most recent allocation (made with `bytes`).
    void Shrink(void* last, std::size_t bytes, std::size_t keep) {
        auto* start = static_cast<std::byte*>(last);
        if (start + bytes == cursor_) cursor_ = start + keep;
    }

private:
    void* AllocateBlock(std::size_t bytes, std::size_t alignment);

    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::byte* cursor_ = nullptr;
    std::byte* end_ = nullptr;
    std::size_t nextBlock_ = 64 * 1024;
};

// A whole tree: its top-level value and the storage of everything in it. Move-only.
class JsonDocument {
public:
    JsonDocument() = default;
    JsonDocument(JsonDocument&&) noexcept = default;
    JsonDocument& operator=(JsonDocument&&) noexcept = default;
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    const JsonValue& Root() const { return root_; }

private:
    friend class JsonBuilder;
    std::unique_ptr<JsonArena> arena_;
    QByteArray source_;  // the parsed bytes, when number texts point into them
    JsonValue root_;
};

// Builds one tree value by value, in writing order:
//
//     JsonBuilder b;
//     b.BeginObject();
//     b.Name(u"Title").String(title);
//     b.Name(u"Spectrum").BeginArray(); ... b.EndArray();
//     b.EndObject();
//     JsonDocument document = b.Finish();
//
// Inside an object every value is preceded by its Name.
class JsonBuilder {
public:
    JsonBuilder();
    ~JsonBuilder();
    JsonBuilder(const JsonBuilder&) = delete;
    JsonBuilder& operator=(const JsonBuilder&) = delete;

    JsonBuilder& Name(QStringView name) {
        nameSize_ = CheckedSize(name.size());
        name_ = CopyText(name);
        return *this;
    }
    JsonBuilder& String(QStringView text) {
        const std::uint32_t size = CheckedSize(text.size());
        StringInArena(CopyText(text), size);
        return *this;
    }
    // The number text of the value with "." as decimal mark.
    JsonBuilder& Number(double value);
    // Decimal digits, "-" before a negative value.
    JsonBuilder& Integer(std::int32_t value);
    // A number text as it stands; it must follow the JSON number grammar.
    JsonBuilder& NumberText(std::string_view text) {
        const std::uint32_t size = CheckedSize(text.size());
        auto* digits = static_cast<char*>(arena_->Allocate(text.size(), 1));
        std::memcpy(digits, text.data(), text.size());
        NumberInArena(digits, size);
        return *this;
    }
    JsonBuilder& Bool(bool b) {
        JsonValue& value = Push();
        value.kind_ = JsonKind::Boolean;
        value.bool_ = b;
        return *this;
    }
    JsonBuilder& Null() {
        Push().kind_ = JsonKind::Null;
        return *this;
    }
    JsonBuilder& BeginObject() { return Begin(JsonKind::Object); }
    JsonBuilder& EndObject() {
        End(true);
        return *this;
    }
    JsonBuilder& BeginArray() { return Begin(JsonKind::Array); }
    JsonBuilder& EndArray() {
        End(false);
        return *this;
    }

    // The document holding the one top-level value built; the builder is empty afterwards.
    JsonDocument Finish();

private:
    template <class> friend class JsonParser;
    friend std::optional<JsonDocument> ParseUtf8Source(const QByteArray& source, qsizetype offset);

    struct Open {
        std::size_t first;  // index of the first child in pending_
        bool object;
    };

    static std::uint32_t CheckedSize(qsizetype size) {
        // Sizes are 32-bit inside the tree; nothing the editor reads comes near.
        if (std::size_t(size) > 0xFFFFFFFFu) throw std::length_error("JSON value too large");
        return std::uint32_t(size);
    }
    JsonValue& Push() {
        JsonMember& member = pending_.emplace_back();
        member.name_ = name_;
        member.nameSize_ = nameSize_;
        name_ = nullptr;
        nameSize_ = 0;
        return member.value_;
    }
    const char16_t* CopyText(QStringView text) {
        if (text.isEmpty()) return nullptr;
        auto* chars = static_cast<char16_t*>(arena_->Allocate(text.size() * sizeof(char16_t), alignof(char16_t)));
        std::memcpy(chars, text.utf16(), text.size() * sizeof(char16_t));
        return chars;
    }
    // For the parser, which decodes texts straight into the arena (or leaves numbers in its source).
    void StringInArena(const char16_t* chars, std::uint32_t size) {
        JsonValue& value = Push();
        value.kind_ = JsonKind::String;
        value.size_ = size;
        value.chars_ = chars;
    }
    void NumberInArena(const char* digits, std::uint32_t size) {
        JsonValue& value = Push();
        value.kind_ = JsonKind::Number;
        value.size_ = size;
        value.digits_ = digits;
    }
    JsonBuilder& Begin(JsonKind kind) {
        Push().kind_ = kind;
        open_.push_back({pending_.size(), kind == JsonKind::Object});
        return *this;
    }
    void End(bool object);
    // The finished document keeps these bytes alive.
    void KeepSource(const QByteArray& source) { source_ = source; }

    std::unique_ptr<JsonArena> arena_;
    std::vector<JsonMember> pending_;  // children of the open containers, innermost last
    std::vector<Open> open_;
    const char16_t* name_ = nullptr;
    std::uint32_t nameSize_ = 0;
    QByteArray source_;
};

// ---- Text ----

// The writer layout: four spaces per level, CR LF, ": " after names, no trailing line break.
QString FormatJSON(const JsonValue& value);
// The same text as UTF-8, byte for byte what QString::toUtf8 makes of FormatJSON's text
// (a lone surrogate becomes "?").
QByteArray FormatJSONUtf8(const JsonValue& value);

// The top-level value, or nothing when the text is not valid JSON. One U+FEFF at the start is
// ignored; unescaped control characters inside strings are accepted; nesting is limited to 512.
std::optional<JsonDocument> ParseJSON(QStringView text);
// The same for UTF-8 bytes: nothing when they are not well-formed UTF-8 (see ValidUtf8) or not
// valid JSON; an initial EF BB BF is ignored like U+FEFF.
std::optional<JsonDocument> ParseJSONUtf8(QByteArrayView utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values beyond U+10FFFF).
bool ValidUtf8(QByteArrayView bytes);

// Windows-1252 to text; the five unassigned bytes 81, 8D, 8F, 90 and 9D map to U+0081 and so on.
QString DecodeWindows1252(QByteArrayView bytes);

// ---- Files ----

enum class JsonEncodingRule {
    // Species and spectrum files: UTF-8, UTF-16 LE or UTF-16 BE by their byte-order mark,
    // Windows-1252 without one.
    SpeciesFile,
    // Database files: UTF-8, with or without its byte-order mark.
    DatabaseFile,
};

// The file's content as text. Throws Failure when the file cannot be read or is malformed UTF-8.
QString ReadJSONFile(const QString& fileName, JsonEncodingRule rule);

// Reads and parses a file in one step, without the detour through UTF-16 text for UTF-8 files.
// Throws Failure when the file cannot be read, cannot be decoded or holds no valid JSON.
JsonDocument ReadJSONDocument(const QString& fileName, JsonEncodingRule rule);

// ReadJSONFile and ReadJSONDocument on bytes already in memory; the parse gives nothing when the
// bytes hold no valid JSON. Both throw Failure for malformed UTF-8.
QString DecodeJSONFileBytes(QByteArrayView bytes, JsonEncodingRule rule);
std::optional<JsonDocument> ParseJSONFileBytes(QByteArrayView bytes, JsonEncodingRule rule);

// Writes the UTF-8 byte-order mark, the text as UTF-8 and CR LF. The file is replaced only once
// the new content is complete; a failed write leaves an existing file as it was. Throws Failure.
void WriteJSONFile(const QString& fileName, const QString& text);

// FormatJSON and WriteJSONFile in one step, without the detour through UTF-16 text.
void WriteJSONDocument(const QString& fileName, const JsonValue& value);

// ---- Members ----

// A member that a reader needs and the object lacks. Readers of nested objects add where the
// object sits, innermost first, so that the message says what is missing and where:
// Member "E" not found in point 5 of Dataset2 of Entry3
class MissingMember : public Failure {
public:
    explicit MissingMember(const QString& member, const QStringList& places = {});

    const QString& Member() const { return member_; }
    const QStringList& Places() const { return places_; }
    // The same failure one level further out.
    MissingMember Within(const QString& place) const;

private:
    QString member_;
    QStringList places_;
};

// Runs `read`, adding `place` to a MissingMember it throws.
template <class Read>
auto ReadWithin(const QString& place, Read&& read) {
    try {
        return read();
    } catch (const MissingMember& missing) {
        throw missing.Within(place);
    }
}

// A string member's text, or a number member's text form: a number text longer than 11
// characters without "." as the 64-bit integer it spells, any other as locale number text with
// the user's decimal separator. Throws Failure for a missing member or another kind.
QString MemberText(const JsonValue& object, QStringView name);

// TextToFloat(MemberText(object, name)), without building the text for the usual number members.
double MemberFloat(const JsonValue& object, QStringView name);

// Throws Failure for a missing member or another kind than boolean.
bool MemberBool(const JsonValue& object, QStringView name);

// The member's object, or nullptr when there is no such member; throws Failure for another kind.
const JsonValue* MemberObject(const JsonValue& object, QStringView name);

// Throws Failure for a missing member or another kind than array.
const JsonValue& MemberArray(const JsonValue& object, QStringView name);

// The object itself; throws Failure("Invalid class typecast") for any other kind.
const JsonValue& AsObject(const JsonValue& value);

// The name of list member `index` (from 1): "Dataset" and 3 give "Dataset3".
QString NumberedName(QStringView prefix, int index);

// The run of numbered members prefix1, prefix2, ... up to the first missing index, each the first
// member of its name. Any kind is returned; readers take them with AsObject.
std::vector<const JsonValue*> NumberedMembers(const JsonValue& object, QStringView prefix);

// Converts an integer text: leading spaces, an optional sign, decimal digits or up to eight
// hexadecimal digits after "$", "x", "X", "0x" or "0X", nothing after; within 32 bits.
// Throws Failure("'text' is not a valid integer value") otherwise.
std::int32_t IntegerText(QStringView text);
