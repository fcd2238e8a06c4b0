// SPDX-License-Identifier: MIT
#pragma once

// Wave resources the rules play.
inline constexpr unsigned kLineCompletedSound = 306;
inline constexpr unsigned kClickSound = 303;
