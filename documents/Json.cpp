#include "Json.h"

#include "JsonInternal.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <new>

namespace {

constexpr std::size_t kLargestBlock = 8 * 1024 * 1024;

std::uint32_t CheckedSize(std::size_t size) {
    // Sizes are 32-bit inside the tree; nothing the editor reads comes near.
    if (size > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("JSON value too large");
    return std::uint32_t(size);
}

}  // namespace

const JsonValue* JsonValue::Find(QStringView name) const {
    for (const JsonMember& member : Members()) {
        if (member.Name() == name) return &member.Value();
    }
    return nullptr;
}

void* JsonArena::Allocate(std::size_t bytes, std::size_t alignment) {
    auto aligned = [&](std::byte* p) {
        return reinterpret_cast<std::byte*>((reinterpret_cast<std::uintptr_t>(p) + alignment - 1) & ~(alignment - 1));
    };
    if (cursor_) {
        std::byte* start = aligned(cursor_);
        if (start <= end_ && std::size_t(end_ - start) >= bytes) {
            cursor_ = start + bytes;
            return start;
        }
    }
    // Blocks grow with the document, so a small tree stays small and a large one needs few blocks.
    std::size_t size = std::max(nextBlock_, bytes + alignment);
    if (bytes + alignment > nextBlock_ / 4) {
        // A large array gets a block of its own, and the current block stays in use.
        blocks_.emplace_back(new std::byte[bytes + alignment]);
        return aligned(blocks_.back().get());
    }
    blocks_.emplace_back(new std::byte[size]);
    nextBlock_ = std::min(nextBlock_ * 2, kLargestBlock);
    cursor_ = aligned(blocks_.back().get());
    end_ = blocks_.back().get() + size;
    std::byte* start = cursor_;
    cursor_ += bytes;
    return start;
}

void JsonArena::Shrink(void* last, std::size_t bytes, std::size_t keep) {
    auto* start = static_cast<std::byte*>(last);
    if (start + bytes == cursor_) cursor_ = start + keep;
}

JsonBuilder::JsonBuilder() : arena_(std::make_unique<JsonArena>()) {}

JsonBuilder::~JsonBuilder() = default;

const char16_t* JsonBuilder::CopyText(QStringView text) {
    if (text.isEmpty()) return nullptr;
    auto* chars = static_cast<char16_t*>(arena_->Allocate(text.size() * sizeof(char16_t), alignof(char16_t)));
    std::memcpy(chars, text.utf16(), text.size() * sizeof(char16_t));
    return chars;
}

JsonValue& JsonBuilder::Push() {
    JsonMember& member = pending_.emplace_back();
    member.name_ = name_;
    member.nameSize_ = nameSize_;
    name_ = nullptr;
    nameSize_ = 0;
    return member.value_;
}

JsonBuilder& JsonBuilder::Name(QStringView name) {
    nameSize_ = CheckedSize(name.size());
    name_ = CopyText(name);
    return *this;
}

JsonBuilder& JsonBuilder::String(QStringView text) {
    const std::uint32_t size = CheckedSize(text.size());
    StringInArena(CopyText(text), size);
    return *this;
}

void JsonBuilder::StringInArena(const char16_t* chars, std::uint32_t size) {
    JsonValue& value = Push();
    value.kind_ = JsonKind::String;
    value.size_ = size;
    value.chars_ = chars;
}

void JsonBuilder::NumberInArena(const char* digits, std::uint32_t size) {
    JsonValue& value = Push();
    value.kind_ = JsonKind::Number;
    value.size_ = size;
    value.digits_ = digits;
}

JsonBuilder& JsonBuilder::NumberText(std::string_view text) {
    const std::uint32_t size = CheckedSize(text.size());
    auto* digits = static_cast<char*>(arena_->Allocate(text.size(), 1));
    std::memcpy(digits, text.data(), text.size());
    NumberInArena(digits, size);
    return *this;
}

JsonBuilder& JsonBuilder::Number(double value) {
    char text[kNumberTextCapacity];
    return NumberText(std::string_view(text, WriteNumberText(value, text)));
}

JsonBuilder& JsonBuilder::Integer(std::int32_t value) {
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return NumberText(std::string_view(text, end - text));
}

JsonBuilder& JsonBuilder::Bool(bool b) {
    JsonValue& value = Push();
    value.kind_ = JsonKind::Boolean;
    value.bool_ = b;
    return *this;
}

JsonBuilder& JsonBuilder::Null() {
    Push().kind_ = JsonKind::Null;
    return *this;
}

JsonBuilder& JsonBuilder::BeginObject() {
    Push().kind_ = JsonKind::Object;
    open_.push_back({pending_.size(), true});
    return *this;
}

JsonBuilder& JsonBuilder::BeginArray() {
    Push().kind_ = JsonKind::Array;
    open_.push_back({pending_.size(), false});
    return *this;
}

JsonBuilder& JsonBuilder::EndObject() {
    End(true);
    return *this;
}

JsonBuilder& JsonBuilder::EndArray() {
    End(false);
    return *this;
}

void JsonBuilder::End(bool object) {
    if (open_.empty() || open_.back().object != object) throw std::logic_error("unbalanced JSON container");
    const std::size_t first = open_.back().first;
    open_.pop_back();
    const std::size_t count = pending_.size() - first;
    JsonValue& container = pending_[first - 1].value_;
    container.size_ = CheckedSize(count);
    if (count == 0) {
        container.members_ = nullptr;
    } else if (object) {
        auto* members = static_cast<JsonMember*>(arena_->Allocate(count * sizeof(JsonMember), alignof(JsonMember)));
        std::memcpy(static_cast<void*>(members), &pending_[first], count * sizeof(JsonMember));
        container.members_ = members;
    } else {
        auto* elements = static_cast<JsonValue*>(arena_->Allocate(count * sizeof(JsonValue), alignof(JsonValue)));
        for (std::size_t i = 0; i < count; ++i) new (&elements[i]) JsonValue(pending_[first + i].value_);
        container.elements_ = elements;
    }
    pending_.resize(first);
}

JsonDocument JsonBuilder::Finish() {
    if (!open_.empty() || pending_.size() != 1) throw std::logic_error("JSON builder holds no single value");
    JsonDocument document;
    document.root_ = pending_.front().value_;
    document.arena_ = std::move(arena_);
    arena_ = std::make_unique<JsonArena>();
    pending_.clear();
    return document;
}
