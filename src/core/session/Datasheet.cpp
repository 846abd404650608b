#include "session/Datasheet.h"

#include "rf/BandPlot.h"
#include "rf/Rf.h"
#include "text/Fields.h"

namespace quill {

namespace {

const char* const kGrades[] = {"Standard", "Premium", "Flame Retardant"};
const char* const kCableTypes[] = {"Air Coaxial", "Foam Coaxial", "Elliptical Waveguide"};

const char* Named(const char* const (&names)[3], int index) {
    return index >= 0 && index < 3 ? names[index] : "";
}

Datasheet::End EndOf(const QuoteSession& session, const Selection& s, bool top) {
    Datasheet::End end;
    end.title = top ? "Top end" : "Bottom end";
    if (!(top ? s.topIncluded : s.bottomIncluded)) {
        end.values = {{"Connector:", "None"}};
        return end;
    }
    end.connectorPicture = session.PageTwo().End(top).picture;
    end.values = {{"Connector:", top ? s.topLabel : s.bottomLabel},
                  {"Special:", top ? s.topSpecial : s.bottomSpecial},
                  {"Inner contact:", top ? s.topInner : s.bottomInner},
                  {"Attachment:", s.vellisk ? "Vellisk" : "Regular"},
                  {"Connector grade:", s.platedGrade ? "Plated" : "Standard"}};
    return end;
}

// The final page's description, or for an end without a connector one that
// names only the ends that have one.
std::string AssemblyDescription(const Selection& s) {
    if (s.topIncluded && s.bottomIncluded) return FinalDescription(s);
    std::string text = s.lengthText + (s.meters ? " meter" : " foot") + " cable assembly, " +
                       s.cableText + (s.diameterShown ? ", (" + s.diameterText + ")" : "");
    const std::string grade = s.platedGrade ? "Plated " : "Standard ";
    for (const bool top : {true, false}) {
        text += top ? ". Connector1 = " : ". Connector2 = ";
        if (!(top ? s.topIncluded : s.bottomIncluded)) {
            text += "none";
            continue;
        }
        const std::string& special = top ? s.topSpecial : s.bottomSpecial;
        text += grade + (special == "(none)" ? "" : special + " ") +
                (top ? s.topLabel : s.bottomLabel) + " with " + (top ? s.topInner : s.bottomInner) +
                " inner contact attachment";
    }
    return text;
}

}  // namespace

Datasheet MakeDatasheet(const QuoteSession& session, const QuoteResult& shown,
                        const DatasheetOptions& options) {
    const Selection& s = shown.selection;
    Datasheet sheet;
    const bool final = shown.page == ResultKind::Final;
    if (final) {
        sheet.partNumber = shown.final.values[0];
        sheet.description = shown.final.values[1];
    } else {
        sheet.partNumber = "Assembly to order";
        for (const PartsRow& row : shown.partsList.rows)
            if (!row.partNumber.empty()) sheet.components.push_back(row.partNumber);
        sheet.description = AssemblyDescription(s);
    }
    for (char& c : sheet.description)
        if (c == '\r') c = ' ';

    sheet.cable = {{"Size:", s.cableText},
                   {"Grade:", Named(kGrades, s.cableGradeIndex)},
                   {"Type:", Named(kCableTypes, s.cableTypeIndex)}};
    if (s.diameterShown) sheet.cable.push_back({"Diameter:", s.diameterText});
    sheet.ends = {EndOf(session, s, true), EndOf(session, s, false)};

    double length = 0;
    TryStrToFloat(s.lengthText, length);
    const double feet = s.meters ? length / 0.3048 : length;
    sheet.lengthFeet = FormatMoney(feet) + " ft";
    sheet.lengthMeters = FormatMoney(feet * 0.3048) + " m";
    const char* unit = s.ghz ? " GHz" : " MHz";
    sheet.band = s.beginText + " - " + s.endText + unit;

    for (std::size_t i = 0; i < 7; ++i)
        sheet.figures.push_back(final
                                    ? std::pair{FinalPageLabels()[i + 3], shown.final.values[i + 3]}
                                    : std::pair{FigureLabels()[i], shown.partsList.figures[i]});
    if (const TTransmissionLine* cable = session.PageTwo().CurrentCable()) {
        sheet.curves = ComputeBandPlot(s, *cable, false, 100);
        const auto loss = [&](double mhz) {
            return InsertionLoss(*cable, !s.meters, length, mhz, mhz);
        };
        for (BandPoint& point : sheet.curves.points) point.efficiency = loss(point.mhz);
        sheet.curves.marker.efficiency = loss(sheet.curves.marker.mhz);
        for (const auto& [mhz, text] :
             {std::pair{s.BeginMHz(), s.beginText}, std::pair{s.EndMHz(), s.endText}}) {
            const std::string at = " at " + text + unit;
            sheet.edges.push_back(
                {"Attenuation" + at + " (dB/100 ft):", FormatMoney(Attenuation(*cable, mhz, mhz))});
            sheet.edges.push_back(
                {"Insertion Loss" + at + " (dB):",
                 FormatMoney(InsertionLoss(*cable, !s.meters, length, mhz, mhz))});
        }
    }

    if (options.prices) {
        sheet.priceLabel = "Price (" + session.Currency().Code() + "):";
        sheet.price = Trim(final ? shown.final.values[2] : shown.partsList.total);
        sheet.pricingDate = options.pricingDate;
    }
    sheet.date = options.today;
    sheet.details = options.details;
    return sheet;
}

}  // namespace quill
