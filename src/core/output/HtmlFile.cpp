#include "output/ExportContent.h"
#include "output/Rendering.h"

namespace quill {

namespace {

// Text from the data or the grids is escaped, so a description such as
// 'Clamp <Type A> & "N"' shows as written instead of breaking the page; a
// line break inside a cell shows as one.
std::string Html(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* replacement = nullptr;
        switch (text[i]) {
            case '&':
                replacement = "&amp;";
                break;
            case '<':
                replacement = "&lt;";
                break;
            case '>':
                replacement = "&gt;";
                break;
            case '"':
                replacement = "&quot;";
                break;
            case '\r':
            case '\n':
                replacement = "<BR>";
                break;
            default:
                continue;
        }
        out.append(text, start, i - start);
        out += replacement;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    out.append(text, start, std::string::npos);
    return out;
}

std::string PairRow(const std::string& label, const std::string& value) {
    return "<TR><TD><B>" + label + "</B></TD><TD>" + value + "</TD></TR>\r\n";
}

}  // namespace

// The HTML document: one table of the page's rows, and for a parts list or an
// order a second one after the total that holds what follows it.
void RenderHtmlTo(const ExportContent& c, const TextSink& sink) {
    const std::string end = "\r\n";
    RenderedText out(sink);
    // The texts are Windows-1252 bytes; the page says so, or a browser may
    // take a customer's "ü" for broken UTF-8.
    out +=
        "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
        "charset=windows-1252\"><TITLE>Orlenk Jumper Results</TITLE></HEAD>" +
        end + "<BODY>" + end + "<H1><CENTER>Jumper Results</CENTER></H1>" + end;
    if (!c.details.empty()) {
        out += "<P><TABLE BORDER = 3>" + end;
        for (const LabelledValue& detail : c.details)
            out += PairRow(Html(detail.label), Html(detail.value));
        out += "</TABLE></P>" + end;
    }
    out += "<P><TABLE BORDER = 3>" + end;
    const auto pairs = [&] {
        for (const LabelledValue& pair : c.pairs)
            out += PairRow(Html(pair.label), Html(pair.value));
    };
    if (c.block == ExportContent::Block::FinalSelection) {
        pairs();
    } else {
        out += "<TR>";
        for (const std::string& heading : c.headings)
            out += "<TD><B>" + Html(heading) + "</B></TD>";
        out += "</TR>" + end;
        ForEachRow(c, [&](const StringList& row) {
            out += "<TR>";
            for (const std::string& cell : row) out += "<TD>" + Html(cell) + "</TD>";
            out += "</TR>" + end;
            out.Pass();
        });
        out += "<TR><TD></TD><TD><B>" + Html(c.total.label) + "</B></TD><TD>" +
               Html(c.total.value) + "</TD></TR></TABLE>" + end;
        out += "</P><P><TABLE BORDER = 3>" + end;
        if (c.block == ExportContent::Block::PartsList) pairs();
    }
    if (c.foreignCurrency) out += PairRow("Foreign Currencies:", Html(ForeignCurrencyNote(c)));
    out += PairRow("Reminder:", Html(ReminderNote(c)));
    out += PairRow("Last Update:", Html(PricingDateNote(c)));
    out += "</TABLE></P></BODY></HTML>" + end;
    out.Finish();
}

std::string RenderHtml(const ExportContent& c) {
    return Collected([&](const TextSink& sink) { RenderHtmlTo(c, sink); });
}

}  // namespace quill
