#include "ui/Program.h"

int main(int argc, char* argv[])
{
    return orbanil::runProgram(argc, argv);
}
