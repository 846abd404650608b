#include "session/CompareSizes.h"

#include "rf/Rf.h"
#include "text/Error.h"

namespace quill {

namespace {

const char* GradeName(int index) {
    static const char* const kNames[] = {"Standard", "Premium", "Flame Retardant"};
    return kNames[index];
}

// The cable's own figures for the selection's band and length.
void Figures(const Selection& s, const TTransmissionLine& cable, SizeRow& row) {
    const double f1 = s.BeginMHz(), f2 = s.EndMHz(), length = s.Length();
    row.attenuation = Attenuation(cable, f1, f2);
    row.totalAttenuation = CableLoss(cable, !s.meters, length, f1, f2);
    row.insertionLoss = InsertionLoss(cable, !s.meters, length, f1, f2);
    row.efficiency = Efficiency(cable, !s.meters, length, f1, f2);
    row.maxPower = cable.maxPower;
    row.averagePower = AveragePower(cable, f1, f2);
}

// The price of the page Next shows: the listed jumper's, the assembled
// price of the final page, or the parts list's total.
void Price(const QuoteResult& result, SizeRow& row) {
    std::string text =
        result.page == ResultKind::PartsList ? result.partsList.total : result.final.values[2];
    row.standardPart = result.page == ResultKind::Final && !text.starts_with(' ');
    while (text.starts_with(' ')) text.erase(0, 1);
    row.priceText = text;
    double value = 0;
    if (TryStrToFloat(text, value)) row.price = value;
}

}  // namespace

std::vector<SizeRow> CompareSizes(const QuoteSession& session, const Selection& selection,
                                  const SizeLimits& limits) {
    // Page 1 checked once on a copy; each row is quoted on a copy of that copy,
    // which only differs from the session in the cables it has already matched.
    QuoteSession probe(session);
    if (probe.CheckPageOne(selection)) return {};
    const CableList& sizes = probe.BandMatchedCables();
    std::vector<SizeRow> rows;
    for (const TTransmissionLine* cable : sizes) {
        Selection s = selection;
        s.cableGradeIndex = CableGradeIndex(cable->gradeCode);
        s.cableText = cable->partNumber;
        s.standardLengthItem = 0;  // near a standard length, the length asked for
        SizeRow row;
        row.cable = cable->partNumber;
        row.grade = GradeName(s.cableGradeIndex);
        row.gradeIndex = s.cableGradeIndex;
        Figures(s, *cable, row);
        QuoteSession quote(probe);
        try {
            const NextOutcome outcome = quote.Resolve(s);
            if (outcome.refusal)
                row.note = outcome.refusal->message;
            else if (quote.Result())
                Price(*quote.Result(), row);
        } catch (const QuillError&) {
            row.note = "Chosen connectors not offered";
        }
        rows.push_back(std::move(row));
    }
    MarkWithin(rows, limits);
    return rows;
}

void MarkWithin(std::vector<SizeRow>& rows, const SizeLimits& limits) {
    const bool anyLimit = limits.maxInsertionLoss || limits.minAveragePower;
    SizeRow* cheapest = nullptr;
    for (SizeRow& row : rows) {
        row.cheapest = false;
        row.meets = (!limits.maxInsertionLoss || row.insertionLoss <= *limits.maxInsertionLoss) &&
                    (!limits.minAveragePower || row.averagePower >= *limits.minAveragePower) &&
                    (row.price || !anyLimit);
        if (row.meets && row.price && (!cheapest || *row.price < *cheapest->price)) cheapest = &row;
    }
    if (cheapest) cheapest->cheapest = true;
}

std::string MeetsSummary(const std::vector<SizeRow>& rows, const SizeLimits& limits) {
    if (!limits.maxInsertionLoss && !limits.minAveragePower) return {};
    const auto meets = std::count_if(rows.begin(), rows.end(), [](auto& r) { return r.meets; });
    const auto unpriced = std::count_if(rows.begin(), rows.end(), [](auto& r) { return !r.price; });
    std::string text = meets == 0 ? "No size meets the limits."
                                  : std::to_string(meets) + " of " + std::to_string(rows.size()) +
                                        " sizes meet the limits.";
    if (unpriced > 0) {
        text.back() = ';';
        text += " " + std::to_string(unpriced) + (unpriced == 1 ? " has" : " have") + " no price.";
    }
    return text;
}

StringList ComparisonHeadings(const std::string& currencyCode) {
    return {"Size",
            "Grade",
            "Attenuation (dB/100 ft)",
            "Total Attenuation (dB)",
            "Insertion Loss (dB)",
            "Efficiency (%)",
            "Maximum Power (kW)",
            "Average Power (kW)",
            "Price (" + currencyCode + ")",
            "Standard Part",
            "Note"};
}

StringList ComparisonCells(const SizeRow& row) {
    return {row.cable,
            row.grade,
            FormatMoney(row.attenuation),
            FormatMoney(row.totalAttenuation),
            FormatMoney(row.insertionLoss),
            FormatMoney(row.efficiency),
            FormatMoney(row.maxPower),
            FormatMoney(row.averagePower),
            row.price ? row.priceText : std::string(),
            row.standardPart ? "Yes" : "No",
            row.cheapest ? "Cheapest" : row.note};
}

std::string ComparisonText(const std::vector<SizeRow>& rows, const std::string& currencyCode) {
    const auto line = [](const StringList& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "\t" : "") + cells[i];
        return text + "\r\n";
    };
    std::string text = line(ComparisonHeadings(currencyCode));
    for (const SizeRow& row : rows) text += line(ComparisonCells(row));
    return text;
}

}  // namespace quill
