// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A folder of its own under /tmp for one test, removed afterwards.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <string>

struct TempFolder {
    std::filesystem::path path;
    TempFolder()
    {
        char tmpl[] = "/tmp/parolix-test-XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};
