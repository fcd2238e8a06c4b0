// SPDX-License-Identifier: MIT
#pragma once

// Lets the windows repaint while the interface thread waits for something outside the program
// (another program's lock on a file): the window system's events and what they post are handled,
// but no input and no timer, so that nothing the player or the game does starts in the middle.
void PaintWhileWaiting();
