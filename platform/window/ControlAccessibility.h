// SPDX-License-Identifier: MIT
#pragma once
// What assistive technologies (AT-SPI, read by screen readers) learn about the layer's controls:
// a check box or radio button drawn as a push button reports what it is and whether it is
// checked; a button's name is its accessible name when one is set, else its text; a static
// control is a label with its text.

// Installs the interface factory; called when the first control is made.
void InstallControlAccessibility();
