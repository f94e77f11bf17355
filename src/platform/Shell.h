#pragma once
#include <string>

// Opens a document beside the program, a web address or a mail address with
// the desktop's associated application, without waiting for it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openDocument(const std::string& path) = 0;
    virtual bool openUrl(const std::string& url) = 0;
};

class QtShell : public Shell {
public:
    bool openDocument(const std::string& path) override;
    bool openUrl(const std::string& url) override;
};
