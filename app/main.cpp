// Zorvat Oto B2B: the ordering client, with the fixed values of its build.
#include "app/program.h"

int main() { return zorvat::ProgramiCalistir(zorvat::ProgramOrtami()); }
