#pragma once

// What qv3307-cli tells its caller, so that a script can tell a radio that differs from
// its file from one that could not be reached.
enum class ExitStatus : int {
    Done = 0,
    Differences = 1,     // verify, diff, or a write whose read-back differs
    Usage = 2,           // the command line is wrong
    PortUnavailable = 3, // the port cannot be opened
    TransferFailed = 4,  // the radio did not answer, or the transfer (or read-back) failed
    FileProblem = 5,     // a file cannot be read or written, or is not a channel file
    Interrupted = 130,   // Ctrl+C, SIGTERM or SIGHUP, as a shell reports a program SIGINT ended
};
