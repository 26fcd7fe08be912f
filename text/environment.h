// What the process learns from its environment: variables, and the user's home directory.
#pragma once

#include <string>

// The variable's value, empty when it is unset.
std::string EnvironmentValue(const char* name);

// $HOME when it is set, else the home directory of the user's account entry; empty when neither is known.
std::string HomeDirectory();
