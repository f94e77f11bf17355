#include "session/Cp1252.h"

std::string upperCp1252(std::string s)
{
    for (char& ch : s) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') c -= 32;
        else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c -= 32;
        else if (c == 0x9A || c == 0x9C || c == 0x9E) c -= 16; // s, oe, z with caron
        else if (c == 0xFF) c = 0x9F;                          // y with diaeresis
        ch = static_cast<char>(c);
    }
    return s;
}

std::string trimBlanks(const std::string& s)
{
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}
