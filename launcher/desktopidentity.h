#pragma once

// Lets the desktop match the launcher's windows to its menu entry and icon:
// the entry's id at once (on Wayland it is each window's app id), and the
// window icon (which X11 docks and task bars take from each window) once the
// first window has shown its first frame, so that decoding the icon holds no
// window up. Call after the application object is made, before any window.
void SetDesktopIdentity();
