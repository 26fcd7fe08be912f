// Why a file could not be written, said in German for the messages of the window and lineato-batch.
#pragma once

#include <string>

// A short German sentence (UTF-8) for the errno of a failed ReplaceFile: a full disk, a read-only
// disk, missing permission, a missing directory, a name that is a directory, ...
std::string WriteErrorReason(int error);
