// SPDX-License-Identifier: MIT
#pragma once
// The text caret stops blinking after ten seconds without keyboard or mouse input and stays shown,
// as the GNOME desktop's does: a name or answer box left with the focus costs nothing while the
// player is away. The next key, click or focus change starts it blinking again.

// Takes effect for the whole program from the first call on.
void LimitCaretBlinking();
