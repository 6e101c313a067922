#include "support/PrintableName.h"

std::string PrintableName(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string name;
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= 'a' && byte <= 'z')) {
            name += c;
        } else {
            name += '_';
            name += kHex[byte >> 4];
            name += kHex[byte & 0x0F];
        }
    }
    return name.empty() ? "_" : name;  // "_" alone never comes from a text
}
