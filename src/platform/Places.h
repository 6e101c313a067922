#pragma once

#include <cstdint>
#include <string>

// The per-user application-data folder: $XDG_DATA_HOME when it is an absolute
// path, otherwise $HOME/.local/share. No trailing slash. May not exist yet.
std::string UserDataFolder();

// The folder of the running executable, without a trailing slash.
std::string ExecutableFolder();

// Milliseconds since the system started, wrapped to a signed 32-bit number.
int32_t TickCount();

// The low 32 bits of a millisecond count, read as a signed number.
int32_t WrapTickCount(uint64_t milliseconds);
