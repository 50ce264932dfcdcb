#pragma once

// Started with standard input, output or error closed (`lumenpause 2>&-`), the process would
// hand the free number to the next file or socket it opens, and every log line would land in
// that file or in the X server's connection. Each closed one is opened on /dev/null instead.
// Runs before anything opens a file.
void fillClosedStandardDescriptors();
