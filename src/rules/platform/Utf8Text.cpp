// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/Utf8Text.h"

#include "session/Cp1252.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// How many bytes at the start are plain ASCII (below 0x80), eight at a time:
// a word list is mostly ASCII.
size_t asciiPrefix(std::string_view bytes)
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
// very start of the file is dropped. A letter written decomposed (a base and
// a combining mark) becomes the code page's one letter, as Unicode's
// composition (NFC) would make it first.
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
    const char* start_ = nullptr; // the output's first byte
    int need_ = 0;
    char32_t code_ = 0;
};

bool Utf8Check::feed(std::string_view bytes)
{
    size_t i = 0;
    while (valid_ && i < bytes.size()) {
        if (need_ == 0) {
            i += asciiPrefix(bytes.substr(i));
            if (i == bytes.size()) break;
        }
        const unsigned char c = static_cast<unsigned char>(bytes[i++]);
        if (need_ > 0) {
            if (c < lo_ || c > hi_) valid_ = false;
            lo_ = 0x80;
            hi_ = 0xBF;
            --need_;
            continue;
        }
        // The lead byte tells the length and narrows the next byte's range:
        // no overlong forms, no surrogates, nothing past U+10FFFF.
        if (c >= 0xC2 && c <= 0xDF) {
            need_ = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            need_ = 2;
            if (c == 0xE0) lo_ = 0xA0;
            if (c == 0xED) hi_ = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            need_ = 3;
            if (c == 0xF0) lo_ = 0x90;
            if (c == 0xF4) hi_ = 0x8F;
        } else {
            valid_ = false;
        }
    }
    return valid_;
}

void Utf8ToCp1252::put(char32_t c, char*& o)
{
    const bool first = first_;
    first_ = false;
    if (first && c == 0xFEFF) return; // the byte order mark some editors write
    if (c >= 0x0300 && c <= 0x036F && o > start_) {
        // A combining mark after a letter: the letter it makes, if the code page has it.
        if (const int k = composeCp1252(static_cast<unsigned char>(o[-1]), c); k >= 0) {
            o[-1] = static_cast<char>(k);
            return;
        }
    }
    const int b = unicodeToCp1252(c);
    *o++ = b < 0 ? '?' : static_cast<char>(b);
}

bool Utf8ToCp1252::quickStep(const char*& p, const char* end, char*& o)
{
    // Runs of ASCII in one copy, and the two-byte sequences of the accented
    // letters in one step: a big list stays quick to read.
    const size_t run = asciiPrefix(std::string_view(p, static_cast<size_t>(end - p)));
    if (run > 0) {
        std::memcpy(o, p, run);
        o += run;
        p += run;
        first_ = false;
        return true;
    }
    const unsigned char c = static_cast<unsigned char>(*p);
    if ((c & 0xE0) == 0xC0 && end - p >= 2 && (static_cast<unsigned char>(p[1]) & 0xC0) == 0x80) {
        put(static_cast<char32_t>(((c & 0x1F) << 6) | (static_cast<unsigned char>(p[1]) & 0x3F)), o);
        p += 2;
        return true;
    }
    return false;
}

bool Utf8ToCp1252::continueSequence(unsigned char c, char*& o)
{
    if ((c & 0xC0) == 0x80) {
        code_ = (code_ << 6) | (c & 0x3F);
        if (--need_ == 0) put(code_, o);
        return true;
    }
    // A sequence cut short (the file changed under us): mark it; the caller
    // reads this byte afresh.
    *o++ = '?';
    need_ = 0;
    return false;
}

void Utf8ToCp1252::startSequence(unsigned char c, char*& o)
{
    if ((c & 0xE0) == 0xC0) {
        need_ = 1;
        code_ = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        need_ = 2;
        code_ = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        need_ = 3;
        code_ = c & 0x07;
    } else {
        *o++ = '?';
        first_ = false;
    }
}

void Utf8ToCp1252::feed(std::string_view bytes, std::string& out)
{
    // Never more bytes out than in, and one '?' for a sequence a previous
    // piece left cut short.
    const size_t at = out.size();
    out.resize(at + bytes.size() + 1);
    start_ = out.data();
    char* o = out.data() + at;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        if (need_ == 0 && quickStep(p, end, o)) continue;
        const unsigned char c = static_cast<unsigned char>(*p++);
        if (need_ > 0) {
            if (!continueSequence(c, o)) --p;
            continue;
        }
        startSequence(c, o);
    }
    out.resize(static_cast<size_t>(o - out.data()));
}

} // namespace

bool readsAsUtf8(std::string_view bytes)
{
    const size_t ascii = asciiPrefix(bytes);
    Utf8Check check;
    return ascii < bytes.size() && check.feed(bytes.substr(ascii)) && check.whole();
}

std::string utf8ToCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    Utf8ToCp1252(true).feed(bytes, out);
    return out;
}
