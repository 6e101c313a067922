#include "platform/CCommandLineInfo.h"

void CCommandLineInfo::Parse(int argc, const char* const* argv) {
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        std::string argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.size() > 1 && argument[0] == '-') continue;
        if (argument.empty()) continue;
        shellCommand = FileOpen;
        fileName = argument;
        return;
    }
}
