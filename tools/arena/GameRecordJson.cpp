// SPDX-License-Identifier: MIT
#include "tools/arena/GameRecordJson.h"

#include "core/NumberRange.h"

#include <charconv>
#include <span>

namespace {

void AppendNumber(std::string& json, std::int32_t number) {
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    json.append(digits.data(), result.ptr);
}

void AppendArray(std::string& json, std::span<const std::int32_t> numbers) {
    json += '[';
    for (std::size_t index = 0; index < numbers.size(); ++index) {
        if (index > 0) {
            json += ',';
        }
        AppendNumber(json, numbers[index]);
    }
    json += ']';
}

}  // namespace

std::string GameRecordJson(const SelfPlayRecord& record, const GameState& state, const GameSettings& settings) {
    std::string json = "{\"range\":";
    AppendNumber(json, RangeIndex(settings.rangeLow, settings.rangeHigh));
    json += ",\"players\":";
    AppendArray(json, std::array<std::int32_t, 2>{settings.playerKind[0], settings.playerKind[1]});
    json += ",\"first\":";
    AppendNumber(json, record.first);
    json += ",\"numbers\":";
    AppendArray(json, state.cellNumber);

    json += ",\"moves\":[";
    for (std::int32_t move = 0; move < record.moveCount; ++move) {
        const BoardCell& cell = record.moves[static_cast<std::size_t>(move)];
        if (move > 0) {
            json += ',';
        }
        AppendArray(json, std::array<std::int32_t, 2>{cell.col, cell.row});
    }

    json += "],\"lines\":[";
    for (std::int32_t index = 0; index < state.lineCount; ++index) {
        const ScoredLine& line = state.lines[static_cast<std::size_t>(index)];
        if (index > 0) {
            json += ',';
        }
        AppendArray(json, std::array<std::int32_t, 8>{line.player, line.col[0], line.col[1], line.col[2], line.row[0],
                                                      line.row[1], line.row[2], line.sum});
    }

    json += "],\"score\":";
    AppendArray(json, state.score);
    json += "}\n";
    return json;
}
