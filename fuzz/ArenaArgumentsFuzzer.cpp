// SPDX-License-Identifier: MIT
// quinsum-arena's command line from arbitrary bytes, NUL-separated as the kernel passes it. Whatever
// is accepted is within the documented limits and reads the same when written out again.

#include "fuzz/FuzzSupport.h"
#include "tools/arena/ArenaArguments.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool Same(const ArenaArguments& a, const ArenaArguments& b) {
    return a.seed == b.seed && a.games == b.games && a.kind1 == b.kind1 && a.kind2 == b.kind2 && a.range == b.range &&
           a.summary == b.summary;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> arguments = SplitArguments({reinterpret_cast<const char*>(data), size});
    const std::optional<ArenaArguments> parsed = ParseArenaArguments(arguments);
    if (!parsed) {
        return 0;
    }
    Require(parsed->games >= 1, "at least one game");
    Require(parsed->kind1 >= Novice && parsed->kind1 <= Expert && parsed->kind2 >= Novice && parsed->kind2 <= Expert,
            "computer kinds 1..3");
    Require(parsed->range >= Range0To10 && parsed->range <= RangeMinus25To25, "ranges 0..3");

    // Written out in another order, the accepted command line reads the same.
    const std::vector<std::string> rewritten{
        "--range", std::to_string(parsed->range), "--p2",    std::to_string(parsed->kind2),
        "--p1",    std::to_string(parsed->kind1), "--games", std::to_string(parsed->games),
        "--seed",  std::to_string(parsed->seed)};
    std::vector<std::string_view> again(rewritten.begin(), rewritten.end());
    if (parsed->summary) {
        again.insert(again.begin(), "--summary");
    }
    const std::optional<ArenaArguments> reparsed = ParseArenaArguments(again);
    Require(reparsed && Same(*reparsed, *parsed), "the accepted arguments read the same when written out");
    return 0;
}
