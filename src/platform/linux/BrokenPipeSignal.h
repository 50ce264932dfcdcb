#pragma once

// A write to a pipe whose reader has gone (a log piped into `grep` that ended) raises SIGPIPE,
// which by default ends the process. Ignored, the write fails with EPIPE instead and the
// writer decides; for a break reminder a lost log line must never cost the breaks.
void ignoreBrokenPipeSignal();
