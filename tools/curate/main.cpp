#include <cstdio>

#include "tools/curate/Curate.h"

int main(int argc, char** argv) { return orv::runCurate(argc, argv, stdout, stderr); }
