// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace wave {

// Keeps windows that are shown again and again from growing the application's memory.
//
// Qt links a window to the application each time it becomes the focus window and unlinks it
// when another window takes over. A dialog whose native window goes away while it has the
// focus, as a modal one does when it closes, loses the focus without the unlink, so every
// opening of a window that lives as long as the program left one more link behind (about
// 100 bytes), and the next focus change never unlinks them all. From the first call on,
// every change of the focus window leaves exactly one link: the focus window's own.
void dropStaleFocusLinks();

} // namespace wave
