#pragma once

#include <QApplication>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Downloader.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "platform/Registry.h"
#include "platform/Shell.h"

// Services that answer without a screen: nothing in these runs asks a
// question, and a file dialog answers the file it was given (or cancels).
struct QuietRegistry : quill::Registry {
    std::string shared;
    bool KeyExists(const std::string&) override { return true; }
    std::optional<std::string> ReadString(const std::string&, const std::string&) override {
        return shared;
    }
    void WriteString(const std::string&, const std::string&, const std::string&) override {}
    void DeleteValue(const std::string&, const std::string&) override {}
    std::vector<std::string> SubKeys(const std::string&) override { return {}; }
    // A spreadsheet program is there, so that every export is offered.
    bool ClassKeyExists(const std::string&) override { return true; }
};
struct QuietShell : quill::Shell {
    void Open(const std::string&) override {}
    bool HasApplicationFor(const std::string&) override { return true; }
};
struct QuietMessages : quill::Messages {
    int boxes = 0;         // the notes and questions that came up
    bool confirm = false;  // the answer to a Yes or No question
    void Warning(const std::string&) override { ++boxes; }
    void Error(const std::string&) override { ++boxes; }
    void Information(const std::string&) override { ++boxes; }
    Answer AskToSave(const std::string&) override { return ++boxes, Answer::No; }
    bool Confirm(const std::string&) override { return ++boxes, false; }
    bool ConfirmWarning(const std::string&) override { return confirm || (++boxes, false); }
    Reply AskWithCheckBox(const std::string&, const std::string&, const std::string&,
                          Gap) override {
        return ++boxes, Reply{};
    }
    void Beep() override {}
    void Asterisk() override {}
};
struct QuietDownloader : quill::Downloader {
    bool IsConnected() override { return false; }
    quill::DownloadOutcome Download(const quill::DownloadRequest&) override {
        return {quill::DownloadOutcome::Kind::kConnection};
    }
    void Pause(int, const std::string&) override {}
};
struct FixedClock : quill::Clock {
    quill::Date Today() const override { return {2026, 12, 7}; }
};
struct QuietFileDialogs : quill::FileDialogs {
    std::optional<std::filesystem::path> answer;
    std::optional<std::filesystem::path> OpenFile(const quill::FileDialogRequest&) override {
        return answer;
    }
    std::optional<std::filesystem::path> SaveFile(const quill::FileDialogRequest&) override {
        return answer;
    }
};

struct QuietClipboard : quill::Clipboard {
    void SetText(const std::string&) override {}
};
struct QuietPrinter : quill::Printer {
    bool ChoosePrinter() override { return false; }
    void Print(const std::string&,
               const std::function<void(quill::DrawingSurface&, int)>&) override {}
};

inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "quillroute_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}
