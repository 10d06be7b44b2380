#pragma once

#include <string>

// One profile written by callgrind: what triggered it (a client request's name, or the end
// of the program) and the instructions it collected.
struct CallgrindDump
{
    std::string trigger;
    double instructions = -1; // -1 when the file holds no summary
};

CallgrindDump readCallgrindDump(const std::string& path);
