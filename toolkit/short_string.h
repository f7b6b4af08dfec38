#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text.h"

namespace vexa {

// A text field of a record with a fixed capacity in characters: a longer text
// is cut to its first `Capacity` characters without notice.
template <std::size_t Capacity>
class ShortString {
    static_assert(Capacity <= 255, "the length is kept in one byte");

public:
    static constexpr std::size_t capacity = Capacity;

    ShortString() = default;
    explicit ShortString(std::string_view text) : text_(text::cut(text, Capacity)) {}
    ShortString& operator=(std::string_view text) {
        text_ = text::cut(text, Capacity);
        return *this;
    }

    const std::string& str() const { return text_; }
    bool operator==(const ShortString&) const = default;

private:
    std::string text_;
};

}  // namespace vexa
