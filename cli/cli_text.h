// The command line's own texts (context "Cli" of the translations), in the
// user's language.
#pragma once

#include <string>
#include <vector>

// `english` translated, its %1, %2, ... filled with `fields` as bytes (file
// names need not be UTF-8).
std::string Tr(const char* english, const std::vector<std::string>& fields = {});
