// The torvane executable: the whole shell lives in its library.
#include "services/shell.h"

int main(int argc, char** argv) { return torvane::ShellMain(argc, argv); }
