#pragma once

// Ends the process with `status` once everything of the application's own has been saved and
// closed, without the libraries' teardown. Qt's sound system closes its connection to the
// sound server from a library destructor while its own thread may still be reading from that
// connection, and now and then the process crashes on its way out (a session ending just as a
// break's sound starts). Nothing the user keeps depends on that teardown.
[[noreturn]] void endProcess(int status);
