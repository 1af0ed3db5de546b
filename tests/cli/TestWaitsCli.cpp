#include "cli/CliProgram.h"

#include "support/TestWaits.h"

// qv3307-cli with the suites' own link waits (TestWaits::Prompt), which the sanitizer build
// runs in place of the program: there the real waits are too short for a prompt simulated
// radio on a busy machine. Everything else is the program's own.
int main(int argc, char* argv[])
{
    return CliProgram::main(argc, argv, TestWaits::Prompt);
}
