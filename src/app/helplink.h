// Links to the help pages that come with the program. A language file or the About dialog names a
// page by "help:" and the page's path below the help folder, with an anchor where wanted
// ("help:de/derivative.html#limit"). Such a link opens the page as a local file, so it works
// without a network: from the folder "help" beside the program (a build tree, a copy run from its
// folder), otherwise from the installed shared data, <share>/kyvelo/help.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

struct HelpFolders {
    QStringList Folders;                        // looked in, in this order
    std::function<bool(const QString&)> Exists; // whether that file is there
};

// The file URL of a help link's page in the first folder that has it, or in the last folder when
// none has it (the browser then names the missing file); empty, and said on stderr, when the page's
// cleaned path leaves the help folder. Any other link, one that does not begin
// with "help:" in any letter case, comes back unchanged.
QString resolveHelpLink(const QString& link, const HelpFolders& help);

// The same for every link of an HTML text: each href attribute, in double or single quotes, that
// holds a help link holds its file URL afterwards.
QString resolveHelpLinks(const QString& html, const HelpFolders& help);

// The two folders on this machine for the program in programFolder.
HelpFolders systemHelpFolders(const QString& programFolder);
