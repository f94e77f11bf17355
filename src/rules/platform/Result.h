// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// How a layer below the windows tells of a failure: an error kind, and with
// it the value when the operation makes one. Nothing below the windows words
// a message; the window that asked turns the kind into the text the player
// reads.

// Never ignored: a call that returns an error kind is either checked or
// passed on. (clang-format 14 and 19 space the attribute's line differently,
// so it is left as it stands.)
// clang-format off
enum class [[nodiscard]] Error {
    // clang-format on
    None,
    // Files.
    NotFound,    // no file of that name (a folder of that name counts as none)
    Unreadable,  // the file is there but cannot be read
    Unwritable,  // the file or its folder cannot be written
    Busy,        // another copy of the game kept the file locked too long
    DiskFull,    // no room left on the disk, or no free inodes, or the quota used up
    ForeignLink, // a link another user planted in a folder others may write
    NotAFile,    // a pipe, a device or a socket of that name
    NotAFolder,  // a file stands where a folder of the path should be
    // Pictures.
    FileTooLarge, // larger than any picture of ours, or a settings or
                  // records file far past what the game ever writes
    TooShort,     // empty, or too short for a metafile
    NotAMetafile,
    BadHeader,
    BadSize,       // the picture's own size makes no sense
    ImageTooLarge, // wider or taller than we draw
    Truncated,
    Damaged,    // a record that contradicts itself
    TooComplex, // would take too long to draw
    NoMemory,
};

template <typename T> struct [[nodiscard]] Result {
    T value{};
    Error error = Error::None;
    bool ok() const { return error == Error::None; }
};
