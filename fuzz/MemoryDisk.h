#pragma once
// One file in memory, for feeding fuzz input to the readers.
#include "platform/Files.h"

#include <map>

class MemoryDisk : public Files {
public:
    std::map<std::string, std::string> files; // lower-case name -> bytes
    static std::string key(std::string n)
    {
        for (char& c : n) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return n;
    }
    bool exists(const std::string& name) override { return files.count(key(name)) != 0; }
    FileError readLines(const std::string& name, const std::function<bool(std::string_view)>& line,
                        size_t maxLine = 4096) override
    {
        auto it = files.find(key(name));
        if (it == files.end()) return FileError::NotFound;
        splitLines(it->second, line, maxLine);
        return FileError::None;
    }
    FileError rewrite(const std::string& name, const std::vector<std::string>& lines) override
    {
        std::string t;
        for (auto& l : lines) t += l + "\r\n";
        files[key(name)] = t;
        return FileError::None;
    }
    FileError touch(const std::string& name) override
    {
        files.emplace(key(name), "");
        return FileError::None;
    }
};
