// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Links.h"

#include "session/Cp1252.h"
#include "ui/Messages.h"

void openDocumentation(Platform& platform)
{
    // The desktop would not tell us about a missing file, only about a
    // missing viewer, so look for it first. It gets the name as spelt on
    // disk: a file saved as "lexorda.htm" is not found as "LEXORDA.htm".
    const std::string path = platform.files.pathOf(DocumentationFile);
    if (path.empty()) {
        platform.dialogs.message(documentationMissingMessage(), LinkFailedTitle);
        return;
    }
    if (!platform.shell.openDocument(path)) platform.dialogs.message(documentationFailedMessage(), LinkFailedTitle);
}

void openWebSite(Platform& platform)
{
    if (!platform.shell.openUrl(WebSiteAddress)) platform.dialogs.message(webSiteFailedMessage(), LinkFailedTitle);
}

void writeMailToAuthor(Platform& platform)
{
    if (!platform.shell.openUrl(joined({"mailto:", MailAddress})))
        platform.dialogs.message(mailFailedMessage(), LinkFailedTitle);
}
