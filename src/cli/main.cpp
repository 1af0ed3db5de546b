#include "cli/CliProgram.h"

int main(int argc, char* argv[])
{
    return CliProgram::main(argc, argv);
}
