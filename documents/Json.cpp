#include "Json.h"

#include "JsonInternal.h"

#include "records/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <new>

namespace {

constexpr std::size_t kLargestBlock = 8 * 1024 * 1024;

}  // namespace

void* JsonArena::AllocateBlock(std::size_t bytes, std::size_t alignment) {
    auto aligned = [&](std::byte* p) {
        return reinterpret_cast<std::byte*>((reinterpret_cast<std::uintptr_t>(p) + alignment - 1) & ~(alignment - 1));
    };
    if (bytes + alignment > nextBlock_ / 4) {
        // A large array gets a block of its own, and the current block stays in use.
        blocks_.emplace_back(new std::byte[bytes + alignment]);
        return aligned(blocks_.back().get());
    }
    // Blocks grow with the document, so a small tree stays small and a large one needs few blocks.
    const std::size_t size = nextBlock_;
    blocks_.emplace_back(new std::byte[size]);
    nextBlock_ = std::min(nextBlock_ * 2, kLargestBlock);
    std::byte* start = aligned(blocks_.back().get());
    cursor_ = start + bytes;
    end_ = blocks_.back().get() + size;
    return start;
}

JsonBuilder::JsonBuilder() : arena_(std::make_unique<JsonArena>()) {}

JsonBuilder::~JsonBuilder() = default;

JsonBuilder& JsonBuilder::Number(double value) {
    char text[kNumberCharsCapacity];
    return NumberText(std::string_view(text, NumberChars(value, '.', text)));
}

JsonBuilder& JsonBuilder::Integer(std::int32_t value) {
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return NumberText(std::string_view(text, end - text));
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
    document.source_ = std::move(source_);
    source_ = QByteArray();
    arena_ = std::make_unique<JsonArena>();
    pending_.clear();
    return document;
}
