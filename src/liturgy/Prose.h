#pragma once

#include <span>
#include <string_view>

namespace liturgy {

// The texts of src/liturgy/prose, embedded at build time: one entry per file, keyed by its path
// without the extension ("sanctoral/agnes"), each paragraph one line of text.
struct ProseEntry
{
    std::string_view key;
    std::span<const std::string_view> paragraphs;
};

// Every entry, in ascending order of key.
std::span<const ProseEntry> proseTable();

// The paragraphs written for a key; none when it has no text.
std::span<const std::string_view> proseFor(std::string_view key);

} // namespace liturgy
