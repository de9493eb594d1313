#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs one quarvin-cli command line (without the program name); returns the exit status:
// 0 success, 1 refused input or "nothing done" outcome, 2 usage error.
int EseguiRigaComando(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);
