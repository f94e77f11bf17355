// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// What Qt does not say about an X session manager's save request: whether it
// comes for a shutdown (a logout) or is a checkpoint, and when a shutdown is
// cancelled. Qt's commitDataRequest comes for both kinds of save alike.

#include <functional>

namespace sessionshutdown {

// Whether the save request being answered is known to be a checkpoint: the
// session goes on. False for a shutdown, and whenever it cannot be known
// (no X session manager reached through Qt's own connection).
bool checkpoint();

// Called, later, from the event loop, when the session manager cancels a
// shutdown it had asked to save for.
void onShutdownCancelled(std::function<void()> cancelled);

} // namespace sessionshutdown
