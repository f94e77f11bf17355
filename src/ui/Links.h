#pragma once
// The documentation beside the program and the maker's web and mail
// addresses, opened with the desktop's associated application. A failure is
// told in a message box and the game goes on.

#include "platform/Platform.h"

#include <string>

inline constexpr const char* DocumentationFile = "LEXORDA.htm";
inline constexpr const char* WebSiteAddress = "https://parolix.example.org";
inline constexpr const char* WebSiteText = "parolix.example.org";
inline constexpr const char* MailAddress = "autore@parolix.example.org";
inline constexpr const char* LinkFailedTitle = "Parolix";

void openDocumentation(Platform& platform);
void openWebSite(Platform& platform);
void writeMailToAuthor(Platform& platform);

// The messages shown when the documentation, the site or the mail program
// cannot be opened (code page 1252).
std::string documentationMissingMessage();
std::string documentationFailedMessage();
std::string webSiteFailedMessage();
std::string mailFailedMessage();
