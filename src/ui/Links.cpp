#include "ui/Links.h"

std::string documentationMissingMessage()
{
    return std::string("La documentazione (") + DocumentationFile +
           ") non si trova nella cartella del gioco.";
}

std::string documentationFailedMessage()
{
    return std::string("Impossibile aprire la documentazione (") + DocumentationFile +
           "): nessun programma associato alle pagine HTML.";
}

std::string webSiteFailedMessage()
{
    return std::string("Impossibile aprire il sito dell'autore (") + WebSiteAddress +
           "): nessun browser disponibile.";
}

std::string mailFailedMessage()
{
    return std::string("Impossibile aprire il programma di posta per scrivere a ") + MailAddress + ".";
}

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
