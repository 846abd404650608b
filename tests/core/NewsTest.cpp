#include <gtest/gtest.h>

#include "online/News.h"

using namespace quill;

namespace {

const std::string kSite = "https://www.orlenk.example";
const std::string kReleases = kSite + "/whatsnew/pressreleases/";

std::string Release(int id, const std::string& title, const char* language = "&langid=1") {
    return "<tr><td><a class=\"n\" HREF=\"viewpressrelease.asp?id=" + std::to_string(id) +
           language + "\">" + title + "</a></td></tr>";
}

TEST(News, AHeadlineIsItsAnchorTextAndItsAddressOnThePressReleaseSite) {
    EXPECT_EQ(ParseHeadline("<a HREF=\"viewpressrelease.asp?id=5&langid=1\">Big News</a>", kSite),
              "Big News=" + kReleases + "viewpressrelease.asp?id=5&langid=1");
    // Without quotes the address ends at the tag's end.
    EXPECT_EQ(ParseHeadline("<a HREF=viewpressrelease.asp?id=6&langid=1>Small</a>", kSite),
              "Small=" + kReleases + "viewpressrelease.asp?id=6&langid=1");
    // Anchor text running to the end of the line.
    EXPECT_EQ(ParseHeadline("<a HREF=\"v.asp\">Open ended", kSite),
              "Open ended=" + kReleases + "v.asp");
    // A line without an address keeps the site's own.
    EXPECT_EQ(ParseHeadline("nothing here", kSite), "=" + kReleases);
}

TEST(News, OnlyTheFirstNineEnglishReleasesFollowTheSpotlight) {
    StringList releases{"<html>", Release(1, "German", "&langid=2")};
    for (int id = 2; id <= 21; ++id) releases.push_back(Release(id, "Story " + std::to_string(id)));
    const StringList entries = ParseNews(releases, {}, kSite);
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[0], "=") << "no spotlight block: empty title and address";
    EXPECT_EQ(TitleOf(entries[1]), "Story 2") << "the line without &langid=1 is skipped";
    EXPECT_EQ(TitleOf(entries[9]), "Story 10");
}

TEST(News, TheSpotlightComesFromItsBlockOfTheHomePage) {
    const StringList home{"<a HREF=\"/elsewhere.asp\"><font color=\"red\">Not this</font></a>",
                          "<!-- SpotLight --><table>",
                          "<td><font color=\"red\">New feeder line</font>",
                          "<a HREF=\"/products/feeder.asp\">more</a>",
                          "<!-- End SpotLight -->",
                          "<font color=\"red\">Nor this</font>"};
    EXPECT_EQ(ParseSpotlight(home, kSite), "New feeder line=" + kSite + "/products/feeder.asp");
    // Absolute addresses stay as they are, http:// and https:// alike.
    for (const std::string absolute : {"http://other.example/a.asp", "https://other.example/b"}) {
        const StringList page{"<!-- SpotLight -->", "<font color=\"red\">T</font>",
                              "<a HREF=\"" + absolute + "\">x</a>", "<!-- End SpotLight -->"};
        EXPECT_EQ(ParseSpotlight(page, kSite), "T=" + absolute);
    }
    // An address of another kind is no relative one: it stays, to be refused.
    for (const std::string other : {"javascript:alert(1)", "file:///etc/passwd", "C:\\x.exe"}) {
        const StringList page{"<!-- SpotLight --><a HREF=\"" + other + "\">",
                              "<!-- End SpotLight -->"};
        EXPECT_EQ(ParseSpotlight(page, kSite), "=" + other);
    }
    // A relative address without its "/" still lands on the site.
    const StringList relative{"<!-- SpotLight --> <a HREF=news.asp>", "<!-- End SpotLight -->"};
    EXPECT_EQ(ParseSpotlight(relative, kSite + "/"), "=" + kSite + "/news.asp");
}

TEST(News, ATitleIsCutAtItsFirstEqualsSign) {
    const StringList entries{"Spot=https://a.example/s",
                             ParseHeadline("<a HREF=\"v.asp?id=1&langid=1\">2+2=4</a>", kSite),
                             "Other=https://a.example/o"};
    EXPECT_EQ(TitleOf(entries[1]), "2+2");
    EXPECT_EQ(AddressForTitle(entries, "2+2"), "4=" + kReleases + "v.asp?id=1&langid=1");
    EXPECT_FALSE(IsWebAddress(AddressForTitle(entries, "2+2"))) << "so nothing is opened";
    EXPECT_EQ(AddressForTitle(entries, "OTHER"), "https://a.example/o") << "titles ignore case";
    EXPECT_EQ(AddressForTitle(entries, "none"), "");
}

TEST(News, OnlyWebAddressesMayBeOpened) {
    for (const char* yes : {"http://a.example/", "HTTPS://a.example/x", "https://a"})
        EXPECT_TRUE(IsWebAddress(yes)) << yes;
    for (const char* no : {"javascript:alert(1)", "file:///etc/passwd", "C:\\Windows\\calc.exe",
                           "/usr/bin/xterm", "mailto:a@b", "http://", "https:/x", ""})
        EXPECT_FALSE(IsWebAddress(no)) << no;
}

}  // namespace
