#pragma once

class QWidget;

// Once window has painted its first frame, prints the monotonic clock in
// nanoseconds, the peak resident memory in KiB and the processor time used
// in microseconds, user and system ("frame <ns> <kib> <us>"), and
// ends the process at once, so nothing after start-up is measured.
void ReportFirstFrame(QWidget *window);
