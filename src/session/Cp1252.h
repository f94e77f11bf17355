#pragma once
#include <string>

// Upper case in code page 1252: a-z, the accented letters and the few extra
// letters of 0x80..0x9F; the sharp s and y with diaeresis keep their form
// where the code page has no capital.
std::string upperCp1252(std::string s);
std::string trimBlanks(const std::string& s); // leading and trailing spaces only
