// SPDX-License-Identifier: MIT
// Arbitrary bytes through both conversions of the high-score file's text, read once as UTF-8 and
// once as Windows-1252.

#include "fuzz/FuzzSupport.h"
#include "scores/Windows1252.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The five byte values the code page leaves undefined.
bool IsUndefined(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

// Every defined byte by its UTF-8 form, as the decoder gives it. UTF-8 is a prefix code, so a text
// made only of these forms splits into them in exactly one way.
const std::map<std::string, char, std::less<>>& BytesByUtf8Form() {
    static const std::map<std::string, char, std::less<>> bytes = [] {
        std::map<std::string, char, std::less<>> result;
        for (int value = 0; value < 256; ++value) {
            const auto byte = static_cast<char>(static_cast<unsigned char>(value));
            if (!IsUndefined(byte)) {
                result.emplace(Windows1252ToUtf8(std::string(1, byte)), byte);
            }
        }
        return result;
    }();
    return bytes;
}

// The code-page bytes of `utf8` when it is valid UTF-8 of representable characters only;
// otherwise nothing.
std::optional<std::string> Representable(std::string_view utf8) {
    const auto& bytesByForm = BytesByUtf8Form();
    std::string bytes;
    while (!utf8.empty()) {
        auto found = bytesByForm.end();
        // The longest form, of U+0800 and above, takes three bytes.
        for (std::size_t length = 1; length <= 3 && found == bytesByForm.end(); ++length) {
            found = bytesByForm.find(utf8.substr(0, length));
        }
        if (found == bytesByForm.end()) {
            return std::nullopt;
        }
        bytes.push_back(found->second);
        utf8.remove_prefix(found->first.size());
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::string encoded = Utf8ToWindows1252(input);
    Require(encoded.size() <= input.size(), "one byte at most for every byte read");
    Require(std::none_of(encoded.begin(), encoded.end(), IsUndefined), "no undefined byte written");
    // Decoding what was encoded then gives the input back, by the way the forms were made.
    if (const std::optional<std::string> expected = Representable(input)) {
        Require(encoded == *expected, "representable text encodes character by character");
    }

    std::string defined(input);
    std::replace_if(defined.begin(), defined.end(), IsUndefined, '?');
    Require(Utf8ToWindows1252(Windows1252ToUtf8(input)) == defined,
            "code-page bytes survive the round trip, undefined ones as ?");
    return 0;
}
