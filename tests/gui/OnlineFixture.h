#pragma once

// The main window with the maker's servers played by a loopback HTTP server
// that the test starts: the update server's folder "/updates/" and the web
// site's news pages.

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QTest>
#include <QTextBlock>
#include <fstream>

#include "../support/LoopbackHttpServer.h"
#include "OrderFixture.h"
#include "controls/ComboBox.h"
#include "controls/RadioGroup.h"
#include "online/News.h"
#include "online/OnlineAddresses.h"
#include "online/QuickUpdate.h"
#include "online/TNewsDlg.h"
#include "online/TQuickUpdateDlg.h"
#include "online/TfrmNews.h"
#include "online/TfrmUpdate.h"
#include "pricing/PricingDate.h"

namespace wizard {

inline constexpr const char* kUpdateKey = "\\Software\\Orlenk\\QuickUpdate";
inline constexpr const char* kNewsKey = "\\Software\\Orlenk\\News";

class OnlineFixture : public OrderFixture {
  protected:
    void SetUp() override {
        OrderFixture::SetUp();
        clock.SetToday({2026, 12, 7});
        registry.WriteString(quill::kOnlineKey, "UpdateServer", S(server.Address("/updates/")));
        registry.WriteString(quill::kOnlineKey, "WebSite", S(server.Address("")));
        // Neither reminder is due unless a test says so.
        registry.WriteString(kUpdateKey, "NextUpdate", "01/01/2100");
        registry.WriteString(kNewsKey, "NextUpdate", "01/01/2100");
    }

    quill::OnlineServices Online() { return {registry, shell, messages, clock, downloader}; }
    quill::QuickUpdate Update() {
        return quill::QuickUpdate(Online(), S(server.Address("/updates/")), programFolder);
    }
    fs::path Updates() const { return sharedFolder / "updates"; }

    void Register(const std::string& key, const std::string& caption, const std::string& exe,
                  const std::string& date = "") {
        const std::string path = "\\Software\\Orlenk\\" + key;
        registry.WriteString(path, "MenuCaption", caption);
        registry.WriteString(path, "UpdateExe", exe);
        if (!date.empty()) registry.WriteString(path, "UpdateDate", date);
    }

    std::string Value(const char* key, const std::string& name) {
        return registry.ReadString(key, name).value_or("(none)");
    }

    static std::string FileText(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The window as the user brings it back from another program: no window
    // of the program is active in between.
    void ReturnFromAnotherProgram() {
        QApplication::setActiveWindow(nullptr);
        QApplication::processEvents();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(window->isActiveWindow());
        QApplication::processEvents();
    }

    // The news pages: a spotlight (address given) and n English releases
    // among others.
    void ServeNews(int releases, const std::string& spotlightAddress = "/products/feeder.asp") {
        QByteArray list = "<html><body><table>\r\n";
        list += "<tr><a HREF=\"viewpressrelease.asp?id=900&langid=2\">Nachricht</a></tr>\r\n";
        for (int id = 1; id <= releases; ++id)
            list += "<tr><td><a HREF=\"viewpressrelease.asp?id=" + QByteArray::number(id) +
                    "&langid=1\">Release number " + QByteArray::number(id) + "</a></td></tr>\r\n";
        server.Serve("/whatsnew/pressreleases/default.asp", {200, list + "</table></body></html>"});
        const QByteArray home =
            "<html>\r\n<!-- SpotLight -->\r\n<font color=\"red\">New elliptical "
            "waveguide line</font>\r\n<a HREF=\"" +
            QByteArray(spotlightAddress.c_str()) +
            "\">Read more</a>\r\n<!-- End SpotLight -->\r\n</html>\r\n";
        server.Serve("/home/default.asp", {200, home});
    }

    LoopbackHttpServer server;
};

}  // namespace wizard
