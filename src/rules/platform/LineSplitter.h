// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The line reader behind Files::readLines, for the disk and the in-memory
// files alike.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Cuts a stream of bytes into lines: CR, CR LF and lone LF end a line.
class LineSplitter {
public:
    LineSplitter(const std::function<bool(std::string_view)>& out, size_t maxLine) : out_(out), max_(maxLine) {}

    // Returns false once the reader asked to stop.
    bool feed(std::string_view chunk)
    {
        size_t i = 0;
        while (i < chunk.size()) {
            if (afterCr_) {
                afterCr_ = false;
                if (chunk[i] == '\n') {
                    ++i;
                    continue;
                }
            }
            // Take the run up to the next line end in one piece.
            size_t end = i;
            while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n') ++end;
            if (end < chunk.size() && line_.empty()) {
                // The whole line lies in this chunk: hand it over without a copy.
                afterCr_ = chunk[end] == '\r';
                bool go = out_(chunk.substr(i, std::min(end - i, max_)));
                open_ = false;
                i = end + 1;
                if (!go) return false;
                continue;
            }
            if (end > i) {
                if (line_.size() < max_) line_.append(chunk.substr(i, std::min(end - i, max_ - line_.size())));
                open_ = true;
            }
            if (end == chunk.size()) break;
            afterCr_ = chunk[end] == '\r';
            i = end + 1;
            if (!emit()) return false;
        }
        return true;
    }
    void finish()
    {
        if (open_) emit();
    }

private:
    bool emit()
    {
        open_ = false;
        bool go = out_(line_);
        line_.clear();
        return go;
    }
    const std::function<bool(std::string_view)>& out_;
    size_t max_;
    std::string line_;
    bool afterCr_ = false;
    bool open_ = false;
};
