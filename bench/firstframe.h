#pragma once

class QWidget;

// Once window has painted its first frame, prints the monotonic clock in
// nanoseconds and the peak resident memory in KiB ("frame <ns> <kib>") and
// ends the process at once, so nothing after start-up is measured.
void ReportFirstFrame(QWidget *window);
