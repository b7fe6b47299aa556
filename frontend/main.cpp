// Program entry of Vesmok.
#include "frontend/demarrage.h"

int main(int argc, char** argv) { return vesmok(argc, argv); }
