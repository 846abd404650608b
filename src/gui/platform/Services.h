#pragma once

#include <QStringList>
#include <filesystem>

#include "online/OnlineAddresses.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Downloader.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

// What the main window needs from the world outside it: the platform services
// (real ones in the program, fakes in tests), the program folder, the folder
// of the files the program writes and the command-line parameters.
struct Services {
    quill::Registry& registry;
    quill::Shell& shell;
    quill::Messages& messages;
    quill::Clock& clock;
    std::filesystem::path programFolder;  // catalogue, pictures, exchange rates
    // The last order, data\, txt\, xls\, html\, pdf\ and update.ini: the answer
    // of WrittenFilesFolder(), the program folder itself in a writable copy.
    std::filesystem::path writtenFolder;
    QStringList parameters;  // the command line without the program itself
    quill::FileDialogs& fileDialogs;
    quill::Clipboard& clipboard;
    quill::Printer& printer;
    quill::Downloader& downloader;
};

using quill::kMakerSupportEmail;
using quill::kMakerWebAddress;
