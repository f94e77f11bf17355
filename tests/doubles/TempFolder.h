// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// A folder of its own under /tmp for one test, removed afterwards.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <string>
#include <system_error>
#include <thread>
#ifdef _WIN32
#include <process.h>
#endif

struct TempFolder {
    std::filesystem::path path;
    TempFolder()
    {
#ifdef _WIN32
        // No mkdtemp: the process and a count make the name, made new or tried again.
        static int count = 0;
        std::error_code ec;
        do
            path = std::filesystem::temp_directory_path() /
                   ("parolix-test-" + std::to_string(_getpid()) + "-" + std::to_string(++count));
        while (!std::filesystem::create_directory(path, ec) && !ec);
#else
        char tmpl[] = "/tmp/parolix-test-XXXXXX";
        path = mkdtemp(tmpl);
#endif
    }
    ~TempFolder()
    {
        // Windows keeps a folder a moment after the process that worked in
        // it has ended; a folder that stays is left, not thrown over.
        std::error_code ec;
        for (int i = 0; i < 100 && (std::filesystem::remove_all(path, ec), ec); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
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
