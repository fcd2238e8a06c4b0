// SPDX-License-Identifier: MIT
#pragma once
// One worker thread for start-up work that can run beside the user-interface thread (reading the
// font database, decoding pictures ahead of need). Qt's global thread pool is left free: the raster
// engine splits large image operations over it and waits for them.

#include <functional>

// Queues `work`; queued work runs in order.
void RunInBackground(std::function<void()> work);
// Waits until all queued work is done (before the application object goes).
void FinishBackgroundWork();
// Reads the font database on the worker while the program sets itself up.
void ReadFontDatabaseInBackground();
