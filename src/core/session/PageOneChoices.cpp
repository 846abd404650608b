#include "session/PageOneChoices.h"

#include "text/Fields.h"

namespace quill {

namespace {

// The text made an item of the list when it is not one yet, and chosen.
void Keep(ListChoice& list, const std::string& text) {
    if (!list.Offers(text)) {
        StringList items = list.Items();
        items.push_back(text);
        list.SetItems(std::make_shared<const StringList>(std::move(items)));
    }
    list.text = text;
}

}  // namespace

void PageOneChoices::OfferLengths(int first, int last, int selected) {
    StringList items;
    for (int value = first; value <= last; ++value) items.push_back(std::to_string(value));
    length.SetItems(std::make_shared<const StringList>(std::move(items)));
    length.Select(selected);
}

void PageOneChoices::Start() {
    OfferLengths(1, 50, 5);
    cableType.enabled[2] = false;
}

void PageOneChoices::FillBand(const FrequencyLists& lists) {
    lists_ = lists;
    beginning.SetItems(std::make_shared<const StringList>(lists.begin));
    ending.SetItems(std::make_shared<const StringList>(lists.end));
    beginning.Select(beginning.IndexOf("800"));
    ending.Select(ending.IndexOf("2200"));
}

void PageOneChoices::ChooseApplication(bool isFeeder) {
    feeder = isFeeder;
    if (feeder) {
        feederItem.Select(0);
        OfferLengths(100, 500, 100);
    } else {
        cableType.Select(1);
        SetEnds(true, true);
        feederItem.Select(-1);  // a jumper has no feeder item
        OfferLengths(1, 50, 5);
    }
    cableType.enabled[2] = feeder;
}

void PageOneChoices::SetEnds(bool top, bool bottom) {
    topIncluded = top;
    bottomIncluded = bottom;
    feederItem.Select(FeederItem(top, bottom));
    feederItem.enabled = {top && bottom, top, bottom, true};
}

void PageOneChoices::ChooseFeederItem(int item) {
    if (!feeder || item < 0 || item > 3) return;
    SetEnds(item == 0 || item == 1, item == 0 || item == 2);
}

void PageOneChoices::LeaveBeginning() {
    const std::string typedEnding = ending.text;
    double begin = 0, end = 0;
    if (!TryStrToFloat(beginning.text, begin)) return;
    ending.SetItems(std::make_shared<const StringList>(FrequenciesAbove(lists_.end, begin)));
    ending.Select(0);
    if (!TryStrToFloat(typedEnding, end) || begin > end) return;
    Keep(ending, typedEnding);
}

void PageOneChoices::LeaveEnding() {
    const std::string typedBeginning = beginning.text;
    double end = 0, begin = 0;
    if (!TryStrToFloat(ending.text, end)) return;
    beginning.SetItems(std::make_shared<const StringList>(FrequenciesBelow(lists_.begin, end)));
    if (!TryStrToFloat(typedBeginning, begin)) {
        beginning.Select(-1);
        return;
    }
    if (end < begin) {
        beginning.Select(static_cast<int>(beginning.Items().size()) - 1);
        return;
    }
    Keep(beginning, typedBeginning);
}

void PageOneChoices::SwitchUnit(bool toGhz) {
    if (toGhz == ghz) return;
    const double factor = toGhz ? 1.0 / 1000 : 1000;
    for (ListChoice* list : {&beginning, &ending}) {
        StringList items;
        for (const std::string& item : list->Items())
            items.push_back(FloatToText(StrToFloat(item) * factor));
        list->SetItems(std::make_shared<const StringList>(std::move(items)));
        list->text = FloatToText(StrToFloat(list->text) * factor);
    }
    ghz = toGhz;
}

Selection PageOneChoices::AsSelection() const {
    Selection s;
    s.feeder = feeder;
    s.feederIndex = feederItem.index;
    s.lengthText = length.text;
    s.meters = meters;
    s.ghz = ghz;
    s.beginText = beginning.text;
    s.endText = ending.text;
    s.cableTypeIndex = cableType.index;
    s.topIncluded = topIncluded;
    s.bottomIncluded = bottomIncluded;
    return s;
}

}  // namespace quill
