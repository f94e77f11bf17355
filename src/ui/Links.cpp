#include "ui/Links.h"

#include "ui/Messages.h"

void openDocumentation(Platform& platform)
{
    // The desktop would not tell us about a missing file, only about a
    // missing viewer, so look for it first.
    if (!platform.files.exists(DocumentationFile)) {
        platform.dialogs.message(documentationMissingMessage(), LinkFailedTitle);
        return;
    }
    if (!platform.shell.openDocument(platform.folder + "/" + DocumentationFile))
        platform.dialogs.message(documentationFailedMessage(), LinkFailedTitle);
}

void openWebSite(Platform& platform)
{
    if (!platform.shell.openUrl(WebSiteAddress))
        platform.dialogs.message(webSiteFailedMessage(), LinkFailedTitle);
}

void writeMailToAuthor(Platform& platform)
{
    if (!platform.shell.openUrl(std::string("mailto:") + MailAddress))
        platform.dialogs.message(mailFailedMessage(), LinkFailedTitle);
}
