// SPDX-License-Identifier: MIT
#include "tools/arena/ArenaArguments.h"

#include <charconv>

namespace {

// A whole decimal number within [low, high], nothing else.
template <typename Number>
std::optional<Number> ParseNumber(std::optional<std::string_view> text, Number low, Number high) {
    if (!text) {
        return std::nullopt;
    }
    Number value{};
    const char* const end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc{} || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<ArenaArguments> ParseArenaArguments(std::span<const std::string_view> arguments) {
    std::optional<std::string_view> seed, games, kind1, kind2, range;
    bool summary = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view option = arguments[index];
        if (option == "--summary" && !summary) {
            summary = true;
            continue;
        }
        std::optional<std::string_view>* const value = option == "--seed"    ? &seed
                                                       : option == "--games" ? &games
                                                       : option == "--p1"    ? &kind1
                                                       : option == "--p2"    ? &kind2
                                                       : option == "--range" ? &range
                                                                             : nullptr;
        if (value == nullptr || value->has_value() || index + 1 == arguments.size()) {
            return std::nullopt;
        }
        *value = arguments[++index];
    }

    const auto parsedSeed = ParseNumber<std::uint32_t>(seed, 0, UINT32_MAX);
    const auto parsedGames = ParseNumber<std::uint64_t>(games, 1, UINT64_MAX);
    const auto parsedKind1 = ParseNumber<std::int32_t>(kind1, Novice, Expert);
    const auto parsedKind2 = ParseNumber<std::int32_t>(kind2, Novice, Expert);
    const auto parsedRange = ParseNumber<std::int32_t>(range, Range0To10, RangeMinus25To25);
    if (!parsedSeed || !parsedGames || !parsedKind1 || !parsedKind2 || !parsedRange) {
        return std::nullopt;
    }
    return ArenaArguments{*parsedSeed,
                          *parsedGames,
                          static_cast<OpponentKind>(*parsedKind1),
                          static_cast<OpponentKind>(*parsedKind2),
                          static_cast<NumberRange>(*parsedRange),
                          summary};
}
