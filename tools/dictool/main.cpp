#include <cstdio>

#include "tools/dictool/DicTool.h"

int main(int argc, char** argv) { return orv::runDicTool(argc - 1, argv + 1, stdin, stdout, stderr); }
