#include "app/run.h"

int main(int argc, char** argv) { return bw::RunProgram(argc, argv, bw::Edition::Autor); }
