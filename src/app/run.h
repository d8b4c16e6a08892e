#pragma once

#include "shell/edition.h"

namespace bw {
int RunProgram(int argc, char** argv, Edition edition);
}
