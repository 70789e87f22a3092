#pragma once

// RunCommandLine's answer when the command line holds none of the
// launcher's own options: start the window as usual.
constexpr int StartWindow = -1;

// Parses the launcher's options before anything else is set up. Qt's own
// options for GUI programs (-platform, -style, -reverse, ...) are accepted
// and left in argv for the window. With an option of the launcher's own it
// does what that asks on a core application, which needs no display, reads
// the profiles without showing or moving anything and never contacts a
// running launcher, and returns the exit status: 0 done, 1 a start or the
// configuration failed, 2 a wrong command line or an unknown profile.
int RunCommandLine(int argc, char *argv[]);

// Says on standard error that a start gave up on a running launcher that
// neither answered nor ended.
void ComplainNoAnswer();
