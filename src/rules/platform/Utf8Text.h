// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Text files that a Linux editor saved in UTF-8. Inside the game text is one
// byte per character in code page 1252; a file that is wholly valid UTF-8
// and holds at least one multi-byte sequence (which an Italian cp1252 file
// never is in practice) is turned into that code page as it is read.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// How many bytes at the start are plain ASCII (below 0x80). Eight at a time:
// a 10 MB word list is mostly ASCII.
inline size_t asciiPrefix(std::string_view bytes)
{
    const char* p = bytes.data();
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        if (word & 0x8080808080808080ull) break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(p[i]) < 0x80) ++i;
    return i;
}

// Checks bytes, fed in pieces, for well-formed UTF-8: no stray continuation
// bytes, no overlong forms, no surrogates, nothing beyond U+10FFFF.
class Utf8Check {
public:
    // False once the bytes so far cannot be UTF-8.
    bool feed(std::string_view bytes);
    // All bytes fed are UTF-8, the last sequence complete.
    bool whole() const { return valid_ && need_ == 0; }

private:
    bool valid_ = true;
    int need_ = 0; // continuation bytes still to come
    unsigned char lo_ = 0x80, hi_ = 0xBF;
};

// Turns UTF-8, fed in pieces, into code page 1252: a character the code page
// lacks becomes '?', and so does a broken sequence. A byte order mark at the
// very start of the file is dropped.
class Utf8ToCp1252 {
public:
    explicit Utf8ToCp1252(bool atFileStart) : first_(atFileStart) {}
    void feed(std::string_view bytes, std::string& out);

private:
    void put(char32_t c, char*& o);
    // Where no sequence is open: ASCII runs and two-byte sequences whole.
    // False when the byte at p needs the slow path.
    bool quickStep(const char*& p, const char* end, char*& o);
    // A byte of the open sequence; false when it cannot belong to it.
    bool continueSequence(unsigned char c, char*& o);
    void startSequence(unsigned char c, char*& o);

    bool first_;
    int need_ = 0;
    char32_t code_ = 0;
};

// The text is wholly UTF-8 and holds a multi-byte sequence.
bool readsAsUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view bytes);
