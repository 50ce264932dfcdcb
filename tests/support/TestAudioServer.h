#pragma once

// The sound server of tests/services.sh, for a test that takes it away from the code under
// test and brings it back. The server started again runs on for the tests that follow; the
// run stops it at its end. Each waits, at most `timeoutMs`, until the change has happened.
class TestAudioServer
{
public:
    // Ends the server that runs now. False when none ran or it did not end in time.
    static bool stop(int timeoutMs);
    // Starts one with the run's own arguments. False when it did not answer in time.
    static bool start(int timeoutMs);
    // Whether a server answers now.
    static bool answers();
};
